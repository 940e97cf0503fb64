#pragma once

#include "framework/wnd.h"

// A push button, check box or radio button.
class CButton : public CWnd {
 public:
  // BST_UNCHECKED (0), BST_CHECKED (1) or BST_INDETERMINATE (2).
  int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
  void SetCheck(int state) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(state)); }
};
