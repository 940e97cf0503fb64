#include "core/usb_installer_path.h"

std::string UsbInstallerPath(const std::optional<std::string>& currentDirectory,
                             const std::string& executableFolder, bool wow64) {
  std::string path = currentDirectory ? *currentDirectory : executableFolder;
  path += "\\";
  path += wow64 ? "USB Driver\\x64\\dpinstx64.exe" : "USB Driver\\x86\\dpinstx86.exe";
  return path;
}

std::optional<std::string> CurrentDirectoryFromCall(unsigned result, const char* buffer,
                                                    unsigned bufferSize) {
  // On success the result is the length without the NUL, so it is always
  // smaller than the buffer; otherwise it is the size the call would need.
  if (result == 0 || result >= bufferSize) return std::nullopt;
  return std::string(buffer, result);
}
