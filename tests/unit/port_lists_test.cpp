#include "core/port_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<PortRecord> Ports(const std::vector<std::string>& names) {
  std::vector<PortRecord> ports;
  for (const std::string& name : names) ports.push_back(PortRecord{name, "Local Port"});
  return ports;
}

TEST(PlanPortRowsTest, Preselection) {
  struct Case {
    const char* what;
    std::vector<std::string> names;
    std::optional<int> expected;
  };
  const Case cases[] = {
      {"LPT1 wins", {"LPT1:", "LPT2:", "COM1:", "FILE:"}, 0},
      {"LPT1 wins wherever it is", {"COM1:", "COM2:", "FILE:", "LPT1:", "LPT2:"}, 3},
      {"COM1 before FILE", {"COM1:", "FILE:"}, 0},
      {"FILE alone", {"FILE:"}, 0},
      {"a lone USB port", {"USB001"}, std::nullopt},
      {"lower-case lpt1 is not LPT1", {"lpt1:", "FILE:"}, 1},
      {"the last of the same prefix counts", {"COM1:", "COM10:", "COM2:"}, 1},
      {"four characters are needed", {"LPT", "COM1"}, 1},
      {"no ports", {}, std::nullopt},
  };
  for (const Case& c : cases) {
    const PortListPlan plan = PlanPortRows(Ports(c.names), nullptr);
    EXPECT_EQ(plan.rows.size(), c.names.size()) << c.what;
    EXPECT_EQ(plan.preselect, c.expected) << c.what;
  }
}

TEST(PlanPortRowsTest, RowsKeepNameAndDescriptionInOrder) {
  const std::vector<PortRecord> ports = {{"COM1:", "本地端口"}, {"NUL:", ""}};
  const PortListPlan plan = PlanPortRows(ports, nullptr);
  ASSERT_EQ(plan.rows.size(), 2u);
  EXPECT_EQ(plan.rows[0].name, "COM1:");
  EXPECT_EQ(plan.rows[0].description, "本地端口");
  EXPECT_EQ(plan.rows[1].name, "NUL:");
  EXPECT_EQ(plan.rows[1].description, "");
}

TEST(PlanPortRowsTest, OnlyTheFirst256PortsAreListed) {
  std::vector<std::string> names;
  names.push_back("COM1:");
  for (int i = 1; i < 300; ++i) names.push_back("NE" + std::to_string(i) + ":");
  names[256] = "LPT1:";  // the 257th record
  std::string debug;
  const PortListPlan plan =
      PlanPortRows(Ports(names), [&](const std::string& text) { debug += text; });
  EXPECT_EQ(plan.rows.size(), 256u);
  EXPECT_EQ(plan.rows.back().name, "NE255:");
  EXPECT_EQ(plan.preselect, 0) << "an LPT1 beyond the cap is not preselected";
  EXPECT_EQ(debug.find("LPT1:"), std::string::npos);
  EXPECT_EQ(std::count(debug.begin(), debug.end(), '\n'), 256);
}

TEST(PlanPortRowsTest, EachListedNameGoesToTheDebugger) {
  std::string debug;
  PlanPortRows(Ports({"COM1:", "LPT1:"}), [&](const std::string& text) { debug += text; });
  EXPECT_EQ(debug, "COM1:\nLPT1:\n");
}

TEST(PlanMonitorRowsTest, Rows) {
  struct Case {
    const char* what;
    std::vector<MonitorRecord> monitors;
    std::vector<std::string> rows;
    std::string debug;
  };
  const Case cases[] = {
      {"no monitors", {}, {}, ""},
      {"one monitor", {{true, "Local Port"}}, {"Local Port"}, "Local Port\n"},
      {"a null name is skipped",
       {{true, "Local Port"}, {false, ""}, {true, "Standard TCP/IP Port"}},
       {"Local Port", "Standard TCP/IP Port"},
       "Local Port\nStandard TCP/IP Port\n"},
      {"an empty name is still a name", {{true, ""}}, {""}, "\n"},
  };
  for (const Case& c : cases) {
    std::string debug;
    EXPECT_EQ(PlanMonitorRows(c.monitors, [&](const std::string& text) { debug += text; }),
              c.rows)
        << c.what;
    EXPECT_EQ(debug, c.debug) << c.what;
  }
}

TEST(FindSelectedRowTest, FirstRowWithTheSelectedBit) {
  constexpr unsigned kFocused = 0x1, kSelected = 0x2, kCut = 0x4;
  struct Case {
    std::vector<unsigned> states;
    std::optional<int> expected;
  };
  const Case cases[] = {
      {{}, std::nullopt},
      {{0, kFocused, kCut}, std::nullopt},
      {{kSelected}, 0},
      {{kFocused, kSelected | kFocused, kSelected}, 1},
      {{0, 0, kSelected | kCut}, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindSelectedRow(c.states), c.expected);
  }
}

}  // namespace
