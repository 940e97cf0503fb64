#include "core/size_then_fill.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// A list that the "spooler" may change between the calls: each call sees
// the next entry of `sizes` (the last one sticks). A record is one byte.
struct GrowingList {
  std::vector<std::uint32_t> sizes;
  ErrorCode fillError = kNoError;  // a failure other than a short buffer
  std::vector<std::uint32_t> bufferSizes;

  FillCall Call() {
    return [this](unsigned char* buffer, std::uint32_t size, std::uint32_t& needed,
                  std::uint32_t& count) -> ErrorCode {
      const std::uint32_t now = sizes[std::min(bufferSizes.size(), sizes.size() - 1)];
      bufferSizes.push_back(size);
      needed = now;
      if (now == 0) {
        count = 0;
        return kNoError;
      }
      if (size < now) return kErrorInsufficientBuffer;
      if (fillError != kNoError) return fillError;
      std::memset(buffer, 'r', now);
      count = now;
      return kNoError;
    };
  }
};

TEST(SizeThenFillTest, Cases) {
  struct Case {
    const char* what;
    std::vector<std::uint32_t> sizes;
    ErrorCode fillError;
    ErrorCode expectedError;
    std::uint32_t expectedCount;
    std::vector<std::uint32_t> expectedBufferSizes;
  };
  const Case cases[] = {
      {"size, then fill", {8}, kNoError, kNoError, 8, {0, 8}},
      {"an empty list needs no fill", {0}, kNoError, kNoError, 0, {0}},
      {"grew once between the calls", {8, 12}, kNoError, kNoError, 12, {0, 8, 12}},
      {"grew twice", {8, 12, 16}, kNoError, kNoError, 16, {0, 8, 12, 16}},
      {"shrank: the larger buffer still fits", {8, 4}, kNoError, kNoError, 4, {0, 8}},
      {"keeps growing: gives up after four fills",
       {1, 2, 3, 4, 5, 6, 7},
       kNoError,
       kErrorInsufficientBuffer,
       0,
       {0, 1, 2, 3, 4}},
      {"another failure ends it", {8}, 5, 5, 0, {0, 8}},
  };
  for (const Case& c : cases) {
    GrowingList list{c.sizes, c.fillError, {}};
    const FilledBuffer filled = SizeThenFill(list.Call());
    EXPECT_EQ(filled.error, c.expectedError) << c.what;
    EXPECT_EQ(filled.count, c.expectedCount) << c.what;
    EXPECT_EQ(list.bufferSizes, c.expectedBufferSizes) << c.what;
    if (filled.error == kNoError && filled.count > 0) {
      EXPECT_GE(filled.bytes.size(), filled.count) << c.what;
    }
  }
}

TEST(SizeThenFillTest, AFailingSizeQueryIsReported) {
  const FilledBuffer filled =
      SizeThenFill([](unsigned char*, std::uint32_t, std::uint32_t& needed, std::uint32_t&) {
        needed = 0;
        return ErrorCode{1722};  // RPC server unavailable: no spooler
      });
  EXPECT_EQ(filled.error, 1722u);
  EXPECT_EQ(filled.count, 0u);
  EXPECT_TRUE(filled.bytes.empty());
}

}  // namespace
