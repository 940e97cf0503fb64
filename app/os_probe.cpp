#include "app/os_probe.h"

#include <windows.h>

#include <cstring>

#include "app/wizard_state.h"
#include "core/os_class.h"

static_assert(sizeof(OSVERSIONINFOEXA) == kExtendedVersionRecordSize, "extended record");
static_assert(sizeof(OSVERSIONINFOA) == kPlainVersionRecordSize, "plain record");

void ClassifyOs() {
  const VersionReport report = QueryVersion([](std::uint32_t recordSize, VersionReport& out) {
    OSVERSIONINFOEXA info;
    std::memset(&info, 0, sizeof info);
    info.dwOSVersionInfoSize = recordSize;
    if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info))) return false;
    out.platformId = info.dwPlatformId;
    out.major = info.dwMajorVersion;
    out.minor = info.dwMinorVersion;
    return true;
  });
  g_wizardState.osClass = ClassifyVersion(report, g_wizardState.osClass);
}

bool IsWow64() {
  // Looked up at run time: systems before XP SP2 have no IsWow64Process.
  using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
  BOOL value = 0;
  HMODULE kernel = GetModuleHandleA("kernel32");
  if (kernel != nullptr) {
    auto isWow64Process = reinterpret_cast<IsWow64ProcessFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")));
    if (isWow64Process != nullptr) {
      isWow64Process(GetCurrentProcess(), &value);
    }
  }
  return IsWow64Value(value);
}
