#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/driver_install.h"
#include "core/install_request.h"

// How the port page's Install handler ended.
enum class PortPageInstallEnd {
  NoPortChosen,   // nothing was installed; the user is asked to pick a port
  InstallFailed,  // the installation has told the user why; the page stays open
  Installed,      // the page ends with OK
};

// Asked of a port page whose list has no selected row.
extern const char* const kChoosePortFirstText;

// The Install handler's logic: with a selected port, builds the request from
// the settings page's choices and runs it through `runInstall`; without one,
// runs nothing.
PortPageInstallEnd InstallFromPortPage(
    const std::optional<std::string>& selectedPort, const SettingsPageChoices& choices,
    bool wow64, const std::function<InstallOutcome(const InstallRequest&)>& runInstall);
