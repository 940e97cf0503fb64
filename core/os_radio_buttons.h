#pragma once

#include <optional>

#include "core/os_class.h"

// The operating-system page's radio button that stands for a Windows class;
// none for class 0 (or any value outside 1 to 9).
std::optional<int> OsRadioButtonFor(OsClass osClass);
