#include "framework/cmd_target.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr unsigned kSelectionChanged = 1;  // CBN_SELCHANGE
constexpr unsigned kFocusGained = 3;       // CBN_SETFOCUS
constexpr unsigned kOk = 1;                // IDOK
constexpr unsigned kCancel = 2;            // IDCANCEL

// A base page with the dialog keys, and a page that adds its own controls
// and takes IDOK over, as the port page does with Enter.
class BasePage : public CCmdTarget {
 public:
  std::string calls;
  void OnOK() { calls += "base-ok "; }
  void OnCancel() { calls += "base-cancel "; }

 protected:
  const CommandMap& GetCommandMap() const override {
    static const CommandEntry kEntries[] = {
        OnClicked(kOk, &BasePage::OnOK),
        OnClicked(kCancel, &BasePage::OnCancel),
    };
    static const CommandMap kMap = MakeCommandMap(&CCmdTarget::GetCommandMap(), kEntries);
    return kMap;
  }
};

class Page : public BasePage {
 public:
  void OnInstall() { calls += "install "; }
  void OnModelChanged() { calls += "model "; }

 protected:
  const CommandMap& GetCommandMap() const override {
    static const CommandEntry kEntries[] = {
        OnClicked(1022, &Page::OnInstall),
        OnClicked(kOk, &Page::OnInstall),
        OnCommand(1011, kSelectionChanged, &Page::OnModelChanged),
    };
    static const CommandMap kMap = MakeCommandMap(&BasePage::GetCommandMap(), kEntries);
    return kMap;
  }
};

TEST(CommandTable, RoutesByIdAndNotificationCode) {
  const struct {
    const char* name;
    unsigned id;
    unsigned code;
    bool handled;
    const char* calls;
  } cases[] = {
      {"button click", 1022, kClickedCode, true, "install "},
      {"derived table overrides the base", kOk, kClickedCode, true, "install "},
      {"base table still answers", kCancel, kClickedCode, true, "base-cancel "},
      {"selection change", 1011, kSelectionChanged, true, "model "},
      {"focus is not a selection change", 1011, kFocusGained, false, ""},
      {"focus on a button is not a click", 1022, 6 /* BN_SETFOCUS */, false, ""},
      {"unknown control", 1099, kClickedCode, false, ""},
  };
  for (const auto& c : cases) {
    Page page;
    EXPECT_EQ(page.OnCmdMsg(c.id, c.code), c.handled) << c.name;
    EXPECT_EQ(page.calls, c.calls) << c.name;
  }
}

TEST(CommandTable, BaseTableAloneKnowsOnlyItsOwnEntries) {
  BasePage base;
  EXPECT_TRUE(base.OnCmdMsg(kOk, kClickedCode));
  EXPECT_EQ(base.calls, "base-ok ");
  EXPECT_FALSE(base.OnCmdMsg(1022, kClickedCode)) << "the base knows nothing of Install";
}

}  // namespace
