#pragma once

#include <functional>
#include <string>

#include "core/serial_settings.h"
#include "spooler/spooler.h"

class InstallPlatform;

// The install target, chosen with IsWow64.
enum class DriverEnvironment { X86, X64 };

const char* SpoolerEnvironmentName(DriverEnvironment target);  // "Windows NT x86" / "Windows x64"
const char* MediaFolder(DriverEnvironment target);  // "Printer Driver\x86\" / "Printer Driver\x64\"

struct InstallRequest {
  DriverEnvironment target = DriverEnvironment::X86;
  int model = 1;
  std::string portName;
  bool makeDefault = true;
  SerialSettings serial;
};

// Receives the progress checkpoints, 10 to 100.
using InstallProgress = std::function<void(int position)>;

// Where a run stopped.
enum class InstallStep {
  None,             // the run succeeded
  MediaCheck,       // a source file is missing from the media
  DriverDirectory,  // the spooler gave no driver directory
  CopyFile,
  AddPrinterDriver,
  AddPrinter,
};

struct InstallOutcome {
  InstallStep failedStep = InstallStep::None;
  ErrorCode error = kNoError;
  bool succeeded() const { return failedStep == InstallStep::None; }
};

// Copies the model's driver files into the spooler's driver directory,
// registers the driver, creates the printer, optionally makes it the user's
// default printer and stores a COM port's line settings. Stops at the first
// failure after telling the user which step failed and why.
InstallOutcome RunDriverInstall(const InstallRequest& request, const InstallProgress& progress,
                                InstallPlatform& platform);
