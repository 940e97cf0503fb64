#include "core/driver_install.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/fakes/fake_install_platform.h"

namespace {

constexpr const char* kX86Dir = "C:\\WINDOWS\\system32\\spool\\drivers\\w32x86";
constexpr const char* kX64Dir = "C:\\WINDOWS\\system32\\spool\\drivers\\x64";
constexpr const char* kDeviceValue =
    "HKCU\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows\\Device";
constexpr ErrorCode kAccessDenied = 5;
constexpr ErrorCode kDiskFull = 112;

struct RunResult {
  InstallOutcome outcome;
  std::vector<int> progress;
};

InstallRequest Request(int model, DriverEnvironment target = DriverEnvironment::X86,
                       std::string port = "LPT1:", bool makeDefault = true) {
  InstallRequest request;
  request.target = target;
  request.model = model;
  request.portName = std::move(port);
  request.makeDefault = makeDefault;
  return request;
}

RunResult Install(const InstallRequest& request, FakeInstallPlatform& platform) {
  RunResult result;
  result.outcome = RunDriverInstall(
      request, [&](int position) { result.progress.push_back(position); }, platform);
  return result;
}

const std::vector<int> kAllCheckpoints = {10, 20, 30, 40, 50, 60, 70, 80, 90, 95, 100};

// The one run the whole sequence is pinned on: row 1, x86, LPT1:, default.
TEST(RunDriverInstallTest, WholeRunInOrder) {
  FakeInstallPlatform platform;
  const RunResult result = Install(Request(1), platform);

  const std::string src = "Printer Driver\\x86\\";
  const std::string dir = std::string(kX86Dir) + "\\";
  const std::vector<std::string> expected = {
      "GetPrinterDriverDirectory Windows NT x86",
      "CopyFile " + src + "KQ72W.DLL -> " + dir + "KQ72W.DLL",
      "CopyFile " + src + "KQ7210cut.GPD -> " + dir + "KQ7210cut.GPD",
      "CopyFile " + src + "uniDRVui.DLL -> " + dir + "uniDRVui.DLL",
      "CopyFile " + src + "uniDRV.DLL -> " + dir + "uniDRV.DLL",
      "CopyFile " + src + "UNIDRV.HLP -> " + dir + "UNIDRV.HLP",
      "CopyFile " + src + "UNIRES.DLL -> " + dir + "UNIRES.DLL",
      "CopyFile " + src + "TTFSUB.GPD -> " + dir + "TTFSUB.GPD",
      "CopyFile " + src + "STDNAMES.GPD -> " + dir + "STDNAMES.GPD",
      "CopyFile " + src + "KQUNI.ini -> " + dir + "KQUNI.ini",
      "CopyFile " + src + "KQUNI.dll -> " + dir + "KQUNI.dll",
      "AddPrinterDriver KQ-7210(Cut) Series Windows NT x86",
      "AddPrinter KQ-7210(Cut) Series on LPT1:",
      std::string("SetValue ") + kDeviceValue + " = KQ-7210(Cut) Series,winspool,LPT1:",
      "ClosePrinter " + std::to_string(platform.fakeSpooler.nextHandle),
      "Wait 500",
  };
  EXPECT_EQ(platform.journal.lines(), expected);
  EXPECT_TRUE(result.outcome.succeeded());
  EXPECT_EQ(result.progress, kAllCheckpoints);
  EXPECT_TRUE(platform.messages.empty());
}

TEST(RunDriverInstallTest, ProgressFollowsTheCopyGroups) {
  // Each checkpoint comes after the last copy of its group.
  FakeInstallPlatform platform;
  std::vector<std::size_t> journalSizeAt;
  RunDriverInstall(
      Request(1), [&](int) { journalSizeAt.push_back(platform.journal.lines().size()); },
      platform);
  // Directory query, then 1, 1, 1, 2, 2, 3 copies; registration; creation;
  // the Device value; nothing for an LPT port; close and wait.
  EXPECT_EQ(journalSizeAt, (std::vector<std::size_t>{2, 3, 4, 6, 8, 11, 12, 13, 14, 14, 16}));
}

TEST(RunDriverInstallTest, BothTargetsTakeTheirOwnFoldersAndEnvironment) {
  struct Case {
    DriverEnvironment target;
    const char* directory;
    const char* source;
    const char* environment;
  };
  const Case cases[] = {
      {DriverEnvironment::X86, kX86Dir, "Printer Driver\\x86\\", "Windows NT x86"},
      {DriverEnvironment::X64, kX64Dir, "Printer Driver\\x64\\", "Windows x64"},
  };
  for (const Case& c : cases) {
    FakeInstallPlatform platform;
    platform.fakeSpooler.driverDirectory = c.directory;
    ASSERT_TRUE(Install(Request(4, c.target), platform).outcome.succeeded());

    EXPECT_EQ(platform.journal.lines().front(),
              std::string("GetPrinterDriverDirectory ") + c.environment);
    const std::vector<std::size_t> copies = platform.journal.Find("CopyFile ");
    ASSERT_EQ(copies.size(), 10u);
    for (std::size_t i : copies) {
      const std::string& line = platform.journal.lines()[i];
      const std::string from = line.substr(9, line.find(" -> ") - 9);
      const std::string to = line.substr(line.find(" -> ") + 4);
      const std::string file = from.substr(std::string(c.source).size());
      EXPECT_EQ(from, c.source + file);
      EXPECT_EQ(to, std::string(c.directory) + "\\" + file);
    }
    // The media check looked at exactly the files that were copied.
    EXPECT_EQ(platform.checkedFiles.size(), 10u);
    ASSERT_EQ(platform.fakeSpooler.drivers.size(), 1u);
    EXPECT_EQ(platform.fakeSpooler.drivers[0].environment, c.environment);
  }
}

TEST(RunDriverInstallTest, DriverRegistrationFields) {
  struct Case {
    int model;
    const char* name;
    const char* dataFile;
    std::string dependentFiles;
  };
  using namespace std::string_literals;
  const Case cases[] = {
      {4, "KQ-7250 Series", "\\KQ7250.GPD",
       "\\ttfsub.GPD\0\\unires.DLL\0\\stdnames.GPD\0KQ72W.DLL\0\0"s},
      {5, "KQ-7250W Series", "\\KQ7250W.GPD",
       "\\ttfsub.GPD\0\\unires.DLL\0\\stdnames.GPD\0\\KQUNI.ini\0\\KQUNI.dll\0KQ72W.DLL\0\0"s},
      {19, "KT-41xM Series", "\\KT41XM.GPD",
       "\\ttfsub.GPD\0\\unires.DLL\0\\stdnames.GPD\0\\KQUNI.ini\0\\KQUNI.dll\0KQ72W.DLL\0\0"s},
  };
  for (const Case& c : cases) {
    FakeInstallPlatform platform;
    Install(Request(c.model), platform);
    ASSERT_EQ(platform.fakeSpooler.drivers.size(), 1u);
    const DriverInfo3& d = platform.fakeSpooler.drivers[0];
    EXPECT_EQ(d.version, 2u);
    EXPECT_EQ(d.name, c.name);
    EXPECT_EQ(d.environment, "Windows NT x86");
    EXPECT_EQ(d.driverPath, "\\uniDRV.DLL");
    EXPECT_EQ(d.dataFile, c.dataFile);
    EXPECT_EQ(d.configFile, "\\uniDRVui.DLL");
    EXPECT_EQ(d.helpFile, "\\uniDRV.HLP");
    EXPECT_EQ(d.dependentFiles, c.dependentFiles) << "row " << c.model;
    EXPECT_EQ(d.monitorName, "");
    EXPECT_EQ(d.defaultDataType, "RAW");
    // The plug-in files are copied whatever the dependency set.
    EXPECT_EQ(platform.journal.Find("CopyFile Printer Driver\\x86\\KQUNI.").size(), 2u);
  }
}

TEST(RunDriverInstallTest, PrinterAndDefaultPrinter) {
  struct Case {
    std::string port;
    bool makeDefault;
    bool expectDevice;
    const char* device;
  };
  const Case cases[] = {
      {"LPT1:", true, true, "KQ-7250W Series,winspool,LPT1:"},
      {"COM3:", false, false, ""},
      {"", true, true, "KQ-7250W Series,winspool,"},
  };
  for (const Case& c : cases) {
    FakeInstallPlatform platform;
    const RunResult result = Install(Request(5, DriverEnvironment::X86, c.port, c.makeDefault),
                                     platform);
    EXPECT_TRUE(result.outcome.succeeded());
    EXPECT_EQ(result.progress, kAllCheckpoints) << "port '" << c.port << "'";

    ASSERT_EQ(platform.fakeSpooler.printers.size(), 1u);
    const PrinterInfo2& p = platform.fakeSpooler.printers[0];
    EXPECT_EQ(p.printerName, "KQ-7250W Series");
    EXPECT_EQ(p.portName, c.port);
    EXPECT_EQ(p.driverName, "KQ-7250W Series");
    EXPECT_EQ(p.printProcessor, "WinPrint");
    EXPECT_EQ(p.dataType, "RAW");

    if (c.expectDevice) {
      EXPECT_EQ(platform.registryValues,
                (std::map<std::string, std::string>{{kDeviceValue, c.device}}));
    } else {
      EXPECT_TRUE(platform.registryValues.empty());
    }
  }
}

TEST(RunDriverInstallTest, RegistryWritesThatFailLetTheRunGoOn) {
  // A Device key that cannot be opened is skipped silently.
  FakeInstallPlatform noKey;
  noKey.unopenableKeys.insert("HKCU\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows");
  RunResult result = Install(Request(1), noKey);
  EXPECT_TRUE(result.outcome.succeeded());
  EXPECT_EQ(result.progress, kAllCheckpoints);
  EXPECT_TRUE(noKey.messages.empty());

  // A value that cannot be set gives one message box each, for the Device
  // value and for a COM port's line settings.
  FakeInstallPlatform refused;
  refused.journal.FailFirst("SetValue", kAccessDenied);
  InstallRequest request = Request(1);
  request.serial.port = 3;
  result = Install(request, refused);
  EXPECT_TRUE(result.outcome.succeeded());
  EXPECT_EQ(result.progress, kAllCheckpoints);
  EXPECT_EQ(refused.messages, std::vector<std::string>{"错误：无法设置有关的注册表信息"});
  EXPECT_EQ(refused.registryValues,
            (std::map<std::string, std::string>{
                {"HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports\\COM1:",
                 "19200,N,8,1,p"}}));
}

TEST(RunDriverInstallTest, SerialSettingsAreStoredAfterTheDefaultPrinter) {
  FakeInstallPlatform platform;
  InstallRequest request = Request(1, DriverEnvironment::X86, "COM1:");
  request.serial.port = 3;
  Install(request, platform);
  const std::vector<std::size_t> device = platform.journal.Find("SetValue HKCU");
  const std::vector<std::size_t> ports = platform.journal.Find("SetValue HKLM");
  ASSERT_EQ(device.size(), 1u);
  ASSERT_EQ(ports.size(), 1u);
  EXPECT_LT(device[0], ports[0]);
  EXPECT_LT(ports[0], platform.journal.Find("ClosePrinter")[0]);
}

TEST(RunDriverInstallTest, MissingMediaFilesChangeNothing) {
  const char* const files[] = {"KQ72W.DLL",  "KQ7210cut.GPD", "uniDRVui.DLL", "uniDRV.DLL",
                               "UNIDRV.HLP", "UNIRES.DLL",    "TTFSUB.GPD",   "STDNAMES.GPD",
                               "KQUNI.ini",  "KQUNI.dll"};
  for (const char* file : files) {
    FakeInstallPlatform platform;
    const std::string path = std::string("Printer Driver\\x86\\") + file;
    platform.missingFiles.insert(path);
    const RunResult result = Install(Request(1), platform);

    EXPECT_EQ(result.outcome.failedStep, InstallStep::MediaCheck) << file;
    EXPECT_TRUE(result.progress.empty()) << file;
    EXPECT_EQ(platform.messages,
              std::vector<std::string>{"安装介质中缺少以下文件：\n" + path});
    // Nothing but the one message box reached the system.
    EXPECT_EQ(platform.journal.lines().size(), 1u) << file;
  }
}

TEST(RunDriverInstallTest, EveryMissingFileIsListedOneALine) {
  FakeInstallPlatform platform;
  platform.missingFiles = {"Printer Driver\\x64\\KQ7250W.GPD", "Printer Driver\\x64\\KQUNI.dll"};
  const RunResult result = Install(Request(5, DriverEnvironment::X64), platform);
  EXPECT_EQ(result.outcome.failedStep, InstallStep::MediaCheck);
  EXPECT_EQ(platform.messages, std::vector<std::string>{
                                   "安装介质中缺少以下文件：\n"
                                   "Printer Driver\\x64\\KQ7250W.GPD\n"
                                   "Printer Driver\\x64\\KQUNI.dll"});
}

// Makes each fallible call of a good run fail in turn: the run stops there,
// names the step once, runs nothing later and keeps its progress.
TEST(RunDriverInstallTest, StopsAtTheFirstFailure) {
  FakeInstallPlatform reference;
  Install(Request(1), reference);
  const std::vector<std::string> goodRun = reference.journal.lines();

  struct Step {
    const char* prefix;
    InstallStep step;
    const char* message;  // the message starts with this
  };
  const Step steps[] = {
      {"GetPrinterDriverDirectory", InstallStep::DriverDirectory, "无法获取打印机驱动程序目录。"},
      {"CopyFile", InstallStep::CopyFile, "无法复制文件："},
      {"AddPrinterDriver", InstallStep::AddPrinterDriver, "无法安装打印机驱动程序。"},
      {"AddPrinter ", InstallStep::AddPrinter, "无法创建打印机。"},
  };
  for (std::size_t n = 0; n < goodRun.size(); ++n) {
    const Step* step = nullptr;
    for (const Step& s : steps) {
      if (goodRun[n].rfind(s.prefix, 0) == 0) step = &s;
    }
    if (step == nullptr) continue;

    FakeInstallPlatform platform;
    platform.journal.FailCall(n, kDiskFull);
    const RunResult result = Install(Request(1), platform);
    const std::string& failed = goodRun[n];

    EXPECT_EQ(result.outcome.failedStep, step->step) << failed;
    EXPECT_EQ(result.outcome.error, kDiskFull) << failed;
    ASSERT_EQ(platform.messages.size(), 1u) << failed;
    const std::string& message = platform.messages[0];
    EXPECT_EQ(message.rfind(step->message, 0), 0u) << message;
    EXPECT_NE(message.find("<text of error 112> (112)"), std::string::npos) << message;
    if (step->step == InstallStep::CopyFile) {
      const std::string source = failed.substr(9, failed.find(" -> ") - 9);
      EXPECT_EQ(message, "无法复制文件：" + source + "\n<text of error 112> (112)");
    }
    // The calls up to the failing one, then only the message box.
    std::vector<std::string> expected(goodRun.begin(), goodRun.begin() + n + 1);
    expected.push_back("ShowMessage " + message);
    EXPECT_EQ(platform.journal.lines(), expected) << failed;

    EXPECT_TRUE(std::is_sorted(result.progress.begin(), result.progress.end())) << failed;
    EXPECT_EQ(std::adjacent_find(result.progress.begin(), result.progress.end()),
              result.progress.end());
    EXPECT_TRUE(result.progress.empty() || result.progress.back() < 100) << failed;
    EXPECT_NE(platform.debugText.find("error 112"), std::string::npos) << failed;
  }
}

TEST(RunDriverInstallTest, AnEmptyDriverDirectoryIsAFailure) {
  FakeInstallPlatform platform;
  platform.fakeSpooler.driverDirectory = "";
  const RunResult result = Install(Request(1), platform);
  EXPECT_EQ(result.outcome.failedStep, InstallStep::DriverDirectory);
  EXPECT_TRUE(platform.journal.Find("CopyFile").empty());
  EXPECT_EQ(platform.messages, std::vector<std::string>{"无法获取打印机驱动程序目录。"});
}

TEST(RunDriverInstallTest, APrinterThatAlreadyExistsIsAReinstall) {
  FakeInstallPlatform platform;
  platform.journal.FailFirst("AddPrinter ", kErrorPrinterAlreadyExists);
  const RunResult result = Install(Request(1), platform);
  EXPECT_TRUE(result.outcome.succeeded());
  EXPECT_EQ(result.progress, kAllCheckpoints);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(platform.registryValues.count(kDeviceValue), 1u);
  // No printer was opened, so there is no handle to close.
  EXPECT_EQ(platform.fakeSpooler.closedHandles, std::vector<PrinterHandle>{0});
}

TEST(RunDriverInstallTest, StepsAndResultsGoToTheDebugger) {
  FakeInstallPlatform platform;
  Install(Request(1), platform);
  for (const char* line : {"driver directory C:\\WINDOWS", "copy Printer Driver\\x86\\KQ72W.DLL",
                           "register driver KQ-7210(Cut) Series: ok",
                           "create printer KQ-7210(Cut) Series on LPT1:: ok",
                           "default printer KQ-7210(Cut) Series,winspool,LPT1:: written",
                           "finished"}) {
    EXPECT_NE(platform.debugText.find(line), std::string::npos) << line;
  }
}

}  // namespace
