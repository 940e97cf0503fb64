#include "core/os_radio_buttons.h"

#include "res/resource_ids.h"

std::optional<int> OsRadioButtonFor(OsClass osClass) {
  switch (osClass) {
    case kOsWindows95: return IDC_OS_WINDOWS_95;
    case kOsWindows98OrMe: return IDC_OS_WINDOWS_98;
    case kOsWindowsNt4OrOlder: return IDC_OS_WINDOWS_NT4;
    case kOsWindows2000: return IDC_OS_WINDOWS_2000;
    case kOsWindowsXp: return IDC_OS_WINDOWS_XP;
    case kOsWindowsServer2003: return IDC_OS_WINDOWS_2003;
    case kOsWindowsVista: return IDC_OS_WINDOWS_VISTA;
    case kOsWindows7: return IDC_OS_WINDOWS_7;
    case kOsWindows8: return IDC_OS_WINDOWS_8;
    default: return std::nullopt;
  }
}
