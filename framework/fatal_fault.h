#pragma once

#include <string>

// Stops the program over a fault in the program itself (a template and the
// code out of step). Shows `what` and ends the process.
[[noreturn]] void FailLoudly(const std::string& what);
