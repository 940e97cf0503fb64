#include "core/serial_settings.h"

#include "core/install_platform.h"

namespace {

const char* const kPortItems[] = {"LPT1", "LPT2", "LPT3", "COM1", "COM2", "COM3", "COM4"};
const char* const kPortValues[] = {"LPT1:", "LPT2:", "LPT3:", "COM1:", "COM2:", "COM3:", "COM4:"};
const char* const kSpeedTexts[] = {"300",   "1200",  "2400",  "4800",  "9600",
                                   "19200", "38400", "57600", "115200"};
const char* const kDataBitsTexts[] = {"5", "6", "7", "8"};
const char* const kStopBitsTexts[] = {"1", "1.5", "2"};
const char* const kParityItems[] = {"Even", "Mark", "None", "Odd", "Space"};
const char* const kParityValues[] = {"E", "M", "N", "O", "S"};
const char* const kFlowItems[] = {"None", "XonXoff", "Hardware"};
// "None" is a single blank, not an empty text.
const char* const kFlowValues[] = {" ", "x", "p"};

template <int N>
constexpr SettingList MakeList(const char* const (&items)[N], const char* const (&values)[N]) {
  return SettingList{items, values, N};
}

constexpr int kFirstComPort = 3;

const char* ValueAt(const SettingList& list, std::int32_t position) {
  if (position < 0 || position >= list.count) return "";
  return list.values[position];
}

constexpr const char* kPortsKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";

}  // namespace

const SettingList kPortList = MakeList(kPortItems, kPortValues);
const SettingList kSpeedList = MakeList(kSpeedTexts, kSpeedTexts);
const SettingList kDataBitsList = MakeList(kDataBitsTexts, kDataBitsTexts);
const SettingList kStopBitsList = MakeList(kStopBitsTexts, kStopBitsTexts);
const SettingList kParityList = MakeList(kParityItems, kParityValues);
const SettingList kFlowList = MakeList(kFlowItems, kFlowValues);

const char* const kRegistryWriteFailedText = "错误：无法设置有关的注册表信息";

bool LineListsEnabled(std::int32_t portPosition) { return portPosition >= kFirstComPort; }

std::string FormatPortModeValue(const SerialSettings& settings) {
  std::string text = ValueAt(kSpeedList, settings.speed);
  text += ',';
  text += ValueAt(kParityList, settings.parity);
  text += ',';
  text += ValueAt(kDataBitsList, settings.dataBits);
  text += ',';
  text += ValueAt(kStopBitsList, settings.stopBits);
  text += ',';
  text += ValueAt(kFlowList, settings.flow);
  return text;
}

void StoreSerialSettings(const SerialSettings& settings, InstallPlatform& platform) {
  if (settings.port < kFirstComPort || settings.port >= kPortList.count) return;
  const InstallPlatform::RegistryWrite result =
      platform.SetRegistryString(InstallPlatform::RegistryRoot::LocalMachine, kPortsKey,
                                 kPortList.values[settings.port], FormatPortModeValue(settings));
  if (result == InstallPlatform::RegistryWrite::ValueNotSet) {
    platform.ShowMessage(kRegistryWriteFailedText);
  }
}
