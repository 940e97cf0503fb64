#pragma once

#include "spooler/spooler.h"

// The local machine's print spooler, reached through the ANSI winspool calls.
Spooler& SystemSpooler();
