#include "core/dialog_init_data.h"

#include <cstring>

namespace {

std::uint32_t ReadLittleEndian(const unsigned char* bytes, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[i];
  return value;
}

}  // namespace

std::optional<std::vector<DialogInitItem>> ParseDialogInitData(const unsigned char* data,
                                                               std::size_t size) {
  constexpr std::size_t kHeaderSize = 8;  // id, message, byte count
  std::vector<DialogInitItem> items;
  std::size_t at = 0;
  for (;;) {
    if (data == nullptr || size - at < 2) return std::nullopt;
    const std::uint16_t controlId = static_cast<std::uint16_t>(ReadLittleEndian(data + at, 2));
    if (controlId == 0) return items;
    if (size - at < kHeaderSize) return std::nullopt;
    DialogInitItem item;
    item.controlId = controlId;
    item.message = static_cast<std::uint16_t>(ReadLittleEndian(data + at + 2, 2));
    const std::uint32_t length = ReadLittleEndian(data + at + 4, 4);
    at += kHeaderSize;
    if (length > size - at) return std::nullopt;
    const char* bytes = reinterpret_cast<const char*>(data + at);
    const void* nul = std::memchr(bytes, '\0', length);
    item.text.assign(bytes, nul ? static_cast<const char*>(nul) - bytes : length);
    items.push_back(std::move(item));
    at += length;
  }
}
