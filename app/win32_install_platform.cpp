// windows.h first: the seams' headers undo its macros for their own names.
#include <windows.h>

#include "app/win32_install_platform.h"

#include <string>

#include "core/module_path.h"
#include "spooler/win32_spooler.h"

namespace {

// Message boxes carry the executable's base name as their title.
std::string ProgramTitle() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return ExecutableBaseName(std::string(path, length));
}

class Win32InstallPlatform : public InstallPlatform {
 public:
  Spooler& spooler() override { return SystemSpooler(); }

  bool FileExists(const std::string& path) override {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  }

  ErrorCode CopyFile(const std::string& from, const std::string& to) override {
    if (CopyFileA(from.c_str(), to.c_str(), FALSE)) return kNoError;
    const DWORD error = GetLastError();
    return error != 0 ? static_cast<ErrorCode>(error) : static_cast<ErrorCode>(ERROR_GEN_FAILURE);
  }

  RegistryWrite SetRegistryString(RegistryRoot root, const std::string& key,
                                  const std::string& name, const std::string& value) override {
    HKEY opened = nullptr;
    const HKEY rootKey = root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    if (RegOpenKeyExA(rootKey, key.c_str(), 0, KEY_SET_VALUE, &opened) != ERROR_SUCCESS) {
      return RegistryWrite::KeyNotOpened;
    }
    // The byte count covers the text and its terminating NUL.
    const LONG set = RegSetValueExA(opened, name.c_str(), 0, REG_SZ,
                                    reinterpret_cast<const BYTE*>(value.c_str()),
                                    static_cast<DWORD>(value.size() + 1));
    RegCloseKey(opened);
    return set == ERROR_SUCCESS ? RegistryWrite::Written : RegistryWrite::ValueNotSet;
  }

  void ShowMessage(const std::string& text) override {
    const std::string title = ProgramTitle();
    MessageBoxA(GetActiveWindow(), text.c_str(), title.c_str(), MB_OK | MB_ICONEXCLAMATION);
  }

  void Wait(unsigned milliseconds) override { Sleep(milliseconds); }

  void DebugOutput(const std::string& text) override { OutputDebugStringA(text.c_str()); }

  std::string ErrorText(ErrorCode code) override {
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
            FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<LPSTR>(&buffer), 0, nullptr);
    std::string text;
    if (length != 0 && buffer != nullptr) text.assign(buffer, length);
    if (buffer != nullptr) LocalFree(buffer);
    // The system's texts end with a line break.
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) {
      text.pop_back();
    }
    return text;
  }
};

}  // namespace

InstallPlatform& SystemInstallPlatform() {
  static Win32InstallPlatform platform;
  return platform;
}
