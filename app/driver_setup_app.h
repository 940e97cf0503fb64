#pragma once

#include "framework/win_app.h"

// The application object: runs the wizard's pages in InitInstance and ends
// the program when they are done.
class CDriverSetupApp : public CWinApp {
 public:
  CDriverSetupApp() = default;  // no name: titles are the executable's base name

  BOOL InitInstance() override;

 protected:
  const CommandMap& GetCommandMap() const override;
};
