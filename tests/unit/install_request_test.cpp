#include "core/install_request.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/port_page_install.h"

namespace {

TEST(InstallRequest, TakesTheSettingsPageChoices) {
  SettingsPageChoices choices;
  choices.modelSelection = 7;
  choices.makeDefaultCheck = 1;
  choices.serial.port = 4;
  choices.serial.speed = 8;
  choices.serial.dataBits = 2;
  choices.serial.stopBits = 1;
  choices.serial.parity = 3;
  choices.serial.flow = 0;

  const InstallRequest request = BuildInstallRequest(choices, "COM2:", false);
  EXPECT_EQ(request.model, 7);
  EXPECT_EQ(request.portName, "COM2:");
  EXPECT_TRUE(request.makeDefault);
  EXPECT_EQ(request.serial.port, 4);
  EXPECT_EQ(request.serial.speed, 8);
  EXPECT_EQ(request.serial.dataBits, 2);
  EXPECT_EQ(request.serial.stopBits, 1);
  EXPECT_EQ(request.serial.parity, 3);
  EXPECT_EQ(request.serial.flow, 0);
}

TEST(InstallRequest, TargetFollowsWow64) {
  EXPECT_EQ(BuildInstallRequest({}, "LPT1:", false).target, DriverEnvironment::X86);
  EXPECT_EQ(BuildInstallRequest({}, "LPT1:", true).target, DriverEnvironment::X64);
}

TEST(InstallRequest, DefaultPrinterOnlyForATickedBox) {
  const struct {
    int check;
    bool makeDefault;
  } cases[] = {{0, false}, {1, true}, {2, false}};  // 2: indeterminate
  for (const auto& c : cases) {
    SettingsPageChoices choices;
    choices.makeDefaultCheck = c.check;
    EXPECT_EQ(BuildInstallRequest(choices, "LPT1:", false).makeDefault, c.makeDefault)
        << "check state " << c.check;
  }
}

// Records the requests the Install handler runs and answers with `outcome`.
struct RecordingInstall {
  InstallOutcome outcome;
  std::vector<InstallRequest> runs;

  std::function<InstallOutcome(const InstallRequest&)> Runner() {
    return [this](const InstallRequest& request) {
      runs.push_back(request);
      return outcome;
    };
  }
};

TEST(PortPageInstall, NoSelectedPortInstallsNothing) {
  RecordingInstall install;
  EXPECT_EQ(InstallFromPortPage(std::nullopt, {}, false, install.Runner()),
            PortPageInstallEnd::NoPortChosen);
  EXPECT_TRUE(install.runs.empty());
}

TEST(PortPageInstall, SelectedPortIsInstalledOn) {
  RecordingInstall install;
  SettingsPageChoices choices;
  choices.modelSelection = 5;
  EXPECT_EQ(InstallFromPortPage(std::string("LPT1:"), choices, true, install.Runner()),
            PortPageInstallEnd::Installed);
  ASSERT_EQ(install.runs.size(), 1u);
  EXPECT_EQ(install.runs[0].portName, "LPT1:");
  EXPECT_EQ(install.runs[0].model, 5);
  EXPECT_EQ(install.runs[0].target, DriverEnvironment::X64);
}

TEST(PortPageInstall, FailedInstallationIsNotReportedAsSuccess) {
  RecordingInstall install;
  install.outcome.failedStep = InstallStep::AddPrinter;
  install.outcome.error = 87;
  EXPECT_EQ(InstallFromPortPage(std::string("LPT1:"), {}, false, install.Runner()),
            PortPageInstallEnd::InstallFailed);
  EXPECT_EQ(install.runs.size(), 1u);
}

}  // namespace
