#pragma once

// Sorts the running Windows into its class and stores it in
// g_wizardState.osClass; a failed query leaves the class as it was.
void ClassifyOs();

// True when this 32-bit program runs on 64-bit Windows.
bool IsWow64();
