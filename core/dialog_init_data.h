#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A dialog template's initialisation data (resource type 240, same number as
// the template): the items its lists are filled with when the dialog opens.
// Each record is WORD control id, WORD message, DWORD byte count, the bytes;
// a control id of 0 ends the data. All numbers are little-endian.

// The 16-bit list messages resource compilers write.
constexpr std::uint16_t kInitListBoxAddString = 0x0401;
constexpr std::uint16_t kInitComboBoxAddString = 0x0403;

struct DialogInitItem {
  std::uint16_t controlId = 0;
  std::uint16_t message = 0;
  std::string text;  // the bytes up to their first NUL
};

// The records in order, or nullopt when the data is cut short (a record
// running past the end, or no terminating 0).
std::optional<std::vector<DialogInitItem>> ParseDialogInitData(const unsigned char* data,
                                                               std::size_t size);
