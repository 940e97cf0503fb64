#pragma once

#include "framework/wnd.h"

// An edit box; its text goes through CWnd::SetWindowText.
class CEdit : public CWnd {};
