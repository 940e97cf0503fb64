#include "core/port_page_install.h"

const char* const kChoosePortFirstText = "请先在列表中选择一个端口。";

PortPageInstallEnd InstallFromPortPage(
    const std::optional<std::string>& selectedPort, const SettingsPageChoices& choices,
    bool wow64, const std::function<InstallOutcome(const InstallRequest&)>& runInstall) {
  if (!selectedPort) return PortPageInstallEnd::NoPortChosen;
  const InstallOutcome outcome = runInstall(BuildInstallRequest(choices, *selectedPort, wow64));
  return outcome.succeeded() ? PortPageInstallEnd::Installed : PortPageInstallEnd::InstallFailed;
}
