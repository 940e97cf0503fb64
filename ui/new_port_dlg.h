#pragma once

#include "framework/dialog.h"
#include "framework/list_ctrl.h"
#include "res/resource_ids.h"

// Lists the installed port monitors and lets the chosen one create a port
// through its own dialog; stays open for more until closed.
class CNewPortDlg : public CDialog {
 public:
  CNewPortDlg() : CDialog(IDD_NEW_PORT) {}

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange& dx) override;
  const CommandMap& GetCommandMap() const override;

 private:
  void OnNewPort();
  void OnClose();

  CListCtrl m_monitorList;
};
