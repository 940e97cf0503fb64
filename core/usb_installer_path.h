#pragma once

#include <optional>
#include <string>

// The USB virtual serial port driver's installer on the media:
// "<folder>\USB Driver\x64\dpinstx64.exe" on 64-bit Windows,
// "<folder>\USB Driver\x86\dpinstx86.exe" otherwise.
//
// The folder is the current directory as read, with "\" appended as it
// stands (a drive root "C:\" thus gives "C:\\USB Driver..."). When the
// current directory could not be read (nullopt), the executable's own folder
// is used instead.
std::string UsbInstallerPath(const std::optional<std::string>& currentDirectory,
                             const std::string& executableFolder, bool wow64);

// GetCurrentDirectoryA's answer for a buffer of `bufferSize` bytes: the text
// when it fitted, nullopt when the call failed (0) or asked for more room.
std::optional<std::string> CurrentDirectoryFromCall(unsigned result, const char* buffer,
                                                    unsigned bufferSize);
