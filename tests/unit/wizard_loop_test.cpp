#include "app/wizard_loop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Plays back scripted page results and records which page was shown.
struct ScriptedPages {
  std::vector<int> osResults;
  std::vector<int> settingsResults;
  std::string shown;

  void Run() {
    std::size_t os = 0, settings = 0;
    RunWizardLoop(
        [&] {
          shown += 'O';
          return osResults.at(os++);
        },
        [&] {
          shown += 'S';
          return settingsResults.at(settings++);
        });
  }
};

struct LoopCase {
  const char* name;
  std::vector<int> osResults;
  std::vector<int> settingsResults;
  const char* expectedPages;
};

class WizardLoopTest : public ::testing::TestWithParam<LoopCase> {};

TEST_P(WizardLoopTest, ShowsPagesInOrder) {
  const LoopCase& c = GetParam();
  ScriptedPages pages{c.osResults, c.settingsResults, {}};
  pages.Run();
  EXPECT_EQ(pages.shown, c.expectedPages);
}

INSTANTIATE_TEST_SUITE_P(
    Results, WizardLoopTest,
    ::testing::Values(
        LoopCase{"ExitOnFirstPage", {kPageCancel}, {}, "O"},
        LoopCase{"FirstPageFails", {-1}, {}, "O"},
        LoopCase{"FirstPageOtherResult", {7}, {}, "O"},
        LoopCase{"SettingsEndsWithOk", {kPageOk}, {kPageOk}, "OS"},
        LoopCase{"SettingsFails", {kPageOk}, {-1}, "OS"},
        LoopCase{"BackThenExit", {kPageOk, kPageCancel}, {kPageCancel}, "OSO"},
        LoopCase{"BackThenOnAgain", {kPageOk, kPageOk}, {kPageCancel, kPageOk}, "OSOS"},
        LoopCase{"RepeatedBack",
                 {kPageOk, kPageOk, kPageOk, kPageCancel},
                 {kPageCancel, kPageCancel, kPageCancel},
                 "OSOSOSO"}),
    [](const ::testing::TestParamInfo<LoopCase>& info) { return info.param.name; });

}  // namespace
