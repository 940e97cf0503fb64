#pragma once

#include <cstdint>
#include <functional>

// Windows version class shown on the first page and used to decide whether
// the completion message appears.
using OsClass = std::int32_t;

constexpr OsClass kOsUnclassified = 0;
constexpr OsClass kOsWindows95 = 1;
constexpr OsClass kOsWindows98OrMe = 2;
constexpr OsClass kOsWindowsNt4OrOlder = 3;
constexpr OsClass kOsWindows2000 = 4;
constexpr OsClass kOsWindowsXp = 5;
constexpr OsClass kOsWindowsServer2003 = 6;
constexpr OsClass kOsWindowsVista = 7;
constexpr OsClass kOsWindows7 = 8;
constexpr OsClass kOsWindows8 = 9;

constexpr std::uint32_t kPlatformWin32Windows = 1;  // VER_PLATFORM_WIN32_WINDOWS
constexpr std::uint32_t kPlatformWin32Nt = 2;       // VER_PLATFORM_WIN32_NT

// What the version query reported. The query is tried with the extended
// record first and with the plain record after that; if both fail, `ok` is
// false and nothing else counts.
struct VersionReport {
  bool ok = false;
  std::uint32_t platformId = 0;
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
};

constexpr std::uint32_t kExtendedVersionRecordSize = 156;  // OSVERSIONINFOEXA
constexpr std::uint32_t kPlainVersionRecordSize = 148;     // OSVERSIONINFOA

// Runs the version query the way older systems need it: with the extended
// record, and if that is refused, once more with the plain record. `query`
// fills `report` for a record of the given size and says whether it worked.
VersionReport QueryVersion(
    const std::function<bool(std::uint32_t recordSize, VersionReport& report)>& query);

// The class for a report. `previous` is kept where the report says nothing
// new (a failed query, or a version this table does not know).
OsClass ClassifyVersion(const VersionReport& report, OsClass previous);

// The completion message after an installation is shown only on NT-family
// systems the table knows (classes 3 to 9).
bool ShowsCompletionMessage(OsClass osClass);

// IsWow64Process fills a BOOL; only exactly 1 means WOW64. A missing or
// failing function leaves the value at 0.
inline bool IsWow64Value(std::int32_t value) { return value == 1; }
