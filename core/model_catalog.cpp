#include "core/model_catalog.h"

#include "core/scrambled_names.h"

namespace {

constexpr const char* kResourceDll = "KQ72W";

const PrinterModel kModels[kModelCount] = {
    {"KQ-7210(No Cut) Series", "KQ7210nocut", kResourceDll, DependencySet::Basic},
    {"KQ-7210(Cut) Series", "KQ7210cut", kResourceDll, DependencySet::Basic},
    {"KQ-7230(No Cut) Series", "KQ7230nocut", kResourceDll, DependencySet::Basic},
    {"KQ-7230(Cut) Series", "KQ7230cut", kResourceDll, DependencySet::Basic},
    {"KQ-7250 Series", "KQ7250", kResourceDll, DependencySet::Basic},
    {"KQ-7250W Series", "KQ7250W", kResourceDll, DependencySet::WithPlugin},
    {"KQ-K7250 Series", "KQK7250", kResourceDll, DependencySet::WithPlugin},
    {"KQ-M7250 Series", "KQM7250", kResourceDll, DependencySet::WithPlugin},
    {"KQ-7270 Series", "KQ7270", kResourceDll, DependencySet::WithPlugin},
    {"KQ-P7210 Series", "KQP7210", kResourceDll, DependencySet::Basic},
    {"KQ-P7250 Series", "KQP7250", kResourceDll, DependencySet::Basic},
    {"KQ-R7210 Series", "KQR7210", kResourceDll, DependencySet::Basic},
    {"KQ-R7250 Series", "KQR7250", kResourceDll, DependencySet::WithPlugin},
    {"KQ-R7270 Series", "KQR7270", kResourceDll, DependencySet::WithPlugin},
    {"KQ-K7270 Series", "KQK7270", kResourceDll, DependencySet::WithPlugin},
    {"KQ-T7270 Series", "KQT7270", kResourceDll, DependencySet::WithPlugin},
    {"KQ-M7270 Series", "KQM7270", kResourceDll, DependencySet::WithPlugin},
    {"KT-R72x Series", "KTR72x", kResourceDll, DependencySet::WithPlugin},
    {"KT-41xK Series", "KT41xK", kResourceDll, DependencySet::WithPlugin},
    {"KT-41xM Series", "KT41XM", kResourceDll, DependencySet::WithPlugin},
};

}  // namespace

const PrinterModel& ModelAt(int row) { return kModels[row]; }

std::string DecodeScrambledName(const char* letters, std::uint16_t key) {
  std::string decoded;
  if (letters == nullptr) return decoded;
  std::uint32_t k = key;
  for (const char* pair = letters; pair[0] != '\0' && pair[1] != '\0'; pair += 2) {
    // Every pair gives one byte; values above 255 keep their low eight bits.
    const unsigned scrambled = ((pair[0] - 'A') * 26 + (pair[1] - 'A')) & 0xFFu;
    decoded.push_back(static_cast<char>(scrambled ^ ((k >> 8) & 0xFFu)));
    k = ((k + scrambled) * 4131u + 29386u) & 0xFFFFu;
  }
  return decoded;
}

std::string DecodeScrambledName(const ScrambledName& name) {
  return DecodeScrambledName(name.letters, name.key);
}

std::string ShownModelName(int row) { return DecodeScrambledName(*kScrambledModelNames[row]); }

std::string InitialPrinterNameText() { return DecodeScrambledName(kScrambledInitialText); }
