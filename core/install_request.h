#pragma once

#include <string>

#include "core/driver_install.h"
#include "core/serial_settings.h"

// What the printer settings page holds when an installation starts, read
// from its controls.
struct SettingsPageChoices {
  int modelSelection = 1;    // the model list's current selection
  int makeDefaultCheck = 1;  // the default-printer box: 0 clear, 1 ticked, 2 indeterminate
  SerialSettings serial;     // the port list and the five line lists
};

// The request for one installation: the page's choices, the port chosen on
// the port page, and the x64 target on 64-bit Windows. Only a box state of
// exactly 1 asks for the default printer.
InstallRequest BuildInstallRequest(const SettingsPageChoices& choices,
                                   const std::string& portName, bool wow64);
