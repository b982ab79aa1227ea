#include <gtest/gtest.h>

#include <memory>

#include "win32/com_object.h"
#include "win32/user_log_fixture.h"
#include "win32/win_editor.h"

namespace tessaly::win32 {
namespace {

// The sink stores `handled` back only for an event that passes it (three arguments); storing
// it at exactly three or only above is the same here, as no click handler of the add-in
// changes `handled`: what is written back is what the editor passed.

// An events object of the VBA editor with its one click point, which keeps the sink it is given.
class ClickPoint final : public ComObject<ClickPoint, IConnectionPointContainer, IConnectionPoint> {
 public:
  using Offered = Offers<Offer<IConnectionPointContainer>, Offer<IConnectionPoint>>;
  ClickPoint() = default;
  ComPtr<IUnknown> sink;
  HRESULT unadvise = S_OK;

  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID, IConnectionPoint** point) override {
    *point = this;
    AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override {
    *iid = {0x0002E131, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* given, DWORD* cookie) override {
    sink = ComPtr<IUnknown>(given);
    *cookie = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD) override { return unadvise; }
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }
};

struct IgnoredClicks : host::ClickSink {
  void OnClick(host::CommandBarControl&, bool&, bool&) override {}
};

// The editors raise Click by its DISPID; a client that binds late asks for the name first. The
// sink knows Click alone and writes only the ids of the names asked for.
TEST(ClickSinkTest, NamesClickAloneAndWritesNoIdBeyondThoseAsked) {
  auto* point = new ClickPoint;
  const auto source = ComPtr<IUnknown>::Adopt(static_cast<IConnectionPoint*>(point));
  const auto connection = MakeClickSource(source, {})->Advise(std::make_shared<IgnoredClicks>());
  const auto sink = point->sink.As<IDispatch>(IID_IDispatch);
  ASSERT_TRUE(sink);
  const struct {
    const wchar_t* name;
    HRESULT result;
    DISPID id;
  } cases[] = {{L"Click", S_OK, 1}, {L"Tag", DISP_E_UNKNOWNNAME, DISPID_UNKNOWN}};
  for (const auto& row : cases) {
    LPOLESTR names[] = {const_cast<LPOLESTR>(row.name), const_cast<LPOLESTR>(L"Click")};
    DISPID ids[] = {0, 42};
    EXPECT_EQ(sink->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, ids), row.result);
    EXPECT_EQ(ids[0], row.id);
    EXPECT_EQ(ids[1], 42) << "an id written past the names asked for";
  }
}

// What the sink cannot refuse it still writes, once per place: an editor that will not let go
// of the sink at unloading, and a click whose control cannot be copied (which then does
// nothing).
TEST_F(UserLogTest, AFailureTheSinkCannotRefuseLeavesOneLine) {
  for (int load = 0; load < 2; ++load) {
    auto* point = new ClickPoint;
    point->unadvise = CONNECT_E_NOCONNECTION;
    const auto source = ComPtr<IUnknown>::Adopt(static_cast<IConnectionPoint*>(point));
    auto connection = MakeClickSource(source, {})->Advise(std::make_shared<IgnoredClicks>());
    const auto sink = point->sink.As<IDispatch>(IID_IDispatch);
    VARIANT arguments[2] = {};
    arguments[1].vt = 0x7FFF;  // no type a variant can hold
    DISPPARAMS parameters{arguments, nullptr, 2, 0};
    EXPECT_EQ(sink->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &parameters, nullptr, nullptr, nullptr),
              S_OK);
    connection.reset();
  }
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NE(lines[0].find("VariantCopy refused (0x80020008)"), std::string::npos) << lines[0];
  EXPECT_NE(lines[1].find("IConnectionPoint.Unadvise refused (0x80040200)"), std::string::npos)
      << lines[1];
  EXPECT_NE(lines[1].find("win_click_source.cpp:"), std::string::npos) << lines[1];
}

}  // namespace
}  // namespace tessaly::win32
