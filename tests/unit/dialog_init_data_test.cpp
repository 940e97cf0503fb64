#include "core/dialog_init_data.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Appends one record as a resource compiler lays it out.
void AddRecord(std::vector<unsigned char>& data, std::uint16_t id, std::uint16_t message,
               const std::string& bytes) {
  auto put = [&data](std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) data.push_back(static_cast<unsigned char>(value >> (8 * i)));
  };
  put(id, 2);
  put(message, 2);
  put(static_cast<std::uint32_t>(bytes.size()), 4);
  data.insert(data.end(), bytes.begin(), bytes.end());
}

TEST(DialogInitData, ReadsRecordsInOrder) {
  std::vector<unsigned char> data;
  AddRecord(data, 1014, kInitComboBoxAddString, std::string("LPT1\0", 5));
  AddRecord(data, 1014, kInitComboBoxAddString, std::string("COM1\0", 5));
  AddRecord(data, 1030, kInitListBoxAddString, std::string("115200\0", 7));
  data.push_back(0);
  data.push_back(0);

  const auto items = ParseDialogInitData(data.data(), data.size());
  ASSERT_TRUE(items);
  ASSERT_EQ(items->size(), 3u);
  EXPECT_EQ((*items)[0].controlId, 1014);
  EXPECT_EQ((*items)[0].message, kInitComboBoxAddString);
  EXPECT_EQ((*items)[0].text, "LPT1");
  EXPECT_EQ((*items)[1].text, "COM1");
  EXPECT_EQ((*items)[2].controlId, 1030);
  EXPECT_EQ((*items)[2].message, kInitListBoxAddString);
  EXPECT_EQ((*items)[2].text, "115200");
}

TEST(DialogInitData, TextWithoutNulAndEmptyData) {
  std::vector<unsigned char> data;
  AddRecord(data, 1011, kInitComboBoxAddString, "KQ");
  AddRecord(data, 1011, kInitComboBoxAddString, std::string("\0", 1));
  data.insert(data.end(), {0, 0});
  const auto items = ParseDialogInitData(data.data(), data.size());
  ASSERT_TRUE(items);
  ASSERT_EQ(items->size(), 2u);
  EXPECT_EQ((*items)[0].text, "KQ");
  EXPECT_EQ((*items)[1].text, "");

  const unsigned char onlyEnd[] = {0, 0};
  const auto none = ParseDialogInitData(onlyEnd, sizeof onlyEnd);
  ASSERT_TRUE(none);
  EXPECT_TRUE(none->empty());
}

TEST(DialogInitData, CutShortDataIsRefused) {
  std::vector<unsigned char> whole;
  AddRecord(whole, 1014, kInitComboBoxAddString, std::string("LPT1\0", 5));
  whole.insert(whole.end(), {0, 0});

  // Every shorter prefix lacks either part of a record or the end marker.
  for (std::size_t size = 0; size < whole.size(); ++size) {
    EXPECT_FALSE(ParseDialogInitData(whole.data(), size)) << "size " << size;
  }
  // A byte count far beyond the data.
  std::vector<unsigned char> huge = {0xF6, 0x03, 0x03, 0x04, 0xFF, 0xFF, 0xFF, 0xFF, 'A', 0, 0, 0};
  EXPECT_FALSE(ParseDialogInitData(huge.data(), huge.size()));
  EXPECT_FALSE(ParseDialogInitData(nullptr, 0));
}

}  // namespace
