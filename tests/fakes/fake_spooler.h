#pragma once

#include <string>
#include <vector>

#include "spooler/spooler.h"
#include "tests/fakes/call_journal.h"

// A spooler that records every call in a journal and answers from its
// fields. A call fails when the journal plans a failure for it.
class FakeSpooler : public Spooler {
 public:
  explicit FakeSpooler(CallJournal& journal) : journal_(journal) {}

  std::string driverDirectory = "C:\\WINDOWS\\system32\\spool\\drivers\\w32x86";
  std::vector<PortRecord> ports;
  std::vector<MonitorRecord> monitors;
  PrinterHandle nextHandle = 0x5150;

  // What the calls were given.
  std::vector<DriverInfo3> drivers;
  std::vector<PrinterInfo2> printers;
  std::vector<PrinterHandle> closedHandles;

  ErrorCode GetPrinterDriverDirectory(const std::string& environment,
                                      std::string& directory) override;
  ErrorCode AddPrinterDriver(const DriverInfo3& driver) override;
  ErrorCode AddPrinter(const PrinterInfo2& printer, PrinterHandle& handle) override;
  void ClosePrinter(PrinterHandle handle) override;
  ErrorCode EnumPorts(std::vector<PortRecord>& out) override;
  ErrorCode EnumMonitors(std::vector<MonitorRecord>& out) override;
  ErrorCode AddPort(OwnerWindow owner, const std::string& monitorName) override;
  ErrorCode ConfigurePort(OwnerWindow owner, const std::string& portName) override;

 private:
  CallJournal& journal_;
};
