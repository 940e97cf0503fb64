#include "core/os_radio_buttons.h"

#include <gtest/gtest.h>

namespace {

struct RadioCase {
  OsClass osClass;
  std::optional<int> button;
};

TEST(OsRadioButtons, EachClassTicksItsButton) {
  const RadioCase cases[] = {
      {0, std::nullopt}, {1, 1000}, {2, 1001}, {3, 1002}, {4, 1003},
      {5, 1004},         {6, 1011}, {7, 1020}, {8, 1005}, {9, 1006},
      {10, std::nullopt}, {-1, std::nullopt},
  };
  for (const RadioCase& c : cases) {
    EXPECT_EQ(OsRadioButtonFor(c.osClass), c.button) << "class " << c.osClass;
  }
}

}  // namespace
