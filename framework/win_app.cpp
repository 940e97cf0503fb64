#include "framework/win_app.h"

#include "core/module_path.h"

namespace {

CWinApp* g_app = nullptr;

}  // namespace

CWinApp::CWinApp(const char* appName) {
  if (appName != nullptr) m_appName = appName;
  g_app = this;
}

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

void CWinApp::Start(HINSTANCE instance) {
  m_hInstance = instance;
  if (m_appName.empty()) m_appName = ExecutableBaseName(AfxGetModuleFileName());
}

int CWinApp::Run() {
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

CWinApp* AfxGetApp() { return g_app; }

std::string AfxGetModuleFileName() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  // A path cut short at MAX_PATH is no path.
  return std::string(path, length < MAX_PATH ? length : 0);
}

HINSTANCE AfxGetInstanceHandle() {
  return g_app != nullptr ? g_app->InstanceHandle() : ::GetModuleHandleA(nullptr);
}

// The program's entry: lives here, beside the application object's
// constructor, so that linking the one pulls in the other.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return 1;
  app->Start(instance);
  if (!app->InitInstance()) return 0;
  return app->Run();
}
