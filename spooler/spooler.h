#pragma once

#include <cstdint>
#include <string>
#include <vector>

// windows.h maps these names to their ANSI or wide functions; in this
// interface they are the operations' own names. Code that needs both
// includes windows.h first and calls the Win32 functions by their A names.
#ifdef _WIN32
#undef GetPrinterDriverDirectory
#undef AddPrinterDriver
#undef AddPrinter
#undef EnumPorts
#undef EnumMonitors
#undef AddPort
#undef ConfigurePort
#endif

// The print spooler operations the wizard uses, always on the local machine.
// The Win32 adapter calls the ANSI functions; tests use a recording fake.

// A Win32 error code as GetLastError gives it; 0 means success.
using ErrorCode = std::uint32_t;
constexpr ErrorCode kNoError = 0;
constexpr ErrorCode kErrorPrinterAlreadyExists = 1802;  // ERROR_PRINTER_ALREADY_EXISTS

// Opaque printer handle; 0 is no printer.
using PrinterHandle = std::uintptr_t;
// Opaque window handle used as the owner of a port monitor's own dialog.
using OwnerWindow = void*;

// The DRIVER_INFO_3 fields the installation fills.
struct DriverInfo3 {
  std::uint32_t version = 0;
  std::string name;
  std::string environment;
  std::string driverPath;
  std::string dataFile;
  std::string configFile;
  std::string helpFile;
  // NUL-separated names ended by an empty name, exactly the bytes handed over.
  std::string dependentFiles;
  std::string monitorName;  // passed as an empty string, never a null pointer
  std::string defaultDataType;
};

// The PRINTER_INFO_2 fields the installation fills; all others are zero.
struct PrinterInfo2 {
  std::string printerName;
  std::string portName;
  std::string driverName;
  std::string printProcessor;
  std::string dataType;
};

// One PORT_INFO_2 record as listed.
struct PortRecord {
  std::string name;
  std::string description;
};

// One MONITOR_INFO_1 record; the spooler may give a null name.
struct MonitorRecord {
  bool hasName = false;
  std::string name;
};

class Spooler {
 public:
  virtual ~Spooler() = default;

  // Asks the spooler for the size it needs, then fills `directory`.
  virtual ErrorCode GetPrinterDriverDirectory(const std::string& environment,
                                              std::string& directory) = 0;
  virtual ErrorCode AddPrinterDriver(const DriverInfo3& driver) = 0;
  // On success `handle` is the new printer's handle; on failure it is 0.
  virtual ErrorCode AddPrinter(const PrinterInfo2& printer, PrinterHandle& handle) = 0;
  virtual void ClosePrinter(PrinterHandle handle) = 0;
  // Enumerations: on failure the list is empty.
  virtual ErrorCode EnumPorts(std::vector<PortRecord>& ports) = 0;
  virtual ErrorCode EnumMonitors(std::vector<MonitorRecord>& monitors) = 0;
  // Both let the monitor show its own dialog over `owner`.
  virtual ErrorCode AddPort(OwnerWindow owner, const std::string& monitorName) = 0;
  virtual ErrorCode ConfigurePort(OwnerWindow owner, const std::string& portName) = 0;
};
