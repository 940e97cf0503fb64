#include "ui/os_page_dlg.h"

#include <shellapi.h>

#include <string>

#include "app/os_probe.h"
#include "app/wizard_state.h"
#include "core/module_path.h"
#include "core/os_radio_buttons.h"
#include "core/usb_installer_path.h"
#include "framework/message_box.h"
#include "framework/win_app.h"

namespace {

const char* const kUsbSetupNotStartedText = "无法启动 USB 驱动安装程序：";

}  // namespace

const CCmdTarget::CommandMap& COsPageDlg::GetCommandMap() const {
  // Button 1008 is hidden and disabled: it has no handler.
  static const CommandEntry kEntries[] = {
      OnClicked(IDC_OS_INSTALL_PRINTER, &COsPageDlg::OnOK),
      OnClicked(IDC_OS_EXIT, &COsPageDlg::OnCancel),
      OnClicked(IDC_OS_INSTALL_USB, &COsPageDlg::LaunchUsbDriverSetup),
  };
  static const CommandMap kMap = MakeCommandMap(&CDialog::GetCommandMap(), kEntries);
  return kMap;
}

BOOL COsPageDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  ClassifyOs();
  if (const auto button = OsRadioButtonFor(g_wizardState.osClass)) {
    ::CheckDlgButton(m_hWnd, *button, BST_CHECKED);
  }
  return TRUE;
}

bool COsPageDlg::OnPaint() {
  // The page draws nothing of its own. BeginPaint and EndPaint validate the
  // page alone; ValidateRect would also validate its controls under Wine,
  // and they would never paint.
  PAINTSTRUCT paint;
  ::BeginPaint(m_hWnd, &paint);
  ::EndPaint(m_hWnd, &paint);
  return true;
}

void COsPageDlg::LaunchUsbDriverSetup() {
  char currentDirectory[260] = {};
  const DWORD read = ::GetCurrentDirectoryA(sizeof currentDirectory, currentDirectory);
  const std::string path =
      UsbInstallerPath(CurrentDirectoryFromCall(read, currentDirectory, sizeof currentDirectory),
                       FolderOf(AfxGetModuleFileName()), IsWow64());
  HINSTANCE started =
      ::ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  // Values up to 32 are error codes.
  if (reinterpret_cast<INT_PTR>(started) <= 32) {
    AfxMessageBox(kUsbSetupNotStartedText + path);
  }
}
