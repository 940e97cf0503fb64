#include "framework/dialog.h"

#include <string>

#include "core/dialog_init_data.h"
#include "framework/fatal_fault.h"
#include "framework/win_app.h"

namespace {

// Resource type of a template's dialog-initialisation data.
constexpr WORD kDialogInitType = 240;

UINT ListMessageFor(std::uint16_t initMessage) {
  switch (initMessage) {
    case kInitComboBoxAddString: return CB_ADDSTRING;
    case kInitListBoxAddString: return LB_ADDSTRING;
    default: return 0;
  }
}

}  // namespace

INT_PTR CDialog::DoModal() {
  const INT_PTR result =
      ::DialogBoxParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(m_templateId),
                        ::GetActiveWindow(), &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
  m_hWnd = nullptr;
  return result;
}

void CDialog::BindControl(int id, CWnd& control) {
  HWND child = GetDlgItem(id);
  if (child == nullptr) {
    FailLoudly("Dialog " + std::to_string(m_templateId) + " has no control " +
               std::to_string(id) + ".");
  }
  if (control.m_hWnd != nullptr && control.m_hWnd != child) {
    FailLoudly("Control object for " + std::to_string(id) + " in dialog " +
               std::to_string(m_templateId) + " is already bound.");
  }
  control.m_hWnd = child;
  m_boundControls.push_back(&control);
}

void DDX_Control(CDataExchange& dx, int id, CWnd& control) { dx.dialog->BindControl(id, control); }

const CCmdTarget::CommandMap& CDialog::GetCommandMap() const {
  static const CommandEntry kEntries[] = {
      OnClicked(IDOK, &CDialog::OnOK),
      OnClicked(IDCANCEL, &CDialog::OnCancel),
  };
  static const CommandMap kMap = MakeCommandMap(&CCmdTarget::GetCommandMap(), kEntries);
  return kMap;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CDialog* dialog;
  if (message == WM_INITDIALOG) {
    dialog = reinterpret_cast<CDialog*>(lParam);
    ::SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
    dialog->m_hWnd = window;
  } else {
    // Messages before WM_INITDIALOG (WM_SETFONT) find no object yet.
    dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(window, DWLP_USER));
  }
  return dialog == nullptr ? FALSE : dialog->HandleMessage(message, wParam, lParam);
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return HandleInitDialog();
    case WM_COMMAND:
      return RouteCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_HELP:
      // F1: the help command, for whichever table takes it.
      return RouteCommand(ID_HELP, kClickedCode) ? TRUE : FALSE;
    case WM_PAINT:
      return OnPaint() ? TRUE : FALSE;
    case WM_SYSCOMMAND:
      return OnSysCommand(static_cast<UINT>(wParam), lParam) ? TRUE : FALSE;
    case WM_QUERYDRAGICON:
      // One of the messages whose answer is the dialog procedure's result.
      return reinterpret_cast<INT_PTR>(OnQueryDragIcon());
    case WM_NCDESTROY:
      for (CWnd* control : m_boundControls) control->m_hWnd = nullptr;
      m_boundControls.clear();
      m_hWnd = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}

bool CDialog::RouteCommand(UINT id, UINT code) {
  if (OnCmdMsg(id, code)) return true;
  return AfxGetApp() != nullptr && AfxGetApp()->OnCmdMsg(id, code);
}

BOOL CDialog::HandleInitDialog() {
  ExecuteDialogInit();
  CDataExchange dx{this};
  DoDataExchange(dx);
  const BOOL result = OnInitDialog();
  CenterOverOwner();
  return result;
}

void CDialog::ExecuteDialogInit() {
  HINSTANCE instance = AfxGetInstanceHandle();
  HRSRC found = ::FindResourceA(instance, MAKEINTRESOURCEA(m_templateId),
                                MAKEINTRESOURCEA(kDialogInitType));
  if (found == nullptr) return;  // a template without lists to fill
  const void* data = ::LockResource(::LoadResource(instance, found));
  const DWORD size = ::SizeofResource(instance, found);
  const auto items = ParseDialogInitData(static_cast<const unsigned char*>(data), size);
  if (!items) {
    FailLoudly("Initialisation data of dialog " + std::to_string(m_templateId) + " is cut short.");
  }
  for (const DialogInitItem& item : *items) {
    const UINT message = ListMessageFor(item.message);
    HWND control = GetDlgItem(item.controlId);
    if (message == 0 || control == nullptr) {
      FailLoudly("Initialisation data of dialog " + std::to_string(m_templateId) +
                 " does not fit control " + std::to_string(item.controlId) + ".");
    }
    ::SendMessageA(control, message, 0, reinterpret_cast<LPARAM>(item.text.c_str()));
  }
}

void CDialog::CenterOverOwner() {
  RECT dialogRect;
  ::GetWindowRect(m_hWnd, &dialogRect);
  HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
  const bool overOwner = owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner);

  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  ::GetMonitorInfoA(::MonitorFromWindow(overOwner ? owner : m_hWnd, MONITOR_DEFAULTTOPRIMARY),
                    &monitor);
  const RECT area = monitor.rcWork;
  RECT around = area;
  if (overOwner) ::GetWindowRect(owner, &around);

  const int width = dialogRect.right - dialogRect.left;
  const int height = dialogRect.bottom - dialogRect.top;
  int x = around.left + (around.right - around.left - width) / 2;
  int y = around.top + (around.bottom - around.top - height) / 2;
  // Keep the whole dialog on the work area where it fits.
  if (x + width > area.right) x = area.right - width;
  if (y + height > area.bottom) y = area.bottom - height;
  if (x < area.left) x = area.left;
  if (y < area.top) y = area.top;
  ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
