#include "core/settings_page_logic.h"

#include <gtest/gtest.h>

#include "core/model_catalog.h"
#include "core/serial_settings.h"

namespace {

TEST(SettingsPageLogic, ModelSelectionNamesTheRowInThePrinterNameBox) {
  EXPECT_EQ(PrinterNameForModelRow(0), ShownModelName(0));
  EXPECT_EQ(PrinterNameForModelRow(1), ShownModelName(1));
  EXPECT_EQ(PrinterNameForModelRow(19), ShownModelName(19));
  EXPECT_NE(*PrinterNameForModelRow(0), *PrinterNameForModelRow(1));
  EXPECT_EQ(PrinterNameForModelRow(-1), std::nullopt) << "no selection leaves the box";
  EXPECT_EQ(PrinterNameForModelRow(20), std::nullopt);
}

TEST(SettingsPageLogic, PortListDrivesTheLineLists) {
  // The page passes the port list's selection as it stands, -1 for none.
  const struct {
    int position;
    bool enabled;
  } cases[] = {{-1, false}, {0, false}, {2, false}, {3, true}, {6, true}};
  for (const auto& c : cases) {
    EXPECT_EQ(LineListsEnabled(c.position), c.enabled) << "position " << c.position;
  }
}

struct AfterCase {
  const char* name;
  int portPageResult;
  OsClass osClass;
  AfterPortPage expected;
};

TEST(SettingsPageLogic, CompletionMessageOnlyAfterAnInstallation) {
  const AfterCase cases[] = {
      {"Back or Cancel on the port page", 2, kOsWindows7, AfterPortPage::StayOpen},
      {"installed on Windows 7", 1, kOsWindows7, AfterPortPage::EndWizardWithCompletion},
      {"installed on Windows NT 4", 1, kOsWindowsNt4OrOlder,
       AfterPortPage::EndWizardWithCompletion},
      {"installed on Windows 8", 1, kOsWindows8, AfterPortPage::EndWizardWithCompletion},
      {"installed on an unknown Windows", 1, kOsUnclassified, AfterPortPage::EndWizard},
      {"installed on Windows 98", 1, kOsWindows98OrMe, AfterPortPage::EndWizard},
      {"port page could not be shown", -1, kOsWindows7, AfterPortPage::EndWizard},
  };
  for (const AfterCase& c : cases) {
    EXPECT_EQ(AfterPortPageClosed(c.portPageResult, c.osClass), c.expected) << c.name;
  }
}

}  // namespace
