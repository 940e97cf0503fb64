#pragma once

#include <windows.h>

#include <string>

// A message box over the active window, titled with the application's title.
// Without an icon in `type`, the exclamation icon is shown. `text` is in the
// ANSI code page. Returns the button pressed.
int AfxMessageBox(const std::string& text, UINT type = MB_OK);
