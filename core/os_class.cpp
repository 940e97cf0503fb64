#include "core/os_class.h"

OsClass ClassifyVersion(const VersionReport& report, OsClass previous) {
  if (!report.ok) {
    return previous;
  }
  if (report.platformId == kPlatformWin32Windows) {
    if (report.major != 4) return previous;
    if (report.minor == 0) return kOsWindows95;
    if (report.minor == 10 || report.minor == 90) return kOsWindows98OrMe;
    return previous;
  }
  if (report.platformId == kPlatformWin32Nt) {
    OsClass result = previous;
    if (report.major <= 4) result = kOsWindowsNt4OrOlder;
    if (report.major == 5 && report.minor <= 2) {
      result = kOsWindows2000 + static_cast<OsClass>(report.minor);
    } else if (report.major == 6 && report.minor <= 2) {
      result = kOsWindowsVista + static_cast<OsClass>(report.minor);
    }
    return result;
  }
  return kOsWindows2000;
}

bool ShowsCompletionMessage(OsClass osClass) {
  return osClass >= kOsWindowsNt4OrOlder && osClass <= kOsWindows8;
}

VersionReport QueryVersion(
    const std::function<bool(std::uint32_t recordSize, VersionReport& report)>& query) {
  for (std::uint32_t size : {kExtendedVersionRecordSize, kPlainVersionRecordSize}) {
    VersionReport report;
    if (query(size, report)) {
      report.ok = true;
      return report;
    }
  }
  return VersionReport{};
}
