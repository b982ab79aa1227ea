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

VARIANT Reference(VARTYPE type, void* target) {
  VARIANT value;
  VariantInit(&value);
  value.vt = type | VT_BYREF;
  value.byref = target;
  return value;
}

// An optional argument left out, as the editors expect it.
VARIANT Missing() {
  VARIANT value;
  VariantInit(&value);
  value.vt = VT_ERROR;
  value.scode = DISP_E_PARAMNOTFOUND;
  return value;
}

struct Outcome {
  HRESULT result;
  UINT argument_error;
};

// A call as a late-bound client makes it; `put` passes the last argument as the assigned value.
Outcome Call(IDispatch* object, const wchar_t* name, WORD flags, std::vector<VARIANT> arguments,
             VARIANT* result = nullptr) {
  DISPID id = DISPID_UNKNOWN;
  auto* member = const_cast<LPOLESTR>(name);
  const HRESULT named = object->GetIDsOfNames(IID_NULL, &member, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(named)) return {named, 0};
  std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
  DISPID put_id = DISPID_PROPERTYPUT;
  const bool put = flags == DISPATCH_PROPERTYPUT;
  DISPPARAMS parameters{reversed.data(), put ? &put_id : nullptr,
                        static_cast<UINT>(reversed.size()), put ? 1u : 0u};
  UINT argument_error = 99;
  const HRESULT invoked = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters,
                                         result, nullptr, &argument_error);
  for (auto& argument : arguments)
    VariantClear(&argument);
  return {invoked, argument_error};
}

class PublishedDispatchTest : public ::testing::TestWithParam<bool> {
 protected:
  PublishedDispatchTest()
      : editor(Options()),
        module_text(
            editor.Sim().AddModule(u"Project1", u"Module1", {u"Sub A()", u"x = 1", u"End Sub"})) {}
  sim::EditorOptions Options() const {
    sim::EditorOptions options;
    if (!GetParam()) options.name = u"Microsoft Excel";
    return options;
  }
  win32::LateBound Vbe() { return win32::LateBound(editor.Application()); }
  ComPtr<IDispatch> Member(const wchar_t* pane_member) {
    return Vbe().GetObject(L"ActiveCodePane").GetObject(pane_member).Pointer();
  }

  FakeEditor editor;
  const sim::SimCodeModule& module_text;
};

TEST_P(PublishedDispatchTest, NamesAndDispidsAreEachEditorsOwn) {
  const bool vb6 = GetParam();
  auto vbe = editor.Application();
  const struct {
    const wchar_t* name;
    DISPID vb6_id;
    DISPID vba_id;
  } rows[] = {{L"Name", 0, DISPID_UNKNOWN},
              {L"addins", 200, 209},
              {L"Version", 100, 100},
              {L"Reserved0", 209, DISPID_UNKNOWN},
              {L"NoSuchMember", DISPID_UNKNOWN, DISPID_UNKNOWN}};
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.name, row.name + wcslen(row.name)));
    DISPID id = 12345;
    auto* name = const_cast<LPOLESTR>(row.name);
    const HRESULT result = vbe->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id);
    const DISPID expected = vb6 ? row.vb6_id : row.vba_id;
    EXPECT_EQ(id, expected);
    EXPECT_EQ(result, expected == DISPID_UNKNOWN ? DISP_E_UNKNOWNNAME : S_OK);
  }
}

TEST_P(PublishedDispatchTest, CallsAreCheckedAsTheTypeLibraryDeclaresThem) {
  auto module = Member(L"CodeModule");
  auto pane = Member(L"Window");
  auto code_pane = Vbe().GetObject(L"ActiveCodePane").Pointer();
  auto windows = Vbe().GetObject(L"Windows").Pointer();
  auto menu_bar = Vbe().GetObject(L"CommandBars").GetObject(L"ActiveMenuBar").Pointer();
  LONG a = 0, b = 0, c = 0, d = 0;
  VARIANT nested;
  VariantInit(&nested);
  Variant text_result;
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
      {"a put on a read-only property",
       pane.Get(),
       L"Caption",
       DISPATCH_PROPERTYPUT,
       {Text(L"x")},
       false,
       DISP_E_MEMBERNOTFOUND,
       99},
      {"a method called as a property put",
       module.Get(),
       L"ReplaceLine",
       DISPATCH_PROPERTYPUT,
       {Long(1), Text(L"x")},
       false,
       DISP_E_MEMBERNOTFOUND,
       99},
      {"a result asked of a member that returns nothing",
       module.Get(),
       L"ReplaceLine",
       DISPATCH_METHOD,
       {Long(2), Text(L"y = 2")},
       true,
       DISP_E_MEMBERNOTFOUND,
       99},
      {"a required argument left out",
       module.Get(),
       L"Lines",
       DISPATCH_PROPERTYGET,
       {Long(1)},
       true,
       DISP_E_PARAMNOTOPTIONAL,
       99},
      {"an argument too many",
       module.Get(),
       L"DeleteLines",
       DISPATCH_METHOD,
       {Long(9), Long(1), Long(1)},
       false,
       DISP_E_BADPARAMCOUNT,
       99},
      {"a by-value argument for an out parameter",
       code_pane.Get(),
       L"GetSelection",
       DISPATCH_METHOD,
       {Reference(VT_I4, &a), Long(0), Reference(VT_I4, &c), Reference(VT_I4, &d)},
       false,
       DISP_E_TYPEMISMATCH,
       2},
      {"a reference to a variant for an IDispatch**",
       windows.Get(),
       L"CreateToolWindow",
       DISPATCH_METHOD,
       {client::Object(nullptr), Text(L"QWIX.VBIDETab"), Text(L"t"), Text(L"{}"),
        Reference(VT_VARIANT, &nested)},
       true,
       DISP_E_TYPEMISMATCH,
       0},
      {"a by-value argument that does not convert",
       code_pane.Get(),
       L"SetSelection",
       DISPATCH_METHOD,
       {Long(1), Text(L"one"), Long(1), Long(1)},
       false,
       DISP_E_TYPEMISMATCH,
       2},
      {"a by-value argument that converts",
       code_pane.Get(),
       L"SetSelection",
       DISPATCH_METHOD,
       {Text(L"2"), Long(1), Long(2), Text(L"3")},
       false,
       S_OK,
       99},
      {"optional arguments left out before the one given",
       menu_bar.Get(),
       L"FindControl",
       DISPATCH_METHOD,
       {Missing(), Long(30038)},
       true,
       S_OK,
       99},
      {"a criterion the fake editor does not play",
       menu_bar.Get(),
       L"FindControl",
       DISPATCH_METHOD,
       {Long(10), Long(30038)},
       true,
       DISP_E_EXCEPTION,
       99},
      {"out parameters by reference",
       code_pane.Get(),
       L"GetSelection",
       DISPATCH_METHOD,
       {Reference(VT_I4, &a), Reference(VT_I4, &b), Reference(VT_I4, &c), Reference(VT_I4, &d)},
       false,
       S_OK,
       99},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    text_result = Variant();
    const auto outcome = Call(row.object, row.name, row.flags, row.arguments,
                              row.wants_result ? text_result.Get() : nullptr);
    EXPECT_EQ(outcome.result, row.result);
    EXPECT_EQ(outcome.argument_error, row.argument_error);
  }
  // No control of that Id: Nothing, as the editors answer.
  Variant found;
  EXPECT_EQ(
      Call(menu_bar.Get(), L"FindControl", DISPATCH_METHOD, {Missing(), Long(4242)}, found.Get())
          .result,
      S_OK);
  EXPECT_EQ(found.Type(), VT_DISPATCH);
  EXPECT_FALSE(found.Get()->pdispVal);
  // The converted selection was made, and the out parameters carry it back.
  EXPECT_EQ((std::vector<LONG>{a, b, c, d}), (std::vector<LONG>{2, 1, 2, 3}));
  EXPECT_EQ(editor.Sim().ActivePane()->CurrentSelection().start_line, 2);
  // Nothing was replaced by the refused calls.
  EXPECT_EQ(module_text.Text(), (std::vector<std::u16string>{u"Sub A()", u"x = 1", u"End Sub"}));
}

TEST_P(PublishedDispatchTest, ClickEventsAreFoundByThePublishedInterfaceOnly) {
  const bool vb6 = GetParam();
  auto bar = Vbe().GetObject(L"CommandBars");
  Variant standard(std::u16string(u"Standard"));
  Variant button_type(std::int32_t{1});
  auto button = bar.GetObject(L"Item", {standard.Get()})
                    .GetObject(L"Controls")
                    .GetObject(L"Add", {button_type.Get()});
  // Office's buttons raise their own Click; VB6's Office library has no button events.
  auto button_events =
      button.Pointer().As<IConnectionPointContainer>(IID_IConnectionPointContainer);
  EXPECT_EQ(static_cast<bool>(button_events), !vb6);

  Variant control(button.Object());
  const Variant events = Vbe().GetObject(L"Events").Get(L"CommandBarEvents", {control.Get()});
  ASSERT_EQ(events.Type(), VT_UNKNOWN) << "the events object is no dispatch interface";
  auto unknown = events.ToUnknown();
  EXPECT_FALSE(unknown.As<IDispatch>(IID_IDispatch));
  auto container = unknown.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
  ASSERT_TRUE(container);
  const IID& published = vb6 ? kVb6ControlEvents : kVbaControlEvents;
  const IID& other_editors = vb6 ? kVbaControlEvents : kVb6ControlEvents;
  ComPtr<IConnectionPoint> point;
  EXPECT_EQ(container->FindConnectionPoint(kCommandBarButtonEvents, point.Receive()),
            CONNECT_E_NOCONNECTION);
  EXPECT_EQ(container->FindConnectionPoint(other_editors, point.Receive()), CONNECT_E_NOCONNECTION);
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
