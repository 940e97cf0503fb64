#pragma once

#include <functional>

#include "core/page_result.h"

// Shows the operating-system page and the printer settings page in turn
// until the wizard is over. Each callback shows its page modally and returns
// the page's result; showSettingsPage builds a fresh page for every call.
//
// OK on the first page leads to the settings page; anything else there ends
// the wizard. Cancel on the settings page (its Back button) returns to the
// first page; any other result ends the wizard.
void RunWizardLoop(const std::function<int()>& showOsPage,
                   const std::function<int()>& showSettingsPage);
