#include "framework/wnd.h"

#include <vector>

std::string CWnd::GetWindowText() const {
  const int length = ::GetWindowTextLengthA(m_hWnd);
  if (length <= 0) return std::string();
  std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = ::GetWindowTextA(m_hWnd, text.data(), static_cast<int>(text.size()));
  return std::string(text.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}
