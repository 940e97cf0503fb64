#include "framework/fatal_fault.h"

#include <windows.h>

#include <cstdlib>

[[noreturn]] void FailLoudly(const std::string& what) {
  ::OutputDebugStringA((what + "\n").c_str());
  ::FatalAppExitA(0, what.c_str());
  std::abort();
}
