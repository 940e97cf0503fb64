#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "spooler/spooler.h"

constexpr ErrorCode kErrorInsufficientBuffer = 122;  // ERROR_INSUFFICIENT_BUFFER

// One call of a "size, then fill" function: fills `buffer` (null when `size`
// is 0), sets `needed` to the bytes it needs and `count` to the records it
// wrote, and returns kNoError or the error it failed with.
using FillCall = std::function<ErrorCode(unsigned char* buffer, std::uint32_t size,
                                         std::uint32_t& needed, std::uint32_t& count)>;

struct FilledBuffer {
  ErrorCode error = kNoError;
  std::vector<unsigned char> bytes;  // the records live in here
  std::uint32_t count = 0;
};

constexpr int kFillAttempts = 4;

// Asks for the size first, then fills a buffer of that size. When the data
// grew between the two calls (the fill fails with kErrorInsufficientBuffer),
// asks again with the new size, up to `attempts` fills in all. On failure the
// count is 0.
FilledBuffer SizeThenFill(const FillCall& fill, int attempts = kFillAttempts);
