#include "ui/new_port_dlg.h"

#include "spooler/spooler.h"
#include "spooler/win32_spooler.h"
#include "ui/port_list_view.h"

const CCmdTarget::CommandMap& CNewPortDlg::GetCommandMap() const {
  static const CommandEntry kEntries[] = {
      OnClicked(IDC_NEWPORT_ADD, &CNewPortDlg::OnNewPort),
      OnClicked(IDC_NEWPORT_CLOSE, &CNewPortDlg::OnClose),
  };
  static const CommandMap kMap = MakeCommandMap(&CDialog::GetCommandMap(), kEntries);
  return kMap;
}

void CNewPortDlg::DoDataExchange(CDataExchange& dx) {
  DDX_Control(dx, IDC_NEWPORT_MONITORS, m_monitorList);
}

BOOL CNewPortDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetGridRowStyle(m_monitorList);
  m_monitorList.InsertColumn(0, "可用端口类型", LVCFMT_LEFT);
  m_monitorList.SetColumnWidth(0, 340);
  BuildMonitorRows(m_monitorList, SystemSpooler());
  return TRUE;
}

// New port: the chosen monitor shows its own dialog; a refusal is not reported.
void CNewPortDlg::OnNewPort() {
  if (const auto monitor = FindSelectedRow(m_monitorList)) {
    SystemSpooler().AddPort(m_hWnd, monitor->text);
  }
}

void CNewPortDlg::OnClose() { CDialog::OnCancel(); }
