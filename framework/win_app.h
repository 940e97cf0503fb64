#pragma once

#include <windows.h>

#include <string>

#include "framework/cmd_target.h"

// The help command F1 sends.
constexpr UINT ID_HELP = 0xE146;

// The application object. The program defines exactly one, as a static
// object; the entry point (WinMain, in win_app.cpp) finds it, fills in the
// instance handle and the title, and calls InitInstance. When InitInstance
// returns FALSE the process ends at once, without a message loop.
class CWinApp : public CCmdTarget {
 public:
  // Without a name, the title is the executable's base name ("DriverSetup").
  explicit CWinApp(const char* appName = nullptr);
  ~CWinApp() override;

  virtual BOOL InitInstance() { return FALSE; }
  // The message loop, for an InitInstance that returns TRUE.
  virtual int Run();

  // The title of the program's message boxes.
  const std::string& AppName() const { return m_appName; }
  HINSTANCE InstanceHandle() const { return m_hInstance; }

  // Answers F1. There is no help file, so there is nothing to show.
  void OnHelp() {}

 protected:
  // Formerly switched on the three-dimensional look of dialog controls; that
  // look is the system's own since Windows 95, so nothing is left to do.
  BOOL Enable3dControlsStatic() { return TRUE; }

 private:
  friend int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int);
  void Start(HINSTANCE instance);

  std::string m_appName;
  HINSTANCE m_hInstance = nullptr;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
// The full path of the running executable.
std::string AfxGetModuleFileName();
