#include "framework/message_box.h"

#include "framework/win_app.h"

int AfxMessageBox(const std::string& text, UINT type) {
  if ((type & MB_ICONMASK) == 0) type |= MB_ICONEXCLAMATION;
  const char* title = AfxGetApp() != nullptr ? AfxGetApp()->AppName().c_str() : nullptr;
  return ::MessageBoxA(::GetActiveWindow(), text.c_str(), title, type);
}
