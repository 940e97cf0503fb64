// windows.h first: spooler.h undoes its macros for the interface's names.
#include <windows.h>
#include <winspool.h>

#include "spooler/win32_spooler.h"

#include <vector>

#include "core/size_then_fill.h"

namespace {

std::string TextOrEmpty(const char* text) { return text != nullptr ? std::string(text) : std::string(); }

// winspool takes non-const strings; the structures we hand over are only read.
char* Field(const std::string& text) { return const_cast<char*>(text.c_str()); }

// Reads the error right after the call. A failure that left no error code
// is still a failure.
ErrorCode LastErrorOr(BOOL ok) {
  if (ok) return kNoError;
  const DWORD error = GetLastError();
  return error != 0 ? static_cast<ErrorCode>(error) : static_cast<ErrorCode>(ERROR_GEN_FAILURE);
}

// EnumPortsA and EnumMonitorsA: the record array of one level, asked for
// the size first and asked again if the list grew in between.
using EnumerateFn = BOOL(WINAPI*)(LPSTR, DWORD, LPBYTE, DWORD, LPDWORD, LPDWORD);

FilledBuffer Enumerate(EnumerateFn enumerate, DWORD level) {
  return SizeThenFill([&](unsigned char* buffer, std::uint32_t size, std::uint32_t& needed,
                          std::uint32_t& count) {
    DWORD neededBytes = 0;
    DWORD returned = 0;
    const BOOL ok = enumerate(nullptr, level, buffer, size, &neededBytes, &returned);
    const ErrorCode error = LastErrorOr(ok);
    needed = neededBytes;
    count = ok ? returned : 0;
    return error;
  });
}

class Win32Spooler : public Spooler {
 public:
  ErrorCode GetPrinterDriverDirectory(const std::string& environment,
                                      std::string& directory) override {
    directory.clear();
    const FilledBuffer filled = SizeThenFill(
        [&](unsigned char* buffer, std::uint32_t size, std::uint32_t& needed,
            std::uint32_t& count) {
          DWORD neededBytes = 0;
          const BOOL ok = GetPrinterDriverDirectoryA(nullptr, Field(environment), 1, buffer,
                                                     size, &neededBytes);
          const ErrorCode error = LastErrorOr(ok);
          needed = neededBytes;
          count = ok ? 1 : 0;
          return error;
        });
    if (filled.error != kNoError) return filled.error;
    if (!filled.bytes.empty()) {
      // The path is NUL-terminated within the buffer.
      const char* text = reinterpret_cast<const char*>(filled.bytes.data());
      directory.assign(text, strnlen(text, filled.bytes.size()));
    }
    return kNoError;
  }

  ErrorCode AddPrinterDriver(const DriverInfo3& driver) override {
    DRIVER_INFO_3A info;
    ZeroMemory(&info, sizeof info);
    info.cVersion = driver.version;
    info.pName = Field(driver.name);
    info.pEnvironment = Field(driver.environment);
    info.pDriverPath = Field(driver.driverPath);
    info.pDataFile = Field(driver.dataFile);
    info.pConfigFile = Field(driver.configFile);
    info.pHelpFile = Field(driver.helpFile);
    // The list carries its own terminating empty name.
    info.pDependentFiles = Field(driver.dependentFiles);
    info.pMonitorName = Field(driver.monitorName);
    info.pDefaultDataType = Field(driver.defaultDataType);
    return LastErrorOr(AddPrinterDriverA(nullptr, 3, reinterpret_cast<LPBYTE>(&info)));
  }

  ErrorCode AddPrinter(const PrinterInfo2& printer, PrinterHandle& handle) override {
    PRINTER_INFO_2A info;
    ZeroMemory(&info, sizeof info);
    info.pPrinterName = Field(printer.printerName);
    info.pPortName = Field(printer.portName);
    info.pDriverName = Field(printer.driverName);
    info.pPrintProcessor = Field(printer.printProcessor);
    info.pDatatype = Field(printer.dataType);
    HANDLE created = AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
    const ErrorCode error = LastErrorOr(created != nullptr);
    handle = reinterpret_cast<PrinterHandle>(created);
    return error;
  }

  void ClosePrinter(PrinterHandle handle) override {
    // No printer was opened for a null handle; there is nothing to close.
    if (handle != 0) ::ClosePrinter(reinterpret_cast<HANDLE>(handle));
  }

  ErrorCode EnumPorts(std::vector<PortRecord>& ports) override {
    ports.clear();
    const FilledBuffer filled = Enumerate(EnumPortsA, 2);
    const auto* records = reinterpret_cast<const PORT_INFO_2A*>(filled.bytes.data());
    for (std::uint32_t i = 0; i < filled.count; ++i) {
      ports.push_back(
          PortRecord{TextOrEmpty(records[i].pPortName), TextOrEmpty(records[i].pDescription)});
    }
    return filled.error;
  }

  ErrorCode EnumMonitors(std::vector<MonitorRecord>& monitors) override {
    monitors.clear();
    const FilledBuffer filled = Enumerate(EnumMonitorsA, 1);
    const auto* records = reinterpret_cast<const MONITOR_INFO_1A*>(filled.bytes.data());
    for (std::uint32_t i = 0; i < filled.count; ++i) {
      MonitorRecord record;
      record.hasName = records[i].pName != nullptr;
      record.name = TextOrEmpty(records[i].pName);
      monitors.push_back(record);
    }
    return filled.error;
  }

  ErrorCode AddPort(OwnerWindow owner, const std::string& monitorName) override {
    return LastErrorOr(AddPortA(nullptr, static_cast<HWND>(owner), Field(monitorName)));
  }

  ErrorCode ConfigurePort(OwnerWindow owner, const std::string& portName) override {
    return LastErrorOr(ConfigurePortA(nullptr, static_cast<HWND>(owner), Field(portName)));
  }
};

}  // namespace

Spooler& SystemSpooler() {
  static Win32Spooler spooler;
  return spooler;
}
