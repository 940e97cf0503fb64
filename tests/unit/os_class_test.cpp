#include "core/os_class.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ClassCase {
  std::uint32_t platform, major, minor;
  OsClass previous;
  OsClass expected;
};

TEST(ClassifyVersionTest, EveryRowOfTheTable) {
  const ClassCase cases[] = {
      // Windows 9x family: only major 4 counts.
      {1, 4, 0, 0, 1},
      {1, 4, 10, 0, 2},
      {1, 4, 90, 0, 2},
      {1, 4, 3, 0, 0},
      {1, 4, 3, 6, 6},
      {1, 5, 0, 0, 0},
      {1, 3, 0, 0, 0},
      // NT family.
      {2, 3, 51, 0, 3},
      {2, 4, 0, 0, 3},
      {2, 4, 0, 8, 3},
      {2, 5, 0, 0, 4},
      {2, 5, 1, 0, 5},
      {2, 5, 2, 0, 6},
      {2, 6, 0, 0, 7},
      {2, 6, 1, 0, 8},
      {2, 6, 2, 0, 9},
      // Versions the table does not know keep what was there before.
      {2, 6, 3, 0, 0},
      {2, 10, 0, 0, 0},
      {2, 5, 3, 0, 0},
      {2, 6, 3, 8, 8},
      // Any other platform id counts as Windows 2000.
      {0, 3, 10, 0, 4},
      {3, 10, 0, 9, 4},
  };
  for (const ClassCase& c : cases) {
    VersionReport report{true, c.platform, c.major, c.minor};
    EXPECT_EQ(ClassifyVersion(report, c.previous), c.expected)
        << "platform " << c.platform << " version " << c.major << "." << c.minor
        << " previous " << c.previous;
  }
}

TEST(ClassifyVersionTest, FailedQueryKeepsTheClass) {
  EXPECT_EQ(ClassifyVersion(VersionReport{}, 0), 0);
  EXPECT_EQ(ClassifyVersion(VersionReport{}, 5), 5);
}

TEST(QueryVersionTest, TriesTheExtendedRecordThenThePlainOne) {
  struct QueryCase {
    bool extendedWorks, plainWorks;
    std::vector<std::uint32_t> expectedSizes;
    bool expectedOk;
  };
  const QueryCase cases[] = {
      {true, true, {156}, true},
      {false, true, {156, 148}, true},
      {false, false, {156, 148}, false},
  };
  for (const QueryCase& c : cases) {
    std::vector<std::uint32_t> sizes;
    VersionReport report = QueryVersion([&](std::uint32_t size, VersionReport& out) {
      sizes.push_back(size);
      const bool works = size == 156 ? c.extendedWorks : c.plainWorks;
      if (works) {
        out.platformId = 2;
        out.major = 6;
        out.minor = 1;
      }
      return works;
    });
    EXPECT_EQ(sizes, c.expectedSizes);
    EXPECT_EQ(report.ok, c.expectedOk);
    EXPECT_EQ(ClassifyVersion(report, 0), c.expectedOk ? 8 : 0);
  }
}

TEST(CompletionMessageTest, OnlyForNtClasses) {
  for (OsClass c = -1; c <= 11; ++c) {
    EXPECT_EQ(ShowsCompletionMessage(c), c >= 3 && c <= 9) << c;
  }
}

TEST(IsWow64ValueTest, OnlyExactlyOneCounts) {
  EXPECT_FALSE(IsWow64Value(0));
  EXPECT_TRUE(IsWow64Value(1));
  EXPECT_FALSE(IsWow64Value(2));
  EXPECT_FALSE(IsWow64Value(-1));
}

}  // namespace
