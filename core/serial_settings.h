#pragma once

#include <cstdint>
#include <string>

class InstallPlatform;

// Positions of the settings page's port list and its five line-setting lists.
struct SerialSettings {
  std::int32_t port = 0;      // 0 "LPT1" ... 3 "COM1" ... 6 "COM4"
  std::int32_t speed = 5;     // "19200"
  std::int32_t dataBits = 3;  // "8"
  std::int32_t stopBits = 0;  // "1"
  std::int32_t parity = 2;    // "None"
  std::int32_t flow = 2;      // "Hardware"
};

// The lists' items, in the order the page's resource gives them, and the
// value texts each position stands for.
struct SettingList {
  const char* const* items;
  const char* const* values;
  int count;
};
extern const SettingList kPortList;
extern const SettingList kSpeedList;
extern const SettingList kDataBitsList;
extern const SettingList kStopBitsList;
extern const SettingList kParityList;
extern const SettingList kFlowList;

// The five line lists are enabled only for a COM port (position 3 or more);
// "no selection" (-1) disables them too.
bool LineListsEnabled(std::int32_t portPosition);

// "speed,parity,dataBits,stopBits,flow", for example "19200,N,8,1,p".
std::string FormatPortModeValue(const SerialSettings& settings);

// The one message shown when a registry value cannot be set.
extern const char* const kRegistryWriteFailedText;

// For a COM port, stores the text under the port's value name in the Ports
// key; does nothing for an LPT port. A value that cannot be set gives one
// message box; a key that cannot be opened is skipped silently.
void StoreSerialSettings(const SerialSettings& settings, InstallPlatform& platform);
