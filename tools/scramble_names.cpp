// Writes core/scrambled_names.cpp: the names the settings page shows, each
// scrambled with its own key. Run by hand when a name changes:
//   scramble_names <source dir>/core/scrambled_names.cpp

#include <iconv.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/model_catalog.h"

namespace {

// The printer-name box's text before a model is chosen. The program hands
// it to ANSI functions, so it is stored as GBK bytes.
constexpr const char* kInitialTextUtf8 = "请选择打印机型号";

bool ToGbk(const std::string& utf8, std::string& gbk) {
  iconv_t cd = iconv_open("GBK", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::vector<char> in(utf8.begin(), utf8.end());
  std::vector<char> out(utf8.size() * 2 + 4);
  char* inPtr = in.data();
  char* outPtr = out.data();
  size_t inLeft = in.size();
  size_t outLeft = out.size();
  const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1);
  iconv_close(cd);
  if (!ok || inLeft != 0) return false;
  gbk.assign(out.data(), outPtr);
  return true;
}

// The decoder's walk in reverse: each byte is XORed with the key's high
// byte, the key advances with the scrambled byte, and the scrambled byte is
// written as two letters (quotient and remainder of a division by 26).
std::string Scramble(const std::string& plain, std::uint16_t key) {
  std::string letters;
  std::uint32_t k = key;
  for (unsigned char c : plain) {
    const unsigned scrambled = c ^ ((k >> 8) & 0xFFu);
    letters.push_back(static_cast<char>('A' + scrambled / 26));
    letters.push_back(static_cast<char>('A' + scrambled % 26));
    k = ((k + scrambled) * 4131u + 29386u) & 0xFFFFu;
  }
  return letters;
}

std::uint16_t KeyFor(int index) { return static_cast<std::uint16_t>(0x4B51u + 0x1F3Du * index); }

bool WriteName(std::FILE* out, const char* symbol, const std::string& plain, std::uint16_t key) {
  const std::string letters = Scramble(plain, key);
  if (DecodeScrambledName(letters.c_str(), key) != plain) {
    std::fprintf(stderr, "scramble_names: %s does not decode back\n", symbol);
    return false;
  }
  std::fprintf(out, "const ScrambledName %s = {\n    \"%s\",\n    0x%04X};\n", symbol,
               letters.c_str(), key);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: scramble_names OUTPUT.cpp\n");
    return 2;
  }
  std::string initialText;
  if (!ToGbk(kInitialTextUtf8, initialText)) {
    std::fprintf(stderr, "scramble_names: cannot convert the initial text to GBK\n");
    return 1;
  }
  std::FILE* out = std::fopen(argv[1], "w");
  if (out == nullptr) {
    std::perror(argv[1]);
    return 1;
  }
  std::fprintf(out,
               "// Written by tools/scramble_names; do not edit.\n"
               "#include \"core/scrambled_names.h\"\n\nnamespace {\n\n");
  bool ok = true;
  char symbol[32];
  for (int row = 0; row < kModelCount; ++row) {
    std::snprintf(symbol, sizeof symbol, "kRow%02d", row);
    ok = ok && WriteName(out, symbol, ModelAt(row).driverName, KeyFor(row));
  }
  std::fprintf(out, "\n}  // namespace\n\nconst ScrambledName* const kScrambledModelNames[kModelCount] = {\n");
  for (int row = 0; row < kModelCount; ++row) {
    std::fprintf(out, "    &kRow%02d,\n", row);
  }
  std::fprintf(out, "};\n\n");
  ok = ok && WriteName(out, "kScrambledInitialText", initialText, KeyFor(kModelCount));
  ok = std::fclose(out) == 0 && ok;
  return ok ? 0 : 1;
}
