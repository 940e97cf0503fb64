#pragma once

#include <string>

#include "spooler/spooler.h"

// windows.h maps CopyFile to CopyFileA; here it is the seam's own name.
#ifdef _WIN32
#undef CopyFile
#endif

// Everything the installation needs from the system besides the spooler.
// The Win32 adapter sits in app/; unit tests use a fake.
class InstallPlatform {
 public:
  virtual ~InstallPlatform() = default;

  virtual Spooler& spooler() = 0;

  // Paths are relative to the current directory (the media folder) or absolute.
  virtual bool FileExists(const std::string& path) = 0;
  // Overwrites an existing destination.
  virtual ErrorCode CopyFile(const std::string& from, const std::string& to) = 0;

  enum class RegistryRoot { CurrentUser, LocalMachine };
  enum class RegistryWrite { Written, KeyNotOpened, ValueNotSet };
  // Opens `key` for setting values and sets the REG_SZ `name` to `value`.
  virtual RegistryWrite SetRegistryString(RegistryRoot root, const std::string& key,
                                          const std::string& name,
                                          const std::string& value) = 0;

  // A message box with the program's title, an OK button and the exclamation
  // icon. The text is in the ANSI code page.
  virtual void ShowMessage(const std::string& text) = 0;
  virtual void Wait(unsigned milliseconds) = 0;
  virtual void DebugOutput(const std::string& text) = 0;
  // The system's own text for an error code.
  virtual std::string ErrorText(ErrorCode code) = 0;
};
