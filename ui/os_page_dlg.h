#pragma once

#include "framework/dialog.h"
#include "res/resource_ids.h"

// The first page: shows the Windows found, starts the USB virtual serial
// port driver's installer, and leads on to the printer settings page (OK) or
// ends the program (Cancel). One object serves the whole run.
class COsPageDlg : public CDialog {
 public:
  COsPageDlg() : CDialog(IDD_OS_PAGE) {}

 protected:
  BOOL OnInitDialog() override;
  bool OnPaint() override;
  const CommandMap& GetCommandMap() const override;

 private:
  // Starts the installer from the media, without waiting for it.
  void LaunchUsbDriverSetup();
};
