#include "core/usb_installer_path.h"

#include <gtest/gtest.h>

namespace {

struct PathCase {
  const char* name;
  std::optional<std::string> currentDirectory;
  bool wow64;
  const char* expected;
};

TEST(UsbInstallerPath, BuiltFromCurrentDirectoryOrExecutableFolder) {
  const std::string exeFolder = "D:\\setup";
  const PathCase cases[] = {
      {"media folder", "C:\\media", false, "C:\\media\\USB Driver\\x86\\dpinstx86.exe"},
      {"64-bit Windows", "C:\\media", true, "C:\\media\\USB Driver\\x64\\dpinstx64.exe"},
      {"drive root keeps both backslashes", "C:\\", false,
       "C:\\\\USB Driver\\x86\\dpinstx86.exe"},
      {"unreadable current directory", std::nullopt, false,
       "D:\\setup\\USB Driver\\x86\\dpinstx86.exe"},
      {"unreadable current directory, 64-bit", std::nullopt, true,
       "D:\\setup\\USB Driver\\x64\\dpinstx64.exe"},
  };
  for (const PathCase& c : cases) {
    EXPECT_EQ(UsbInstallerPath(c.currentDirectory, exeFolder, c.wow64), c.expected) << c.name;
  }
}

TEST(UsbInstallerPath, CurrentDirectoryReadOnlyWhenItFitted) {
  const char buffer[] = "C:\\media";
  EXPECT_EQ(CurrentDirectoryFromCall(8, buffer, 260), std::optional<std::string>("C:\\media"));
  EXPECT_EQ(CurrentDirectoryFromCall(0, buffer, 260), std::nullopt) << "call failed";
  EXPECT_EQ(CurrentDirectoryFromCall(300, buffer, 260), std::nullopt) << "needs a bigger buffer";
  EXPECT_EQ(CurrentDirectoryFromCall(260, buffer, 260), std::nullopt) << "no room for the NUL";
}

}  // namespace
