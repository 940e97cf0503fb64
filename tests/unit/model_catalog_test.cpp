#include "core/model_catalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/scrambled_names.h"

namespace {

TEST(DecodeScrambledNameTest, EdgeCases) {
  struct Case {
    const char* what;
    const char* letters;
    std::uint16_t key;
    std::string expected;
  };
  const Case cases[] = {
      {"empty text", "", 0x1234, ""},
      {"one letter", "Q", 0x1234, ""},
      {"trailing odd letter ignored", "BCQ", 0x0000, std::string(1, '\x1C')},
      {"ZZ is 675, kept as 163", "ZZ", 0x0000, std::string(1, '\xA3')},
      {"key high byte zero: first byte as scrambled", "BC", 0x00FF, std::string(1, '\x1C')},
      {"a pair may give a zero byte", "AB", 0x0100, std::string(1, '\0')},
      // The key advances with the scrambled byte 1, not the output byte 0.
      {"key advances with the scrambled byte", "ABAB", 0x0100, std::string("\x00\xA4", 2)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecodeScrambledName(c.letters, c.key), c.expected) << c.what;
  }
}

TEST(DecodeScrambledNameTest, ChangingTheLastPairChangesOnlyTheLastByte) {
  const std::string before = DecodeScrambledName("KQMBXAZZ", 0xBEEF);
  const std::string after = DecodeScrambledName("KQMBXAZY", 0xBEEF);
  ASSERT_EQ(before.size(), 4u);
  ASSERT_EQ(after.size(), 4u);
  EXPECT_EQ(before.substr(0, 3), after.substr(0, 3));
  EXPECT_NE(before[3], after[3]);
}

TEST(ScrambledNamesTest, EveryRowDecodesToItsDriverName) {
  for (int row = 0; row < kModelCount; ++row) {
    const ScrambledName& stored = *kScrambledModelNames[row];
    for (const char* p = stored.letters; *p != '\0'; ++p) {
      ASSERT_TRUE(*p >= 'A' && *p <= 'Z') << "row " << row;
    }
    EXPECT_EQ(std::string(stored.letters).size() % 2, 0u) << "row " << row;
    EXPECT_EQ(ShownModelName(row), ModelAt(row).driverName) << "row " << row;
    // The letters do not give the name away.
    EXPECT_EQ(std::string(stored.letters).find("KQ"), std::string::npos) << "row " << row;
  }
}

TEST(ScrambledNamesTest, EachNameHasItsOwnKey) {
  for (int a = 0; a < kModelCount; ++a) {
    EXPECT_NE(kScrambledModelNames[a]->key, kScrambledInitialText.key);
    for (int b = a + 1; b < kModelCount; ++b) {
      EXPECT_NE(kScrambledModelNames[a]->key, kScrambledModelNames[b]->key) << a << " " << b;
    }
  }
}

TEST(ScrambledNamesTest, InitialTextIsTheGbkPrompt) {
  // "请选择打印机型号" in code page 936: the program hands it to ANSI functions.
  const std::string gbk =
      "\xC7\xEB\xD1\xA1\xD4\xF1\xB4\xF2\xD3\xA1\xBB\xFA\xD0\xCD\xBA\xC5";
  EXPECT_EQ(InitialPrinterNameText(), gbk);
}

TEST(ModelCatalogTest, RowsThatDifferFromTheirNeighbours) {
  struct Case {
    int row;
    const char* driverName;
    const char* gpdStem;
    DependencySet set;
  };
  const Case cases[] = {
      {0, "KQ-7210(No Cut) Series", "KQ7210nocut", DependencySet::Basic},
      {1, "KQ-7210(Cut) Series", "KQ7210cut", DependencySet::Basic},
      {4, "KQ-7250 Series", "KQ7250", DependencySet::Basic},
      {5, "KQ-7250W Series", "KQ7250W", DependencySet::WithPlugin},
      {8, "KQ-7270 Series", "KQ7270", DependencySet::WithPlugin},
      {9, "KQ-P7210 Series", "KQP7210", DependencySet::Basic},
      {11, "KQ-R7210 Series", "KQR7210", DependencySet::Basic},
      {12, "KQ-R7250 Series", "KQR7250", DependencySet::WithPlugin},
      {17, "KT-R72x Series", "KTR72x", DependencySet::WithPlugin},
      {18, "KT-41xK Series", "KT41xK", DependencySet::WithPlugin},
      {19, "KT-41xM Series", "KT41XM", DependencySet::WithPlugin},
  };
  for (const Case& c : cases) {
    const PrinterModel& model = ModelAt(c.row);
    EXPECT_STREQ(model.driverName, c.driverName) << "row " << c.row;
    EXPECT_STREQ(model.gpdStem, c.gpdStem) << "row " << c.row;
    EXPECT_EQ(model.dependencySet, c.set) << "row " << c.row;
  }
}

TEST(ModelCatalogTest, BasicRowsAndTheSharedResourceDll) {
  const int basicRows[] = {0, 1, 2, 3, 4, 9, 10, 11};
  for (int row = 0; row < kModelCount; ++row) {
    const bool basic = std::find(std::begin(basicRows), std::end(basicRows), row) !=
                       std::end(basicRows);
    EXPECT_EQ(ModelAt(row).dependencySet,
              basic ? DependencySet::Basic : DependencySet::WithPlugin)
        << "row " << row;
    EXPECT_STREQ(ModelAt(row).resourceDllStem, "KQ72W") << "row " << row;
  }
}

}  // namespace
