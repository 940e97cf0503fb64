#pragma once

#include "framework/wnd.h"

// A drop-down list.
class CComboBox : public CWnd {
 public:
  // The selected row, or CB_ERR (-1) when none is.
  int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
  // Selects a row without telling the dialog (no CBN_SELCHANGE).
  int SetCurSel(int row) { return static_cast<int>(SendMessage(CB_SETCURSEL, row)); }
  void ResetContent() { SendMessage(CB_RESETCONTENT); }
  int AddString(const std::string& text) {
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
  }
};
