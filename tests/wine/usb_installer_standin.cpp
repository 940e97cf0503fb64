// Stand-in for the USB virtual serial port driver installer on the test
// media ("dpinstx86.exe", "dpinstx64.exe"). Each start appends one line to
// "<own file name>.starts" beside the program, then the program exits; the
// end-to-end tests count the lines.

#include <windows.h>

#include <cstdio>
#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH + 16] = "";
  DWORD length = GetModuleFileNameA(NULL, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  std::strcat(path, ".starts");

  char cwd[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, cwd);
  char line[2 * MAX_PATH];
  int size = std::snprintf(line, sizeof line, "start pid=%lu cwd=%s\r\n",
                           GetCurrentProcessId(), cwd);
  if (size < 0 || size >= (int)sizeof line) size = (int)std::strlen(line);

  HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ, NULL,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  BOOL ok = WriteFile(file, line, (DWORD)size, &written, NULL);
  CloseHandle(file);
  return ok && written == (DWORD)size ? 0 : 1;
}
