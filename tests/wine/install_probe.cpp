// Runs the installation through the real Win32 adapters and reads back what
// the spooler holds, for the end-to-end tests under Wine. Console program;
// every answer is a tab-separated line on stdout.
//
//   install_probe install x86|x64|auto MODEL PORT DEFAULT(0|1)
//       run from the media folder; exit code 0 when the run succeeded
//   install_probe drivers "Windows NT x86"|"Windows x64"
//   install_probe printers
//   install_probe ports

#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/os_probe.h"
#include "app/win32_install_platform.h"
#include "core/driver_install.h"
#include "core/model_catalog.h"
#include "core/port_lists.h"
#include "core/size_then_fill.h"
#include "spooler/win32_spooler.h"

namespace {

// Tabs and line breaks inside a field would break the line format.
std::string Escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else {
      out += c;
    }
  }
  return out;
}

std::string Text(const char* text) { return text != nullptr ? Escape(text) : "(null)"; }

void Line(const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

// The system's own platform, except that message boxes are written to
// stdout: nobody is there to close them.
class ProbePlatform : public InstallPlatform {
 public:
  explicit ProbePlatform(InstallPlatform& system) : system_(system) {}

  Spooler& spooler() override { return system_.spooler(); }
  bool FileExists(const std::string& path) override { return system_.FileExists(path); }
  ErrorCode CopyFile(const std::string& from, const std::string& to) override {
    return system_.CopyFile(from, to);
  }
  RegistryWrite SetRegistryString(RegistryRoot root, const std::string& key,
                                  const std::string& name, const std::string& value) override {
    return system_.SetRegistryString(root, key, name, value);
  }
  void ShowMessage(const std::string& text) override { Line("message\t" + Escape(text)); }
  void Wait(unsigned milliseconds) override { system_.Wait(milliseconds); }
  void DebugOutput(const std::string& text) override {
    system_.DebugOutput(text);
    Line("debug\t" + Escape(text));
  }
  std::string ErrorText(ErrorCode code) override { return system_.ErrorText(code); }

 private:
  InstallPlatform& system_;
};

const char* StepName(InstallStep step) {
  switch (step) {
    case InstallStep::None: return "none";
    case InstallStep::MediaCheck: return "media-check";
    case InstallStep::DriverDirectory: return "driver-directory";
    case InstallStep::CopyFile: return "copy-file";
    case InstallStep::AddPrinterDriver: return "add-printer-driver";
    case InstallStep::AddPrinter: return "add-printer";
  }
  return "?";
}

int Install(int argc, char** argv) {
  if (argc != 6) return 2;
  InstallRequest request;
  const std::string target = argv[2];
  if (target == "x86") {
    request.target = DriverEnvironment::X86;
  } else if (target == "x64") {
    request.target = DriverEnvironment::X64;
  } else if (target == "auto") {
    request.target = IsWow64() ? DriverEnvironment::X64 : DriverEnvironment::X86;
  } else {
    return 2;
  }
  request.model = std::atoi(argv[3]);
  if (request.model < 0 || request.model >= kModelCount) return 2;
  request.portName = argv[4];
  request.makeDefault = std::strcmp(argv[5], "1") == 0;

  Line(std::string("target\t") + SpoolerEnvironmentName(request.target));
  ProbePlatform platform(SystemInstallPlatform());
  std::string progress;
  const InstallOutcome outcome = RunDriverInstall(
      request,
      [&](int position) {
        if (!progress.empty()) progress += ' ';
        progress += std::to_string(position);
      },
      platform);
  Line("progress\t" + progress);
  Line(std::string("outcome\t") + StepName(outcome.failedStep) + "\t" +
       std::to_string(outcome.error));
  return outcome.succeeded() ? 0 : 1;
}

FilledBuffer Enumerate(
    BOOL (*call)(const char* name, unsigned char* buffer, DWORD size, DWORD* needed,
                 DWORD* returned, void* context),
    const char* name, void* context) {
  return SizeThenFill([&](unsigned char* buffer, std::uint32_t size, std::uint32_t& needed,
                          std::uint32_t& count) -> ErrorCode {
    DWORD neededBytes = 0;
    DWORD returned = 0;
    const BOOL ok = call(name, buffer, size, &neededBytes, &returned, context);
    const ErrorCode error = ok ? kNoError : static_cast<ErrorCode>(GetLastError());
    needed = neededBytes;
    count = ok ? returned : 0;
    return error;
  });
}

int Drivers(int argc, char** argv) {
  if (argc != 3) return 2;
  const FilledBuffer filled = Enumerate(
      [](const char* environment, unsigned char* buffer, DWORD size, DWORD* needed,
         DWORD* returned, void*) {
        return EnumPrinterDriversA(nullptr, const_cast<char*>(environment), 3, buffer, size,
                                   needed, returned);
      },
      argv[2], nullptr);
  const auto* drivers = reinterpret_cast<const DRIVER_INFO_3A*>(filled.bytes.data());
  for (std::uint32_t i = 0; i < filled.count; ++i) {
    const DRIVER_INFO_3A& d = drivers[i];
    std::string dependents;
    if (d.pDependentFiles != nullptr) {
      for (const char* name = d.pDependentFiles; *name != '\0'; name += std::strlen(name) + 1) {
        if (!dependents.empty()) dependents += '|';
        dependents += name;
      }
    }
    Line("driver\t" + Text(d.pName) + "\t" + std::to_string(d.cVersion) + "\t" +
         Text(d.pEnvironment) + "\t" + Text(d.pDriverPath) + "\t" + Text(d.pDataFile) + "\t" +
         Text(d.pConfigFile) + "\t" + Text(d.pHelpFile) + "\t" + Escape(dependents) + "\t" +
         Text(d.pMonitorName) + "\t" + Text(d.pDefaultDataType));
  }
  Line("error\t" + std::to_string(filled.error));
  return filled.error == kNoError ? 0 : 1;
}

int Printers() {
  const FilledBuffer filled = Enumerate(
      [](const char*, unsigned char* buffer, DWORD size, DWORD* needed, DWORD* returned,
         void*) {
        return EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer, size, needed, returned);
      },
      nullptr, nullptr);
  const auto* printers = reinterpret_cast<const PRINTER_INFO_2A*>(filled.bytes.data());
  for (std::uint32_t i = 0; i < filled.count; ++i) {
    const PRINTER_INFO_2A& p = printers[i];
    Line("printer\t" + Text(p.pPrinterName) + "\t" + Text(p.pPortName) + "\t" +
         Text(p.pDriverName) + "\t" + Text(p.pPrintProcessor) + "\t" + Text(p.pDatatype));
  }
  Line("error\t" + std::to_string(filled.error));
  return filled.error == kNoError ? 0 : 1;
}

int Ports() {
  std::vector<PortRecord> records;
  const ErrorCode error = SystemSpooler().EnumPorts(records);
  const PortListPlan plan = PlanPortRows(records, nullptr);
  for (const PortRow& row : plan.rows) Line("port\t" + Text(row.name.c_str()));
  Line("preselect\t" + (plan.preselect ? std::to_string(*plan.preselect) : std::string("none")));
  std::vector<MonitorRecord> monitors;
  const ErrorCode monitorError = SystemSpooler().EnumMonitors(monitors);
  for (const std::string& name : PlanMonitorRows(monitors, nullptr)) {
    Line("monitor\t" + Text(name.c_str()));
  }
  Line("error\t" + std::to_string(error) + "\t" + std::to_string(monitorError));
  return error == kNoError && monitorError == kNoError ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  int result = 2;
  if (command == "install") {
    result = Install(argc, argv);
  } else if (command == "drivers") {
    result = Drivers(argc, argv);
  } else if (command == "printers" && argc == 2) {
    result = Printers();
  } else if (command == "ports" && argc == 2) {
    result = Ports();
  }
  if (result == 2) std::fprintf(stderr, "install_probe: bad arguments\n");
  return result;
}
