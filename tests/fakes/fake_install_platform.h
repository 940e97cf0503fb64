#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/install_platform.h"
#include "tests/fakes/call_journal.h"
#include "tests/fakes/fake_spooler.h"

// The system as the installation sees it: every media file exists unless
// listed in `missingFiles`, and every call (spooler included) goes to one
// journal, so a test can make the Nth call fail.
class FakeInstallPlatform : public InstallPlatform {
 public:
  FakeInstallPlatform() : fakeSpooler(journal) {}

  CallJournal journal;
  FakeSpooler fakeSpooler;

  std::set<std::string> missingFiles;
  // Keys listed here cannot be opened ("HKCU\..." or "HKLM\...").
  std::set<std::string> unopenableKeys;

  // What happened.
  std::vector<std::string> checkedFiles;
  std::map<std::string, std::string> registryValues;  // "HKCU\key\name" -> value
  std::vector<std::string> messages;
  std::string debugText;

  Spooler& spooler() override { return fakeSpooler; }
  bool FileExists(const std::string& path) override;
  ErrorCode CopyFile(const std::string& from, const std::string& to) override;
  RegistryWrite SetRegistryString(RegistryRoot root, const std::string& key,
                                  const std::string& name, const std::string& value) override;
  void ShowMessage(const std::string& text) override;
  void Wait(unsigned milliseconds) override;
  void DebugOutput(const std::string& text) override;
  std::string ErrorText(ErrorCode code) override;
};
