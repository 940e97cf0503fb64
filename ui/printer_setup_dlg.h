#pragma once

#include "core/install_request.h"
#include "framework/button.h"
#include "framework/combo_box.h"
#include "framework/dialog.h"
#include "framework/edit.h"
#include "res/resource_ids.h"

// The second page: the printer model, the default-printer choice and the
// (hidden) serial line settings. Next opens the port selection page on top
// of it; the installation started there reads this page's choices. A fresh
// object serves each showing.
class CPrinterSetupDlg : public CDialog {
 public:
  CPrinterSetupDlg();

  // The choices as the controls hold them now.
  SettingsPageChoices Choices() const;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange& dx) override;
  // Every way out but Back and Next ends the page with OK.
  void OnCancel() override { OnOK(); }
  bool OnPaint() override;
  bool OnSysCommand(UINT id, LPARAM lParam) override;
  HICON OnQueryDragIcon() override { return m_icon; }
  const CommandMap& GetCommandMap() const override;

 private:
  void OnModelChanged();
  void OnPortChanged();
  void OnBack();
  void OnNext();
  void EnableLineLists(bool enable);

  HICON m_icon;
  CComboBox m_model;
  CButton m_makeDefault;
  CEdit m_printerName;
  CComboBox m_port;
  CComboBox m_speed;
  CComboBox m_dataBits;
  CComboBox m_flow;
  CComboBox m_parity;
  CComboBox m_stopBits;
};
