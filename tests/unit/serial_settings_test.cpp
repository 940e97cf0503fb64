#include "core/serial_settings.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_install_platform.h"

namespace {

constexpr const char* kPortsKey = "HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";

SerialSettings Settings(int port, int speed, int dataBits, int stopBits, int parity, int flow) {
  SerialSettings s;
  s.port = port;
  s.speed = speed;
  s.dataBits = dataBits;
  s.stopBits = stopBits;
  s.parity = parity;
  s.flow = flow;
  return s;
}

TEST(FormatPortModeValueTest, Texts) {
  struct Case {
    SerialSettings settings;
    const char* expected;
  };
  const Case cases[] = {
      {SerialSettings{}, "19200,N,8,1,p"},
      {Settings(3, 4, 2, 2, 3, 1), "9600,O,7,2,x"},
      {Settings(3, 0, 0, 1, 0, 0), "300,E,5,1.5, "},  // flow None: a comma and a blank
      {Settings(3, 8, 1, 0, 1, 2), "115200,M,6,1,p"},
      {Settings(3, 5, 3, 0, 4, 2), "19200,S,8,1,p"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatPortModeValue(c.settings), c.expected);
  }
}

TEST(FormatPortModeValueTest, NoSelectionGivesAnEmptyField) {
  EXPECT_EQ(FormatPortModeValue(Settings(3, -1, 3, 0, 2, 2)), ",N,8,1,p");
}

TEST(SerialListsTest, ItemsAndValuesLineUp) {
  struct Case {
    const SettingList& list;
    int count;
    const char* lastItem;
    const char* lastValue;
  };
  const Case cases[] = {
      {kPortList, 7, "COM4", "COM4:"},   {kSpeedList, 9, "115200", "115200"},
      {kDataBitsList, 4, "8", "8"},      {kStopBitsList, 3, "2", "2"},
      {kParityList, 5, "Space", "S"},    {kFlowList, 3, "Hardware", "p"},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(c.list.count, c.count);
    EXPECT_STREQ(c.list.items[c.count - 1], c.lastItem);
    EXPECT_STREQ(c.list.values[c.count - 1], c.lastValue);
  }
  EXPECT_STREQ(kFlowList.values[0], " ");
}

TEST(LineListsEnabledTest, OnlyForComPorts) {
  const std::pair<int, bool> cases[] = {{-1, false}, {0, false}, {1, false}, {2, false},
                                        {3, true},   {4, true},   {6, true}};
  for (const auto& [position, enabled] : cases) {
    EXPECT_EQ(LineListsEnabled(position), enabled) << "position " << position;
  }
}

TEST(StoreSerialSettingsTest, LptPortsStoreNothing) {
  for (int port : {0, 1, 2}) {
    FakeInstallPlatform platform;
    StoreSerialSettings(Settings(port, 5, 3, 0, 2, 2), platform);
    EXPECT_TRUE(platform.journal.lines().empty()) << "port " << port;
  }
}

TEST(StoreSerialSettingsTest, ComPortsStoreUnderTheirValueName) {
  const std::pair<int, const char*> cases[] = {{3, "COM1:"}, {6, "COM4:"}};
  for (const auto& [port, valueName] : cases) {
    FakeInstallPlatform platform;
    StoreSerialSettings(Settings(port, 4, 2, 2, 3, 1), platform);
    EXPECT_EQ(platform.registryValues,
              (std::map<std::string, std::string>{
                  {std::string(kPortsKey) + "\\" + valueName, "9600,O,7,2,x"}}));
    EXPECT_TRUE(platform.messages.empty());
  }
}

TEST(StoreSerialSettingsTest, FailuresToWrite) {
  FakeInstallPlatform unopenable;
  unopenable.unopenableKeys.insert(kPortsKey);
  StoreSerialSettings(Settings(3, 5, 3, 0, 2, 2), unopenable);
  EXPECT_TRUE(unopenable.messages.empty()) << "a key that cannot be opened is skipped silently";

  FakeInstallPlatform refused;
  refused.journal.FailFirst("SetValue", 5);
  StoreSerialSettings(Settings(3, 5, 3, 0, 2, 2), refused);
  EXPECT_EQ(refused.messages, std::vector<std::string>{"错误：无法设置有关的注册表信息"});
}

}  // namespace
