#include "win32/com/about_dialog.h"

#include <array>
#include <cwchar>
#include <string>

#include "win32/com/about_pictures.h"
#include "win32/com_barrier.h"
#include "win32/failed_call.h"
#include "win32/unique_handle.h"
#include "win32/wide_text.h"

namespace tessaly::win32 {

namespace {

// Marks our dialog for the keyboard hook, which has no other way to find it.
constexpr wchar_t kDialogProperty[] = L"Tessaly.AboutDialog";

enum ControlId : int {
  kTitleId = 300,
  kDescriptionId,
  kDisclaimerId,
  kVersionId,
  kFirstCheckId = 100,
  kFirstPictureId = 200,
};

// A dialog template with no controls: the controls follow the form's design, made in code.
struct alignas(DWORD) EmptyTemplate {
  DLGTEMPLATE header;
  WORD menu = 0;
  WORD window_class = 0;
  WORD title = 0;
};

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK;

// Faces every Chinese Windows has, in order of preference.
constexpr const wchar_t* kFontFaces[] = {L"Microsoft YaHei", L"SimSun"};
constexpr int kFontHeight = -13;

int CALLBACK NoteFontFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool FontExists(const wchar_t* face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
  bool found = false;
  EnumFontFamiliesExW(ScreenDc().Get(), &wanted, &NoteFontFound, reinterpret_cast<LPARAM>(&found),
                      0);
  return found;
}

// The form breaks lines with a lone carriage return; a static control needs CR LF.
std::u16string WithLineBreaks(const std::u16string& text) {
  std::u16string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    shown += text[i];
    if (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')) shown += u'\n';
  }
  return shown;
}

void SetTextIfChanged(HWND window, const std::u16string& text) {
  const int length = GetWindowTextLengthW(window);
  std::wstring now(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(window, now.data(), length + 1);
  now.resize(static_cast<std::size_t>(length));
  if (now != WideView(text)) SetWindowTextW(window, WideView(text));
}

template <class Control>
void Place(HWND control, const Control& state) {
  RECT now{};
  GetWindowRect(control, &now);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&now), 2);
  if (now.left != state.Left || now.top != state.Top || now.right - now.left != state.Width ||
      now.bottom - now.top != state.Height) {
    MoveWindow(control, state.Left, state.Top, state.Width, state.Height, TRUE);
  }
  // The control's own flag: IsWindowVisible also says false while the dialog is hidden.
  const bool visible = (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
  if (visible != state.Visible) ShowWindow(control, state.Visible ? SW_SHOWNA : SW_HIDE);
}

void Enable(HWND control, bool enabled) {
  if ((IsWindowEnabled(control) != FALSE) != enabled) EnableWindow(control, enabled);
}

WPARAM CheckState(std::int32_t value) {
  if (value == about::kChecked) return BST_CHECKED;
  if (value == about::kGrayed) return BST_INDETERMINATE;
  return BST_UNCHECKED;
}

}  // namespace

AboutDialog::AboutDialog(HINSTANCE module) : module_(module) {
  EmptyTemplate dialog{};
  dialog.header.style = kDialogStyle;
  window_ = CreateDialogIndirectParamW(module, &dialog.header, nullptr, &AboutDialog::DialogProc,
                                       reinterpret_cast<LPARAM>(this));
  if (!window_) return;
  lock_.emplace();
  hook_.Reset(
      SetWindowsHookExW(WH_GETMESSAGE, &AboutDialog::KeyboardHook, nullptr, GetCurrentThreadId()));
}

AboutDialog::~AboutDialog() {
  Dismiss();
}

void AboutDialog::Attach(about::AboutFrm& form) {
  form_ = &form;
  form.SetChangeListener([this] { Render(); });
  Render();
}

void AboutDialog::Dismiss() {
  if (form_) form_->SetChangeListener({});
  form_ = nullptr;
  hook_.Reset();
  if (HWND window = window_) {
    window_ = nullptr;
    LogIfFalse(DestroyWindow(window), "DestroyWindow");
  }
  font_.Reset();
  lock_.reset();
}

void AboutDialog::CreateControls() {
  for (const wchar_t* face : kFontFaces) {
    if (!FontExists(face)) continue;
    font_.Reset(CreateFontW(kFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, face));
    if (font_) break;
  }
  const HFONT font = font_ ? font_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));

  auto make = [&](const wchar_t* window_class, DWORD style, int id) {
    HWND control =
        CreateWindowExW(0, window_class, L"", WS_CHILD | style, 0, 0, 0, 0, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), module_, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  };
  for (int i = 0; i < 3; ++i)
    make(L"STATIC", SS_OWNERDRAW | SS_NOTIFY, kFirstPictureId + i);
  for (int id : {kTitleId, kDescriptionId, kVersionId, kDisclaimerId})
    make(L"STATIC", SS_LEFT | SS_NOPREFIX, id);
  // One group: the arrow keys move between the four switches, Tab to the button and back.
  for (int i = 0; i < 4; ++i)
    make(L"BUTTON", BS_3STATE | WS_TABSTOP | (i == 0 ? WS_GROUP : 0), kFirstCheckId + i);
  make(L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, IDOK);
}

void AboutDialog::Render() {
  if (!form_ || !window_) return;
  const about::AboutFrm& form = *form_;
  SetTextIfChanged(window_, form.Caption);
  // The form's size is its inside, as a form designer measures it.
  const RECT placed{form.Left, form.Top, form.Left + form.Width, form.Top + form.Height};
  if (!EqualRect(&placed, &placed_)) {
    placed_ = placed;
    RECT frame{0, 0, form.Width, form.Height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(window_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(window_, GWL_EXSTYLE)));
    SetWindowPos(window_, nullptr, form.Left, form.Top, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  const std::array<std::pair<int, const about::Label*>, 4> labels{
      {{kTitleId, &form.lblTitle},
       {kDescriptionId, &form.lblDescription},
       {kDisclaimerId, &form.lblDisclaimer},
       {kVersionId, &form.lblVersion}}};
  for (const auto& [id, label] : labels) {
    HWND control = GetDlgItem(window_, id);
    SetTextIfChanged(control, WithLineBreaks(label->Caption));
    Place(control, *label);
  }
  for (int i = 0; i < 4; ++i) {
    const auto& box = form.Check1[static_cast<std::size_t>(i)];
    HWND control = GetDlgItem(window_, kFirstCheckId + i);
    SetTextIfChanged(control, box.Caption);
    SendMessageW(control, BM_SETCHECK, CheckState(box.Value), 0);
    Enable(control, box.Enabled);
    Place(control, box);
  }
  HWND ok = GetDlgItem(window_, IDOK);
  SetTextIfChanged(ok, form.cmdOK.Caption);
  Enable(ok, form.cmdOK.Enabled);
  Place(ok, form.cmdOK);
  for (int i = 0; i < 3; ++i) {
    HWND picture = GetDlgItem(window_, kFirstPictureId + i);
    Place(picture, form.Image1[static_cast<std::size_t>(i)]);
    InvalidateRect(picture, nullptr, TRUE);
  }
  const bool visible = IsWindowVisible(window_) != FALSE;
  if (visible != form.Visible) ShowWindow(window_, form.Visible ? SW_SHOWNORMAL : SW_HIDE);
}

void AboutDialog::OnCommand(int id, int notification) {
  about::AboutFrm* form = form_;
  if (!form) return;
  // Each event may unload the form and dismiss this dialog: nothing of ours is used after it.
  if (id >= kFirstCheckId && id < kFirstCheckId + 4 && notification == BN_CLICKED) {
    form->ClickCheck(id - kFirstCheckId);
  } else if (id == IDOK && notification == BN_CLICKED) {
    form->ClickOK(about::kLeftButton);
  } else if (id == IDCANCEL) {
    form->Close();
  } else if (id >= kFirstPictureId && id < kFirstPictureId + 3 && notification == STN_CLICKED) {
    form->Image1_Click(id - kFirstPictureId);
  }
}

bool AboutDialog::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const int index = static_cast<int>(item.CtlID) - kFirstPictureId;
  if (!form_ || index < 0 || index >= 3) return false;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  DrawAboutPicture(item.hDC, item.rcItem, form_->Image1[static_cast<std::size_t>(index)].Picture);
  return true;
}

INT_PTR CALLBACK AboutDialog::DialogProc(HWND window, UINT message, WPARAM w_param,
                                         LPARAM l_param) {
  if (message == WM_INITDIALOG) {
    auto* dialog = reinterpret_cast<AboutDialog*>(l_param);
    SetWindowLongPtrW(window, DWLP_USER, l_param);
    SetPropW(window, kDialogProperty, reinterpret_cast<HANDLE>(1));
    dialog->window_ = window;
    QuietBarrier([&] { dialog->CreateControls(); });
    return FALSE;
  }
  auto* dialog = reinterpret_cast<AboutDialog*>(GetWindowLongPtrW(window, DWLP_USER));
  if (!dialog) return FALSE;
  INT_PTR handled = FALSE;
  QuietBarrier([&] {
    switch (message) {
      case WM_COMMAND:
        dialog->OnCommand(LOWORD(w_param), HIWORD(w_param));
        handled = TRUE;
        break;
      case WM_CLOSE:
        if (dialog->form_) dialog->form_->Close();
        handled = TRUE;
        break;
      case WM_DRAWITEM:
        handled = dialog->OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(l_param));
        break;
      case WM_DESTROY:
        RemovePropW(window, kDialogProperty);
        SetWindowLongPtrW(window, DWLP_USER, 0);
        break;
      default:
        break;
    }
  });
  return handled;
}

LRESULT CALLBACK AboutDialog::KeyboardHook(int code, WPARAM w_param, LPARAM l_param) {
  if (code == HC_ACTION && w_param == PM_REMOVE) {
    auto* message = reinterpret_cast<MSG*>(l_param);
    if (message->hwnd && message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST) {
      HWND root = GetAncestor(message->hwnd, GA_ROOT);
      // Handled keys must not reach the editor's own translation and dispatch.
      if (root && GetPropW(root, kDialogProperty) && IsDialogMessageW(root, message)) {
        message->message = WM_NULL;
      }
    }
  }
  return CallNextHookEx(nullptr, code, w_param, l_param);
}

about::FormWindowFactory AboutDialogMaker::Factory() {
  about::FormWindowFactory factory;
  factory.create = [this]() -> host::WindowHandle {
    dialog_ = std::make_unique<AboutDialog>(module_);
    return reinterpret_cast<host::WindowHandle>(dialog_->Window());
  };
  factory.destroy = [this](host::WindowHandle) {
    if (dialog_) dialog_->Dismiss();
  };
  factory.attach = [this](host::WindowHandle, about::AboutFrm& form) {
    if (dialog_) dialog_->Attach(form);
  };
  return factory;
}

HWND AboutDialogMaker::OpenWindow() const {
  return dialog_ ? dialog_->Window() : nullptr;
}

}  // namespace tessaly::win32
