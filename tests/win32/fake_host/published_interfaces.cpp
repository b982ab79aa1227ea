#include "win32/fake_host/published_interfaces.h"

#include <initializer_list>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>

namespace tessaly::fake_host {

namespace {

using Functions = std::vector<PublishedFunction>;

constexpr WORD kMethod = DISPATCH_METHOD;
constexpr WORD kGet = DISPATCH_PROPERTYGET;
constexpr WORD kPut = DISPATCH_PROPERTYPUT;
constexpr WORD kPutRef = DISPATCH_PROPERTYPUTREF;

constexpr PublishedParameter kLong{VT_I4};
constexpr PublishedParameter kText{VT_BSTR};
constexpr PublishedParameter kBool{VT_BOOL};
constexpr PublishedParameter kObject{VT_DISPATCH};
constexpr PublishedParameter kAny{VT_VARIANT};
constexpr PublishedParameter kOptionalAny{VT_VARIANT, false, true};
constexpr PublishedParameter kOutLong{VT_I4, true};

Functions Get(const wchar_t* name, DISPID id, VARTYPE type,
              std::vector<PublishedParameter> parameters = {}) {
  return {{name, id, kGet, std::move(parameters), type}};
}

// A property that is read and assigned: its get and its put (or putref).
Functions GetPut(const wchar_t* name, DISPID id, VARTYPE type, WORD put = kPut) {
  return {{name, id, kGet, {}, type}, {name, id, put, {{type}}, VT_EMPTY}};
}

Functions Method(const wchar_t* name, DISPID id, std::vector<PublishedParameter> parameters = {},
                 VARTYPE result = VT_EMPTY) {
  return {{name, id, kMethod, std::move(parameters), result}};
}

Functions Join(std::initializer_list<Functions> parts) {
  Functions all;
  for (const auto& part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

Functions Vbe(EditorKind editor) {
  const bool vb6 = editor == EditorKind::kVb6;
  auto common =
      Join({Get(L"Version", 100, VT_BSTR), Get(L"VBProjects", 107, VT_DISPATCH),
            Get(L"CommandBars", 108, VT_DISPATCH), Get(L"CodePanes", 109, VT_DISPATCH),
            Get(L"Windows", 110, VT_DISPATCH), Get(L"Events", 111, VT_DISPATCH),
            Get(L"SelectedVBComponent", 202, VT_DISPATCH), Get(L"MainWindow", 204, VT_DISPATCH),
            Get(L"ActiveWindow", 205, VT_DISPATCH)});
  if (vb6) {
    // VB6 publishes its name as the default member; whether its setters are put or putref is
    // not known, so none is offered.
    return Join({common, Get(L"Name", 0, VT_BSTR), Get(L"FullName", 10, VT_BSTR),
                 GetPut(L"LastUsedPath", 11, VT_BSTR), GetPut(L"ReadOnlyMode", 106, VT_I2),
                 Get(L"Addins", 200, VT_DISPATCH), Get(L"ActiveVBProject", 201, VT_DISPATCH),
                 Get(L"TemplatePath", 203, VT_BSTR), Get(L"ActiveCodePane", 206, VT_DISPATCH),
                 Method(L"Quit", 207), GetPut(L"DisplayModel", 208, VT_I4),
                 Get(L"Reserved0", 209, VT_DISPATCH)});
  }
  // The VBA editor's VBE has no Name, and its Addins has another DISPID.
  return Join({common, GetPut(L"ActiveVBProject", 201, VT_DISPATCH, kPutRef),
               GetPut(L"ActiveCodePane", 206, VT_DISPATCH, kPutRef),
               Get(L"Addins", 209, VT_DISPATCH)});
}

Functions Window() {
  return Join({Get(L"VBE", 1, VT_DISPATCH), Get(L"Collection", 2, VT_DISPATCH),
               Method(L"Close", 99), Get(L"Caption", 100, VT_BSTR), GetPut(L"Left", 101, VT_I4),
               GetPut(L"Top", 103, VT_I4), GetPut(L"Width", 105, VT_I4),
               GetPut(L"Visible", 106, VT_BOOL), GetPut(L"Height", 107, VT_I4),
               GetPut(L"WindowState", 109, VT_I4), Method(L"SetFocus", 111),
               Get(L"Type", 112, VT_I4), Get(L"LinkedWindows", 116, VT_DISPATCH),
               Get(L"LinkedWindowFrame", 117, VT_DISPATCH), Get(L"HWnd", 120, VT_I4)});
}

Functions Windows() {
  return Join({Get(L"VBE", 1, VT_DISPATCH), Get(L"Parent", 2, VT_DISPATCH),
               Method(L"Item", 0, {kAny}, VT_DISPATCH), Get(L"Count", 201, VT_I4),
               Method(L"_NewEnum", DISPID_NEWENUM, {}, VT_UNKNOWN),
               Method(L"CreateToolWindow", 300, {kObject, kText, kText, kText, {VT_DISPATCH, true}},
                      VT_DISPATCH)});
}

Functions CodePane() {
  return Join({Get(L"Collection", 0x60020000, VT_DISPATCH), Get(L"VBE", 0x60020001, VT_DISPATCH),
               Get(L"Window", 0x60020002, VT_DISPATCH),
               Method(L"GetSelection", 0x60020003, {kOutLong, kOutLong, kOutLong, kOutLong}),
               Method(L"SetSelection", 0x60020004, {kLong, kLong, kLong, kLong}),
               GetPut(L"TopLine", 0x60020005, VT_I4),
               Get(L"CountOfVisibleLines", 0x60020007, VT_I4),
               Get(L"CodeModule", 0x60020008, VT_DISPATCH), Method(L"Show", 0x60020009),
               Get(L"CodePaneView", 0x6002000A, VT_I4)});
}

Functions CodeModule(EditorKind editor) {
  const PublishedParameter in_out_long{VT_I4, true};
  const PublishedParameter optional_bool{VT_BOOL, false, true};
  auto functions = Join(
      {Get(L"Parent", 0x60020000, VT_DISPATCH), Get(L"VBE", 0x60020001, VT_DISPATCH),
       GetPut(L"Name", 0, VT_BSTR), Method(L"AddFromString", 0x60020004, {kText}),
       Method(L"AddFromFile", 0x60020005, {kText}),
       Get(L"Lines", 0x60020006, VT_BSTR, {kLong, kLong}), Get(L"CountOfLines", 0x60020007, VT_I4),
       Method(L"InsertLines", 0x60020008, {kLong, kText}),
       Method(L"DeleteLines", 0x60020009, {kLong, {VT_I4, false, true}}),
       Method(L"ReplaceLine", 0x6002000A, {kLong, kText}),
       Get(L"ProcStartLine", 0x6002000B, VT_I4, {kText, kLong}),
       Get(L"ProcCountLines", 0x6002000C, VT_I4, {kText, kLong}),
       Get(L"ProcBodyLine", 0x6002000D, VT_I4, {kText, kLong}),
       Get(L"ProcOfLine", 0x6002000E, VT_BSTR, {kLong, kOutLong}),
       Get(L"CountOfDeclarationLines", 0x6002000F, VT_I4),
       Method(L"CreateEventProc", 0x60020010, {kText, kText}, VT_I4),
       Method(L"Find", 0x60020011,
              {kText, in_out_long, in_out_long, in_out_long, in_out_long, optional_bool,
               optional_bool, optional_bool},
              VT_BOOL),
       Get(L"CodePane", 0x60020012, VT_DISPATCH)});
  if (editor == EditorKind::kVb6)
    functions.push_back({L"Members", 0x60020013, kGet, {}, VT_DISPATCH});
  return functions;
}

// The VBA editor's VBProject as VBE6EXT numbers it; VB6's as the VB5 library its own extends,
// where Name is the default member, FileName comes among the stand-alone editor's own members
// and there is no Application or Parent.
Functions VBProject(EditorKind editor) {
  auto common = Join({GetPut(L"HelpFile", 0x74, VT_BSTR), GetPut(L"HelpContextID", 0x75, VT_I4),
                      GetPut(L"Description", 0x76, VT_BSTR), Get(L"References", 0x78, VT_DISPATCH),
                      Get(L"VBE", 0x7A, VT_DISPATCH), Get(L"Collection", 0x7B, VT_DISPATCH),
                      Get(L"Saved", 0x85, VT_BOOL), Get(L"VBComponents", 0x87, VT_DISPATCH)});
  if (editor == EditorKind::kVb6) {
    return Join({common, GetPut(L"Name", 0, VT_BSTR), Get(L"FileName", 0x6D, VT_BSTR),
                 GetPut(L"IsDirty", 0x6E, VT_BOOL),
                 Method(L"ReadProperty", 0x70, {kText, kText}, VT_BSTR),
                 Method(L"SaveAs", 0x7F, {kText}), Method(L"MakeCompiledFile", 0x80),
                 GetPut(L"Type", 0x81, VT_I4), GetPut(L"BuildFileName", 0x88, VT_BSTR)});
  }
  return Join({common, Get(L"Application", 1, VT_DISPATCH), Get(L"Parent", 2, VT_DISPATCH),
               Get(L"Mode", 0x77, VT_I4), GetPut(L"Name", 0x79, VT_BSTR),
               Get(L"Protection", 0x83, VT_I4), Method(L"SaveAs", 0x8A, {kText}),
               Method(L"MakeCompiledFile", 0x8B), Get(L"Type", 0x8C, VT_I4),
               Get(L"FileName", 0x8D, VT_BSTR), GetPut(L"BuildFileName", 0x8E, VT_BSTR)});
}

Functions VBComponent(EditorKind editor) {
  auto common = Join({GetPut(L"Name", 0x30, VT_BSTR), Get(L"Designer", 0x31, VT_DISPATCH),
                      Get(L"CodeModule", 0x32, VT_DISPATCH), Get(L"Type", 0x33, VT_I4),
                      Get(L"VBE", 0x35, VT_DISPATCH), Get(L"Collection", 0x36, VT_DISPATCH),
                      Get(L"HasOpenDesigner", 0x37, VT_BOOL), Get(L"Properties", 0x38, VT_DISPATCH),
                      Method(L"DesignerWindow", 0x39, {}, VT_DISPATCH), Method(L"Activate", 0x3C)});
  if (editor == EditorKind::kVb6) {
    return Join({common, GetPut(L"IsDirty", 0x0A, VT_BOOL),
                 Get(L"FileNames", 0x0B, VT_BSTR, {PublishedParameter{VT_I2}}),
                 Get(L"FileCount", 0x0D, VT_I2), Method(L"Reload", 0x2F),
                 Get(L"DesignerID", 0x3F, VT_BSTR)});
  }
  return Join({common, Get(L"Saved", 0x0A, VT_BOOL), Method(L"Export", 0x34, {kText}),
               Get(L"DesignerID", 0x40, VT_BSTR)});
}

Functions Events(EditorKind editor) {
  // The events object's default interface derives from IUnknown alone: no IDispatch comes back.
  auto functions = Join({Get(L"ReferencesEvents", 202, VT_UNKNOWN, {kObject}),
                         Get(L"CommandBarEvents", 205, VT_UNKNOWN, {kObject})});
  if (editor == EditorKind::kVb6) {
    functions = Join({functions, Get(L"VBProjectsEvents", 200, VT_UNKNOWN),
                      Get(L"VBComponentsEvents", 201, VT_UNKNOWN, {kObject}),
                      Get(L"VBControlsEvents", 203, VT_UNKNOWN, {kObject, kObject}),
                      Get(L"SelectedVBControlsEvents", 204, VT_UNKNOWN, {kObject, kObject}),
                      Get(L"FileControlEvents", 206, VT_UNKNOWN, {kObject})});
  }
  return functions;
}

Functions AddIn(EditorKind editor) {
  return Join({GetPut(L"Description", 0, VT_BSTR), Get(L"VBE", 1, VT_DISPATCH),
               Get(L"Collection", 2, VT_DISPATCH), Get(L"ProgId", 3, VT_BSTR),
               Get(L"Guid", 4, VT_BSTR), GetPut(L"Connect", 6, VT_BOOL),
               editor == EditorKind::kVba ? GetPut(L"Object", 7, VT_DISPATCH)
                                          : Get(L"Object", 7, VT_DISPATCH)});
}

Functions CommandBars() {
  return Join({Get(L"Item", 0, VT_DISPATCH, {kAny}), Get(L"ActiveMenuBar", 0x60030001, VT_DISPATCH),
               Method(L"Add", 0x60030002, {kOptionalAny, kOptionalAny, kOptionalAny, kOptionalAny},
                      VT_DISPATCH),
               Get(L"Count", 0x60030003, VT_I4),
               Method(L"FindControl", 0x60030008,
                      {kOptionalAny, kOptionalAny, kOptionalAny, kOptionalAny}, VT_DISPATCH)});
}

Functions CommandBar() {
  // Enabled is not in the reference's list; its DISPID follows from the library's order
  // (BuiltIn, Context, Controls, Delete, Enabled), as the listed ones do.
  return Join(
      {Get(L"Controls", 0x60040003, VT_DISPATCH), Method(L"Delete", 0x60040004),
       GetPut(L"Enabled", 0x60040005, VT_BOOL),
       Method(L"FindControl", 0x60040007,
              {kOptionalAny, kOptionalAny, kOptionalAny, kOptionalAny, kOptionalAny}, VT_DISPATCH),
       GetPut(L"Name", 0x6004000E, VT_BSTR), GetPut(L"Position", 0x60040013, VT_I4),
       GetPut(L"Visible", 0x6004001E, VT_BOOL)});
}

Functions CommandBarControls() {
  return Join(
      {Method(L"Add", 0x60030000,
              {kOptionalAny, kOptionalAny, kOptionalAny, kOptionalAny, kOptionalAny}, VT_DISPATCH),
       Get(L"Count", 0x60030001, VT_I4), Get(L"Item", 0, VT_DISPATCH, {kAny})});
}

Functions CommandBarControl() {
  return Join({GetPut(L"BeginGroup", 0x60040000, VT_BOOL), GetPut(L"Caption", 0x60040003, VT_BSTR),
               Method(L"Delete", 0x60040007, {kOptionalAny}),
               GetPut(L"Enabled", 0x6004000A, VT_BOOL), Get(L"Id", 0x60040013, VT_I4),
               GetPut(L"Parameter", 0x6004001D, VT_BSTR), GetPut(L"Tag", 0x60040023, VT_BSTR),
               GetPut(L"TooltipText", 0x60040025, VT_BSTR), Get(L"Type", 0x60040028, VT_I4),
               GetPut(L"Visible", 0x60040029, VT_BOOL)});
}

using Tables = std::map<std::pair<EditorKind, std::wstring>, PublishedInterface>;

Tables MakeTables() {
  Tables tables;
  for (const EditorKind editor : {EditorKind::kVb6, EditorKind::kVba}) {
    const auto add = [&](const wchar_t* name, Functions functions) {
      tables[{editor, name}] = PublishedInterface{name, std::move(functions)};
    };
    add(L"VBE", Vbe(editor));
    add(L"Window", Window());
    add(L"Windows", Windows());
    add(L"CodePane", CodePane());
    add(L"CodeModule", CodeModule(editor));
    add(L"VBProject", VBProject(editor));
    add(L"VBComponent", VBComponent(editor));
    add(L"Events", Events(editor));
    add(L"AddIn", AddIn(editor));
    add(L"CommandBars", CommandBars());
    add(L"CommandBar", CommandBar());
    add(L"CommandBarControls", CommandBarControls());
    // FaceId and Style are the button's alone, Controls the popup's.
    add(L"CommandBarButton", Join({CommandBarControl(), GetPut(L"FaceId", 0x60050003, VT_I4),
                                   GetPut(L"Style", 0x6005000A, VT_I4)}));
    add(L"CommandBarPopup", Join({CommandBarControl(), Get(L"CommandBar", 0x60050000, VT_DISPATCH),
                                  Get(L"Controls", 0x60050001, VT_DISPATCH)}));
    // What Events.CommandBarEvents returns: _CommandBarControlEvents, without members.
    tables[{editor, L"CommandBarEvents"}] = {
        L"CommandBarEvents",
        {},
        editor == EditorKind::kVb6 ? &kVb6ControlEventsObject : &kVbaControlEventsObject};
  }
  return tables;
}

}  // namespace

const PublishedInterface& Published(EditorKind editor, std::string_view name) {
  static const Tables tables = MakeTables();
  return tables.at({editor, std::wstring(name.begin(), name.end())});
}

}  // namespace tessaly::fake_host
