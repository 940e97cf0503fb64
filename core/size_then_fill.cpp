#include "core/size_then_fill.h"

FilledBuffer SizeThenFill(const FillCall& fill, int attempts) {
  FilledBuffer result;
  std::uint32_t needed = 0;
  std::uint32_t count = 0;
  ErrorCode error = fill(nullptr, 0, needed, count);
  if (error == kNoError) {
    // Nothing to fill: an empty list.
    return result;
  }
  for (int attempt = 0; attempt < attempts && error == kErrorInsufficientBuffer; ++attempt) {
    if (needed == 0) break;
    result.bytes.assign(needed, 0);
    const std::uint32_t size = needed;
    count = 0;
    error = fill(result.bytes.data(), size, needed, count);
    if (error == kNoError) {
      result.count = count;
      return result;
    }
  }
  result.error = error == kNoError ? kErrorInsufficientBuffer : error;
  result.bytes.clear();
  result.count = 0;
  return result;
}
