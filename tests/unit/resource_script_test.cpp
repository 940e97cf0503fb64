// Checks the resource script and its id header against each other and
// against the settings lists the code reads positions of.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/serial_settings.h"

namespace {

std::string SourceRoot() {
  const std::string here = __FILE__;  // <root>/tests/unit/resource_script_test.cpp
  return here.substr(0, here.rfind("/tests/unit/"));
}

std::string ReadSource(const std::string& relativePath) {
  std::ifstream file(SourceRoot() + "/" + relativePath);
  EXPECT_TRUE(file) << relativePath;
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

struct Define {
  std::string name;
  long value;
};

std::vector<Define> ResourceIds() {
  std::vector<Define> defines;
  const std::string header = ReadSource("res/resource_ids.h");
  const std::regex define(R"(#define\s+(\w+)\s+(-?\d+))");
  for (std::sregex_iterator it(header.begin(), header.end(), define), end; it != end; ++it) {
    defines.push_back({(*it)[1], std::stol((*it)[2])});
  }
  return defines;
}

TEST(ResourceIds, NoIdGivenTwice) {
  const std::vector<Define> defines = ResourceIds();
  ASSERT_FALSE(defines.empty());
  // Names are unique; each dialog's control ids are unique within that
  // dialog, and the templates, icons and strings are unique among themselves.
  const std::vector<std::string> groups = {"IDC_OS_", "IDC_SETUP_", "IDC_PORT_", "IDC_NEWPORT_",
                                           "IDD_"};
  std::set<std::string> names;
  std::map<std::string, std::set<long>> valuesByGroup;
  for (const Define& d : defines) {
    EXPECT_TRUE(names.insert(d.name).second) << d.name << " is defined twice";
    for (const std::string& group : groups) {
      if (d.name.rfind(group, 0) == 0) {
        EXPECT_TRUE(valuesByGroup[group].insert(d.value).second)
            << d.name << " reuses " << d.value << " within " << group;
      }
    }
  }
}

// One record of the settings page's dialog-initialisation data as written
// in the script: control, message, byte count, text.
struct InitRecord {
  std::string control;
  std::string message;
  long byteCount;
  std::string text;
};

std::vector<InitRecord> SettingsPageInitRecords() {
  std::vector<InitRecord> records;
  const std::string script = ReadSource("res/driver_setup.rc");
  const std::regex record(R"re((IDC_\w+),\s*(0x[0-9A-Fa-f]+),\s*(\d+)L,\s*"([^"\\]*)\\0")re");
  for (std::sregex_iterator it(script.begin(), script.end(), record), end; it != end; ++it) {
    records.push_back({(*it)[1], (*it)[2], std::stol((*it)[3]), (*it)[4]});
  }
  return records;
}

TEST(ResourceScript, ListItemRecordsCountTheirBytes) {
  const std::vector<InitRecord> records = SettingsPageInitRecords();
  ASSERT_FALSE(records.empty());
  for (const InitRecord& r : records) {
    EXPECT_EQ(r.message, "0x0403") << r.control << " " << r.text;
    // A wrong count shifts every record after it.
    EXPECT_EQ(r.byteCount, static_cast<long>(r.text.size()) + 1) << r.control << " " << r.text;
  }
}

TEST(ResourceScript, SettingsListsHoldTheItemsTheirPositionsStandFor) {
  std::map<std::string, std::vector<std::string>> itemsByControl;
  for (const InitRecord& r : SettingsPageInitRecords()) itemsByControl[r.control].push_back(r.text);

  const struct {
    const char* control;
    const SettingList& list;
  } lists[] = {
      {"IDC_SETUP_PORT", kPortList},         {"IDC_SETUP_SPEED", kSpeedList},
      {"IDC_SETUP_DATA_BITS", kDataBitsList}, {"IDC_SETUP_STOP_BITS", kStopBitsList},
      {"IDC_SETUP_PARITY", kParityList},     {"IDC_SETUP_FLOW", kFlowList},
  };
  for (const auto& l : lists) {
    const std::vector<std::string> expected(l.list.items, l.list.items + l.list.count);
    EXPECT_EQ(itemsByControl[l.control], expected) << l.control;
  }
}

}  // namespace
