#include "tests/fakes/fake_install_platform.h"

bool FakeInstallPlatform::FileExists(const std::string& path) {
  checkedFiles.push_back(path);
  return missingFiles.count(path) == 0;
}

ErrorCode FakeInstallPlatform::CopyFile(const std::string& from, const std::string& to) {
  return journal.Record("CopyFile " + from + " -> " + to);
}

InstallPlatform::RegistryWrite FakeInstallPlatform::SetRegistryString(RegistryRoot root,
                                                                      const std::string& key,
                                                                      const std::string& name,
                                                                      const std::string& value) {
  const std::string fullKey = (root == RegistryRoot::CurrentUser ? "HKCU\\" : "HKLM\\") + key;
  if (unopenableKeys.count(fullKey) != 0) {
    journal.Record("OpenKey " + fullKey + ": not opened");
    return RegistryWrite::KeyNotOpened;
  }
  const std::string valuePath = fullKey + "\\" + name;
  if (journal.Record("SetValue " + valuePath + " = " + value) != kNoError) {
    return RegistryWrite::ValueNotSet;
  }
  registryValues[valuePath] = value;
  return RegistryWrite::Written;
}

void FakeInstallPlatform::ShowMessage(const std::string& text) {
  messages.push_back(text);
  journal.Record("ShowMessage " + text);
}

void FakeInstallPlatform::Wait(unsigned milliseconds) {
  journal.Record("Wait " + std::to_string(milliseconds));
}

void FakeInstallPlatform::DebugOutput(const std::string& text) { debugText += text; }

std::string FakeInstallPlatform::ErrorText(ErrorCode code) {
  return "<text of error " + std::to_string(code) + ">";
}
