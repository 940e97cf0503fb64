#pragma once

#include "framework/dialog.h"
#include "res/resource_ids.h"

// The About box, opened from the printer settings page's system menu; its
// OK button (the default button) closes it.
class CAboutDlg : public CDialog {
 public:
  CAboutDlg() : CDialog(IDD_ABOUT_BOX) {}
};
