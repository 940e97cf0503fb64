#include "core/driver_install.h"

#include <string>
#include <vector>

#include "core/install_platform.h"
#include "core/model_catalog.h"

namespace {

constexpr const char* kDeviceKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
constexpr const char* kDeviceValue = "Device";
constexpr std::uint32_t kDriverVersion = 2;
constexpr unsigned kFinalWaitMs = 500;
constexpr ErrorCode kErrorFileNotFound = 2;  // ERROR_FILE_NOT_FOUND

constexpr const char* kMissingFilesText = "安装介质中缺少以下文件：";
constexpr const char* kNoDriverDirectoryText = "无法获取打印机驱动程序目录。";
constexpr const char* kCopyFailedText = "无法复制文件：";
constexpr const char* kAddDriverFailedText = "无法安装打印机驱动程序。";
constexpr const char* kAddPrinterFailedText = "无法创建打印机。";

// The files are copied in these groups, each followed by its checkpoint.
// The plug-in files go along for every model.
struct CopyGroup {
  std::vector<std::string> files;
  int progress;
};

std::vector<CopyGroup> CopyGroups(const PrinterModel& model) {
  return {
      {{std::string(model.resourceDllStem) + ".DLL"}, 10},
      {{std::string(model.gpdStem) + ".GPD"}, 20},
      {{"uniDRVui.DLL"}, 30},
      {{"uniDRV.DLL", "UNIDRV.HLP"}, 40},
      {{"UNIRES.DLL", "TTFSUB.GPD"}, 50},
      {{"STDNAMES.GPD", "KQUNI.ini", "KQUNI.dll"}, 60},
  };
}

// NUL-separated names ended by an empty name. The names are passed exactly
// so: leading backslashes, lower case, and the resource DLL without one.
std::string DependentFiles(const PrinterModel& model) {
  std::vector<std::string> names = {"\\ttfsub.GPD", "\\unires.DLL", "\\stdnames.GPD"};
  if (model.dependencySet == DependencySet::WithPlugin) {
    names.push_back("\\KQUNI.ini");
    names.push_back("\\KQUNI.dll");
  }
  names.push_back(std::string(model.resourceDllStem) + ".DLL");
  std::string list;
  for (const std::string& name : names) {
    list += name;
    list += '\0';
  }
  list += '\0';
  return list;
}

DriverInfo3 DriverRegistration(const PrinterModel& model, DriverEnvironment target) {
  DriverInfo3 driver;
  driver.version = kDriverVersion;
  driver.name = model.driverName;
  driver.environment = SpoolerEnvironmentName(target);
  driver.driverPath = "\\uniDRV.DLL";
  driver.dataFile = std::string("\\") + model.gpdStem + ".GPD";
  driver.configFile = "\\uniDRVui.DLL";
  driver.helpFile = "\\uniDRV.HLP";
  driver.dependentFiles = DependentFiles(model);
  driver.monitorName = "";
  driver.defaultDataType = "RAW";
  return driver;
}

class Run {
 public:
  Run(const InstallRequest& request, const InstallProgress& progress, InstallPlatform& platform)
      : request_(request),
        progress_(progress),
        platform_(platform),
        model_(ModelAt(request.model)),
        source_(MediaFolder(request.target)) {}

  InstallOutcome Execute() {
    const std::vector<CopyGroup> groups = CopyGroups(model_);

    // Nothing is changed unless every file the run copies is on the media.
    std::vector<std::string> missing;
    for (const CopyGroup& group : groups) {
      for (const std::string& file : group.files) {
        if (!platform_.FileExists(source_ + file)) missing.push_back(source_ + file);
      }
    }
    if (!missing.empty()) {
      std::string text = kMissingFilesText;
      for (const std::string& path : missing) text += "\n" + path;
      for (const std::string& path : missing) Trace("missing on the media: " + path);
      platform_.ShowMessage(text);
      return Fail(InstallStep::MediaCheck, kErrorFileNotFound, "media check");
    }

    std::string directory;
    ErrorCode error =
        platform_.spooler().GetPrinterDriverDirectory(SpoolerEnvironmentName(request_.target),
                                                      directory);
    Trace("driver directory " + directory, error);
    if (error != kNoError || directory.empty()) {
      Report(kNoDriverDirectoryText, error);
      return Fail(InstallStep::DriverDirectory, error, nullptr);
    }

    for (const CopyGroup& group : groups) {
      for (const std::string& file : group.files) {
        const std::string from = source_ + file;
        const std::string to = directory + "\\" + file;
        error = platform_.CopyFile(from, to);
        Trace("copy " + from + " -> " + to, error);
        if (error != kNoError) {
          Report(kCopyFailedText + from, error);
          return Fail(InstallStep::CopyFile, error, nullptr);
        }
      }
      Progress(group.progress);
    }

    error = platform_.spooler().AddPrinterDriver(DriverRegistration(model_, request_.target));
    Trace(std::string("register driver ") + model_.driverName, error);
    if (error != kNoError) {
      Report(kAddDriverFailedText, error);
      return Fail(InstallStep::AddPrinterDriver, error, nullptr);
    }
    Progress(70);

    PrinterInfo2 printer;
    printer.printerName = model_.driverName;
    printer.portName = request_.portName;
    printer.driverName = model_.driverName;
    printer.printProcessor = "WinPrint";
    printer.dataType = "RAW";
    PrinterHandle handle = 0;
    error = platform_.spooler().AddPrinter(printer, handle);
    Trace("create printer " + printer.printerName + " on " + printer.portName, error);
    if (error == kErrorPrinterAlreadyExists) {
      // A reinstall: the driver has just been refreshed and the printer is there.
      handle = 0;
    } else if (error != kNoError) {
      Report(kAddPrinterFailedText, error);
      return Fail(InstallStep::AddPrinter, error, nullptr);
    }
    Progress(80);

    if (request_.makeDefault) {
      const std::string device = std::string(model_.driverName) + ",winspool," + request_.portName;
      const InstallPlatform::RegistryWrite written = platform_.SetRegistryString(
          InstallPlatform::RegistryRoot::CurrentUser, kDeviceKey, kDeviceValue, device);
      Trace("default printer " + device + WriteResult(written));
      if (written == InstallPlatform::RegistryWrite::ValueNotSet) {
        platform_.ShowMessage(kRegistryWriteFailedText);
      }
    }
    Progress(90);

    StoreSerialSettings(request_.serial, platform_);
    Progress(95);

    platform_.spooler().ClosePrinter(handle);
    platform_.Wait(kFinalWaitMs);
    Progress(100);
    Trace("finished");
    return InstallOutcome{};
  }

 private:
  static const char* WriteResult(InstallPlatform::RegistryWrite written) {
    switch (written) {
      case InstallPlatform::RegistryWrite::Written:
        return ": written";
      case InstallPlatform::RegistryWrite::KeyNotOpened:
        return ": key not opened";
      case InstallPlatform::RegistryWrite::ValueNotSet:
        return ": value not set";
    }
    return "";
  }

  void Progress(int position) {
    if (progress_) progress_(position);
  }

  void Trace(const std::string& what) { platform_.DebugOutput("install: " + what + "\n"); }

  void Trace(const std::string& what, ErrorCode error) {
    Trace(what + (error == kNoError ? ": ok" : ": error " + std::to_string(error)));
  }

  // One message box: what failed, then the system's text for the error.
  void Report(const std::string& what, ErrorCode error) {
    std::string text = what;
    if (error != kNoError) {
      const std::string systemText = platform_.ErrorText(error);
      text += "\n";
      if (!systemText.empty()) text += systemText + " ";
      text += "(" + std::to_string(error) + ")";
    }
    platform_.ShowMessage(text);
  }

  InstallOutcome Fail(InstallStep step, ErrorCode error, const char* what) {
    if (what != nullptr) Trace(std::string(what) + " failed", error);
    Trace("stopped");
    return InstallOutcome{step, error};
  }

  const InstallRequest& request_;
  const InstallProgress& progress_;
  InstallPlatform& platform_;
  const PrinterModel& model_;
  const std::string source_;
};

}  // namespace

const char* SpoolerEnvironmentName(DriverEnvironment target) {
  return target == DriverEnvironment::X64 ? "Windows x64" : "Windows NT x86";
}

const char* MediaFolder(DriverEnvironment target) {
  return target == DriverEnvironment::X64 ? "Printer Driver\\x64\\" : "Printer Driver\\x86\\";
}

InstallOutcome RunDriverInstall(const InstallRequest& request, const InstallProgress& progress,
                                InstallPlatform& platform) {
  return Run(request, progress, platform).Execute();
}
