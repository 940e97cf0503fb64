#include "core/settings_page_logic.h"

#include "core/model_catalog.h"
#include "core/page_result.h"

const char* const kInstallCompleteText = "驱动安装完成";

std::optional<std::string> PrinterNameForModelRow(int row) {
  if (row < 0 || row >= kModelCount) return std::nullopt;
  return ShownModelName(row);
}

AfterPortPage AfterPortPageClosed(int portPageResult, OsClass osClass) {
  if (portPageResult == kPageCancel) return AfterPortPage::StayOpen;
  // The port page ends with OK only once an installation has succeeded; a
  // page that could not be shown installed nothing, so nothing is reported.
  if (portPageResult == kPageOk && ShowsCompletionMessage(osClass)) {
    return AfterPortPage::EndWizardWithCompletion;
  }
  return AfterPortPage::EndWizard;
}
