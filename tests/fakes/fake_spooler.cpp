#include "tests/fakes/fake_spooler.h"

ErrorCode FakeSpooler::GetPrinterDriverDirectory(const std::string& environment,
                                                 std::string& directory) {
  const ErrorCode error = journal_.Record("GetPrinterDriverDirectory " + environment);
  directory = error == kNoError ? driverDirectory : std::string();
  return error;
}

ErrorCode FakeSpooler::AddPrinterDriver(const DriverInfo3& driver) {
  drivers.push_back(driver);
  return journal_.Record("AddPrinterDriver " + driver.name + " " + driver.environment);
}

ErrorCode FakeSpooler::AddPrinter(const PrinterInfo2& printer, PrinterHandle& handle) {
  printers.push_back(printer);
  const ErrorCode error = journal_.Record("AddPrinter " + printer.printerName + " on " +
                                          printer.portName);
  handle = error == kNoError ? nextHandle : 0;
  return error;
}

void FakeSpooler::ClosePrinter(PrinterHandle handle) {
  closedHandles.push_back(handle);
  journal_.Record("ClosePrinter " + std::to_string(handle));
}

ErrorCode FakeSpooler::EnumPorts(std::vector<PortRecord>& out) {
  const ErrorCode error = journal_.Record("EnumPorts");
  out = error == kNoError ? ports : std::vector<PortRecord>();
  return error;
}

ErrorCode FakeSpooler::EnumMonitors(std::vector<MonitorRecord>& out) {
  const ErrorCode error = journal_.Record("EnumMonitors");
  out = error == kNoError ? monitors : std::vector<MonitorRecord>();
  return error;
}

ErrorCode FakeSpooler::AddPort(OwnerWindow, const std::string& monitorName) {
  return journal_.Record("AddPort " + monitorName);
}

ErrorCode FakeSpooler::ConfigurePort(OwnerWindow, const std::string& portName) {
  return journal_.Record("ConfigurePort " + portName);
}
