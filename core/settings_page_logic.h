#pragma once

#include <optional>
#include <string>

#include "core/os_class.h"

// The printer-name box's text for a model list selection: the row's shown
// name for rows 0 to 19, nothing (leave the box as it is) otherwise.
std::optional<std::string> PrinterNameForModelRow(int row);

// What the settings page does once the port page it opened has ended.
enum class AfterPortPage {
  StayOpen,                // Back or Cancel there: nothing changed
  EndWizard,               // the page ends with OK, nothing more to say
  EndWizardWithCompletion, // "驱动安装完成" first, then the page ends with OK
};

extern const char* const kInstallCompleteText;

// `portPageResult` is the port page's dialog result: 1 (OK) only after a
// successful installation, 2 (Cancel), or -1 when it could not be shown.
AfterPortPage AfterPortPageClosed(int portPageResult, OsClass osClass);
