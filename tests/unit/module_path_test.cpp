#include "core/module_path.h"

#include <gtest/gtest.h>

namespace {

struct PathCase {
  const char* path;
  const char* baseName;
  const char* folder;
};

TEST(ModulePath, SplitsWindowsPaths) {
  const PathCase cases[] = {
      {"C:\\media\\DriverSetup.exe", "DriverSetup", "C:\\media"},
      {"C:\\DriverSetup.exe", "DriverSetup", "C:"},
      {"C:\\my.media\\Setup", "Setup", "C:\\my.media"},
      {"C:\\media\\Driver.Setup.exe", "Driver.Setup", "C:\\media"},
      {"\\\\server\\share\\DriverSetup.EXE", "DriverSetup", "\\\\server\\share"},
      {"Z:/media/DriverSetup.exe", "DriverSetup", "Z:/media"},
      {"DriverSetup.exe", "DriverSetup", ""},
      {"", "", ""},
  };
  for (const PathCase& c : cases) {
    EXPECT_EQ(ExecutableBaseName(c.path), c.baseName) << c.path;
    EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
  }
}

}  // namespace
