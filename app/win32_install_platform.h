#pragma once

#include "core/install_platform.h"

// The running system as the installation sees it: files relative to the
// current directory, the registry, message boxes, the debugger output and
// the local spooler.
InstallPlatform& SystemInstallPlatform();
