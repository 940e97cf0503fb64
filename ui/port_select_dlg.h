#pragma once

#include <string>

#include "framework/dialog.h"
#include "framework/list_ctrl.h"
#include "framework/progress_ctrl.h"
#include "res/resource_ids.h"

// The third page: the spooler's ports, creating and configuring a port, and
// the installation on the chosen port with its progress. It ends with OK only
// after a successful installation.
class CPortSelectDlg : public CDialog {
 public:
  CPortSelectDlg() : CDialog(IDD_PORT_SELECT) {}

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange& dx) override;
  const CommandMap& GetCommandMap() const override;

 private:
  void OnCreatePort();
  void OnConfigurePort();
  void OnBack();
  void OnInstall();

  std::string portName;  // the port of the last installation started
  CProgressCtrl m_progress;
  CListCtrl m_portList;
};
