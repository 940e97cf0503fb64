#pragma once

#include <string>

#include "framework/wnd.h"

// After windows.h, which it needs.
#include <commctrl.h>

// A list view in report view.
class CListCtrl : public CWnd {
 public:
  DWORD GetExtendedStyle() const {
    return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
  }
  // Replaces the whole extended style; returns the previous one.
  DWORD SetExtendedStyle(DWORD style) {
    return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style));
  }

  // Returns the new column's index, or -1.
  int InsertColumn(int column, const std::string& heading, int format = LVCFMT_LEFT,
                   int width = -1);
  bool SetColumnWidth(int column, int width) {
    return SendMessage(LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0)) != 0;
  }

  int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
  // Returns the new row's index, or -1.
  int InsertItem(int row, const std::string& text);
  bool SetItemText(int row, int column, const std::string& text);
  std::string GetItemText(int row, int column) const;
  bool SetItemState(int row, UINT state, UINT mask);
  UINT GetItemState(int row, UINT mask) const {
    return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, row, mask));
  }
  bool DeleteAllItems() { return SendMessage(LVM_DELETEALLITEMS) != 0; }
};
