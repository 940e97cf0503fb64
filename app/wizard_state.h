#pragma once

#include "core/os_class.h"

class CPrinterSetupDlg;

// What the pages share for the whole run. Touched from the one UI thread only.
struct WizardState {
  // Written by the operating-system page each time it opens.
  OsClass osClass = kOsUnclassified;
  // The printer settings page most recently initialised; the port page opened
  // on top of it reads the user's choices through it. Never cleared.
  CPrinterSetupDlg* settingsPage = nullptr;
};

extern WizardState g_wizardState;
