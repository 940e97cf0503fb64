#include "app/wizard_loop.h"

void RunWizardLoop(const std::function<int()>& showOsPage,
                   const std::function<int()>& showSettingsPage) {
  int osResult = showOsPage();
  while (osResult == kPageOk) {
    const int settingsResult = showSettingsPage();
    if (settingsResult != kPageCancel) {
      return;
    }
    osResult = showOsPage();
  }
}
