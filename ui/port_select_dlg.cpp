#include "ui/port_select_dlg.h"

#include "app/os_probe.h"
#include "app/win32_install_platform.h"
#include "app/wizard_state.h"
#include "core/driver_install.h"
#include "core/port_page_install.h"
#include "framework/message_box.h"
#include "spooler/win32_spooler.h"
#include "ui/new_port_dlg.h"
#include "ui/port_list_view.h"
#include "ui/printer_setup_dlg.h"

const CCmdTarget::CommandMap& CPortSelectDlg::GetCommandMap() const {
  // Enter (IDOK) acts as Install, so it never ends the page as if an
  // installation had run. Cancel (1023, Esc, close box) keeps IDCANCEL.
  static const CommandEntry kEntries[] = {
      OnClicked(IDC_PORT_CREATE, &CPortSelectDlg::OnCreatePort),
      OnClicked(IDC_PORT_CONFIGURE, &CPortSelectDlg::OnConfigurePort),
      OnClicked(IDC_PORT_BACK, &CPortSelectDlg::OnBack),
      OnClicked(IDC_PORT_INSTALL, &CPortSelectDlg::OnInstall),
      OnClicked(IDOK, &CPortSelectDlg::OnInstall),
      OnClicked(IDC_PORT_CANCEL, &CPortSelectDlg::OnCancel),
  };
  static const CommandMap kMap = MakeCommandMap(&CDialog::GetCommandMap(), kEntries);
  return kMap;
}

void CPortSelectDlg::DoDataExchange(CDataExchange& dx) {
  DDX_Control(dx, IDC_PORT_PROGRESS, m_progress);
  DDX_Control(dx, IDC_PORT_LIST, m_portList);
}

BOOL CPortSelectDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetGridRowStyle(m_portList);
  m_portList.InsertColumn(0, "端口", LVCFMT_LEFT);
  m_portList.InsertColumn(1, "类型", LVCFMT_LEFT);
  m_portList.SetColumnWidth(0, 150);
  m_portList.SetColumnWidth(1, 280);
  BuildPortRows(m_portList, SystemSpooler());
  m_progress.SetRange(0, 100);
  m_progress.SetPos(0);
  return TRUE;
}

// Create a port: the new-port dialog, then the list afresh, whatever happened there.
void CPortSelectDlg::OnCreatePort() {
  CNewPortDlg newPort;
  newPort.DoModal();
  m_portList.DeleteAllItems();
  BuildPortRows(m_portList, SystemSpooler());
}

// Configure: the port's monitor shows its own dialog; a refusal is not reported.
void CPortSelectDlg::OnConfigurePort() {
  if (const auto port = FindSelectedRow(m_portList)) {
    SystemSpooler().ConfigurePort(m_hWnd, port->text);
  }
}

void CPortSelectDlg::OnBack() { CDialog::OnCancel(); }

void CPortSelectDlg::OnInstall() {
  std::optional<std::string> selected;
  if (const auto row = FindSelectedRow(m_portList)) {
    portName = row->text;
    selected = portName;
  }
  // The settings page that opened this page is open beneath it.
  const CPrinterSetupDlg* settingsPage = g_wizardState.settingsPage;
  const SettingsPageChoices choices =
      settingsPage != nullptr ? settingsPage->Choices() : SettingsPageChoices{};

  const InstallProgress progress = [this](int position) { m_progress.SetPos(position); };
  const PortPageInstallEnd end =
      InstallFromPortPage(selected, choices, IsWow64(), [&](const InstallRequest& request) {
        return RunDriverInstall(request, progress, SystemInstallPlatform());
      });

  switch (end) {
    case PortPageInstallEnd::NoPortChosen:
      AfxMessageBox(kChoosePortFirstText);
      break;
    case PortPageInstallEnd::InstallFailed:
      // The installation has said why; the user may mend it and try again.
      m_progress.SetPos(0);
      break;
    case PortPageInstallEnd::Installed:
      CDialog::OnOK();
      break;
  }
}
