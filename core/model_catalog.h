#pragma once

#include <cstdint>
#include <string>

// The twenty printer models the driver package serves, in the order of the
// settings page's model list.

enum class DependencySet { Basic, WithPlugin };

struct PrinterModel {
  const char* driverName;       // the driver's and the new printer's name
  const char* gpdStem;          // model description file, without ".GPD"
  const char* resourceDllStem;  // resource DLL, without ".DLL"
  DependencySet dependencySet;
};

constexpr int kModelCount = 20;

// Row 0 to 19; callers pass the model list's selection.
const PrinterModel& ModelAt(int row);

// A shown name, kept scrambled in the program.
struct ScrambledName {
  const char* letters;  // upper-case A to Z, even length
  std::uint16_t key;
};

std::string DecodeScrambledName(const char* letters, std::uint16_t key);
std::string DecodeScrambledName(const ScrambledName& name);

// The name the model list shows for a row (0 to 19).
std::string ShownModelName(int row);
// What the printer-name box shows before any model is chosen.
std::string InitialPrinterNameText();
