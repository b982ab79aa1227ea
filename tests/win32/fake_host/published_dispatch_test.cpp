// The fake editor is as strict as the editors' type libraries: each kind of call they refuse is
// refused here once, so that the strictness the DLL is tested against cannot quietly go.

#include <gtest/gtest.h>
#include "win32/windows_headers.h"

#include <string>
#include <vector>

#include "win32/fake_host/com_client.h"
#include "win32/fake_host/fake_editor.h"
#include "win32/late_bound.h"

namespace tessaly::fake_host {
namespace {

using client::Long;
using client::Text;

class PublishedDispatchTest : public ::testing::TestWithParam<bool> {
 protected:
  static sim::EditorOptions Options() {
    sim::EditorOptions options;
    if (!GetParam()) options.name = u"Microsoft Excel";
    return options;
  }
  win32::LateBound Vbe() { return win32::LateBound(editor.Application()); }

  FakeEditor editor{Options()};
};

TEST_P(PublishedDispatchTest, EachKindOfCallTheTypeLibrariesRefuseIsRefused) {
  const std::vector<std::u16string> text{u"Sub A()", u"x = 1", u"End Sub"};
  const auto& module_text = editor.Sim().AddModule(u"Project1", u"Module1", text);
  auto vbe = editor.Application();
  auto pane = Vbe().GetObject(L"ActiveCodePane");
  auto code_pane = pane.Pointer();
  auto window = pane.GetObject(L"Window").Pointer();
  auto module = pane.GetObject(L"CodeModule").Pointer();
  auto menu_bar = Vbe().GetObject(L"CommandBars").GetObject(L"ActiveMenuBar").Pointer();
  LONG out = 0;
  VARIANT reference;
  VariantInit(&reference);
  reference.vt = VT_I4 | VT_BYREF;
  reference.plVal = &out;
  constexpr WORD kGet = DISPATCH_PROPERTYGET, kPut = DISPATCH_PROPERTYPUT, kCall = DISPATCH_METHOD;
  const struct {
    const char* what;
    IDispatch* object;
    const wchar_t* name;
    WORD flags;
    std::vector<VARIANT> arguments;
    bool wants_result;
    HRESULT result;
    UINT argument_error;  // the rgvarg index of the refused argument
  } rows[] = {
      // clang-format off
      {"a name the editor does not publish (the VBA editor's VBE has no Name)",
       vbe.Get(), L"Name", kGet, {}, true, GetParam() ? S_OK : DISP_E_UNKNOWNNAME, 99},
      {"a put on a read-only property", window.Get(), L"Caption", kPut, {Text(L"x")}, false,
       DISP_E_MEMBERNOTFOUND, 99},
      {"a result asked of a member that returns nothing", module.Get(), L"ReplaceLine", kCall,
       {Long(2), Text(L"y = 2")}, true, DISP_E_MEMBERNOTFOUND, 99},
      {"a required argument left out", module.Get(), L"Lines", kGet, {Long(1)}, true,
       DISP_E_PARAMNOTOPTIONAL, 99},
      {"an argument too many", module.Get(), L"DeleteLines", kCall, {Long(9), Long(1), Long(1)},
       false, DISP_E_BADPARAMCOUNT, 99},
      {"a by-value argument for an out parameter", code_pane.Get(), L"GetSelection", kCall,
       {reference, Long(0), reference, reference}, false, DISP_E_TYPEMISMATCH, 2},
      {"a by-value argument that does not convert", code_pane.Get(), L"SetSelection", kCall,
       {Long(1), Text(L"one"), Long(1), Long(1)}, false, DISP_E_TYPEMISMATCH, 2},
      {"a criterion the fake editor does not play", menu_bar.Get(), L"FindControl", kCall,
       {Long(10), Long(30038)}, true, DISP_E_EXCEPTION, 99},
      // clang-format on
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    Variant result;
    UINT argument_error = 0;
    EXPECT_EQ(client::CallByName(row.object, row.name, row.arguments, row.flags,
                                 row.wants_result ? result.Get() : nullptr, &argument_error),
              row.result);
    EXPECT_EQ(argument_error, row.argument_error);
    for (auto argument : row.arguments)
      VariantClear(&argument);
  }
  EXPECT_EQ(module_text.Text(), text) << "a refused call changed the module";
}

TEST_P(PublishedDispatchTest, ClickEventsAreFoundByThePublishedInterfaceOnly) {
  const bool vb6 = GetParam();
  Variant standard(std::u16string(u"Standard"));
  Variant button_type(std::int32_t{1});
  auto button = Vbe()
                    .GetObject(L"CommandBars")
                    .GetObject(L"Item", {standard.Get()})
                    .GetObject(L"Controls")
                    .GetObject(L"Add", {button_type.Get()});
  // Office's buttons raise their own Click; VB6's Office library has no button events.
  EXPECT_EQ(static_cast<bool>(
                button.Pointer().As<IConnectionPointContainer>(IID_IConnectionPointContainer)),
            !vb6);

  Variant control(button.Object());
  const Variant events = Vbe().GetObject(L"Events").Get(L"CommandBarEvents", {control.Get()});
  ASSERT_EQ(events.Type(), VT_UNKNOWN) << "the events object is no dispatch interface";
  EXPECT_FALSE(events.ToUnknown().As<IDispatch>(IID_IDispatch));
  auto container = events.ToUnknown().As<IConnectionPointContainer>(IID_IConnectionPointContainer);
  ASSERT_TRUE(container);
  const IID& published = vb6 ? kVb6ControlEvents : kVbaControlEvents;
  ComPtr<IConnectionPoint> point;
  for (const IID* other : {&kCommandBarButtonEvents, vb6 ? &kVbaControlEvents : &kVb6ControlEvents})
    EXPECT_EQ(container->FindConnectionPoint(*other, point.Receive()), CONNECT_E_NOCONNECTION);
  EXPECT_EQ(container->FindConnectionPoint(published, point.Receive()), S_OK);
  // The enumeration lists another point before the click's.
  ComPtr<IEnumConnectionPoints> points;
  ASSERT_EQ(container->EnumConnectionPoints(points.Receive()), S_OK);
  ASSERT_EQ(points->Next(1, point.Receive(), nullptr), S_OK);
  IID first{};
  point->GetConnectionInterface(&first);
  EXPECT_FALSE(IsEqualIID(first, published));
}

INSTANTIATE_TEST_SUITE_P(BothEditors, PublishedDispatchTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Vb6" : "Vba"; });

}  // namespace
}  // namespace tessaly::fake_host
