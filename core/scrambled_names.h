#pragma once

#include "core/model_catalog.h"

// The names the settings page shows, kept only in scrambled form. The
// definitions are written by tools/scramble_names; do not edit them by hand.

// One per catalogue row, in row order.
extern const ScrambledName* const kScrambledModelNames[kModelCount];
// The printer-name box's text before a model is chosen (GBK).
extern const ScrambledName kScrambledInitialText;
