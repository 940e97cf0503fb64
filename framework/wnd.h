#pragma once

#include <windows.h>

#include <string>

#include "framework/cmd_target.h"

// A window seen through its handle. The object does not own the window:
// dialogs bind their controls to such objects while they are open.
class CWnd : public CCmdTarget {
 public:
  HWND m_hWnd = nullptr;

  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
  }

  void SetWindowText(const std::string& text) { ::SetWindowTextA(m_hWnd, text.c_str()); }

  bool EnableWindow(bool enable) { return ::EnableWindow(m_hWnd, enable ? TRUE : FALSE) != 0; }
  bool IsIconic() const { return ::IsIconic(m_hWnd) != 0; }
  void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }

  // The window's system menu as it stands (not a fresh copy).
  HMENU GetSystemMenu() const { return ::GetSystemMenu(m_hWnd, FALSE); }
  // `big`: the Alt+Tab icon; otherwise the small one of the title bar.
  void SetIcon(HICON icon, bool big) {
    SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }
};
