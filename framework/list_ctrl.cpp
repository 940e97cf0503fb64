#include "framework/list_ctrl.h"

#include <vector>

int CListCtrl::InsertColumn(int column, const std::string& heading, int format, int width) {
  LVCOLUMNA info = {};
  info.mask = LVCF_FMT | LVCF_TEXT | LVCF_SUBITEM;
  info.fmt = format;
  info.pszText = const_cast<char*>(heading.c_str());
  info.iSubItem = column;
  if (width != -1) {
    info.mask |= LVCF_WIDTH;
    info.cx = width;
  }
  return static_cast<int>(
      SendMessage(LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&info)));
}

int CListCtrl::InsertItem(int row, const std::string& text) {
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.pszText = const_cast<char*>(text.c_str());
  return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool CListCtrl::SetItemText(int row, int column, const std::string& text) {
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text.c_str());
  return SendMessage(LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item)) != 0;
}

std::string CListCtrl::GetItemText(int row, int column) const {
  // The control copies at most the buffer's size; grow until the text fits
  // with room to spare.
  constexpr int kLongestText = 65536;
  for (int size = 256;; size *= 2) {
    std::vector<char> buffer(static_cast<std::size_t>(size), '\0');
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = size;
    const int length = static_cast<int>(
        SendMessage(LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item)));
    if (length < size - 1 || size >= kLongestText) {
      return std::string(buffer.data(), length > 0 ? length : 0);
    }
  }
}

bool CListCtrl::SetItemState(int row, UINT state, UINT mask) {
  LVITEMA item = {};
  item.state = state;
  item.stateMask = mask;
  return SendMessage(LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item)) != 0;
}
