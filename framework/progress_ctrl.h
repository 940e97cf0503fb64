#pragma once

#include "framework/wnd.h"

// After windows.h, which it needs.
#include <commctrl.h>

// A progress bar.
class CProgressCtrl : public CWnd {
 public:
  void SetRange(short lower, short upper) {
    SendMessage(PBM_SETRANGE, 0, MAKELPARAM(lower, upper));
  }
  // Returns the previous position.
  int SetPos(int position) { return static_cast<int>(SendMessage(PBM_SETPOS, position)); }
};
