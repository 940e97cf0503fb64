#include "app/driver_setup_app.h"

#include "app/wizard_loop.h"
#include "framework/control_container.h"
#include "ui/os_page_dlg.h"
#include "ui/printer_setup_dlg.h"

// The one application object, constructed before WinMain runs.
CDriverSetupApp theApp;

const CCmdTarget::CommandMap& CDriverSetupApp::GetCommandMap() const {
  static const CommandEntry kEntries[] = {
      OnCommand(ID_HELP, kClickedCode, &CWinApp::OnHelp),
  };
  static const CommandMap kMap = MakeCommandMap(&CWinApp::GetCommandMap(), kEntries);
  return kMap;
}

BOOL CDriverSetupApp::InitInstance() {
  // Registers the common control classes the templates use; the 3D look
  // needs nothing since Windows 95.
  AfxEnableControlContainer();
  Enable3dControlsStatic();

  COsPageDlg osPage;  // shown again whenever the user comes back to it
  RunWizardLoop([&osPage] { return static_cast<int>(osPage.DoModal()); },
                [] {
                  CPrinterSetupDlg settingsPage;
                  return static_cast<int>(settingsPage.DoModal());
                });
  // No message loop after the wizard: the program ends here.
  return FALSE;
}
