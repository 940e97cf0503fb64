// wizctl: drives the wizard's windows from outside, for the end-to-end tests
// under Wine.
//
// One command per run:      wine wizctl.exe wait "title=选择操作系统 (x86/x64)" timeout=20000
// Or a session over pipes:  wine wizctl.exe -   (one command per line on stdin)
//
// A command is a verb followed by arguments; on stdin the fields of a line
// are separated by tabs and encoded in UTF-8. Every answer is one line of
// JSON in UTF-8: {"ok":true,...} or {"ok":false,"error":"..."}.
//
// The wizard runs inside a Wine virtual desktop (explorer /desktop=...),
// which is another desktop than ours: EnumWindows does not see its windows
// and IsWindowVisible answers FALSE for them. So top-level windows are
// collected from every desktop of the window station, and visibility is read
// from WS_VISIBLE. Texts are always handled as UTF-16 here, so the caption
// the tests pass never goes through the ANSI code page.

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const DWORD kDefaultTimeoutMs = 20000;
const DWORD kPollMs = 50;
const UINT kSendTimeoutMs = 5000;

// ---- text conversion and JSON output ---------------------------------------

std::string ToUtf8(const std::wstring& text) {
  if (text.empty()) return std::string();
  int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), (int)text.size(),
                                 NULL, 0, NULL, NULL);
  std::string out(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), (int)text.size(), &out[0],
                      size, NULL, NULL);
  return out;
}

std::wstring FromUtf8(const std::string& text) {
  if (text.empty()) return std::wstring();
  int size = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), (int)text.size(),
                                 NULL, 0);
  std::wstring out(size, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.c_str(), (int)text.size(), &out[0],
                      size);
  return out;
}

std::string JsonString(const std::wstring& text) {
  std::string utf8 = ToUtf8(text);
  std::string out = "\"";
  for (unsigned char c : utf8) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += (char)c;
        }
    }
  }
  return out + "\"";
}

std::string JsonBool(bool value) { return value ? "true" : "false"; }

std::string JsonHwnd(HWND hwnd) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "\"0x%lx\"", (unsigned long)(ULONG_PTR)hwnd);
  return buf;
}

std::string Ok(const std::string& fields = std::string()) {
  return fields.empty() ? "{\"ok\":true}" : "{\"ok\":true," + fields + "}";
}

std::string Fail(const std::wstring& message) {
  return "{\"ok\":false,\"error\":" + JsonString(message) + "}";
}

// ---- arguments -------------------------------------------------------------

struct Args {
  std::vector<std::wstring> positional;
  std::vector<std::pair<std::wstring, std::wstring>> named;

  const std::wstring* Named(const wchar_t* key) const {
    for (const auto& kv : named)
      if (kv.first == key) return &kv.second;
    return NULL;
  }
  DWORD Timeout() const {
    const std::wstring* t = Named(L"timeout");
    return t ? (DWORD)wcstoul(t->c_str(), NULL, 0) : kDefaultTimeoutMs;
  }
};

// "key=value" is a named argument when key is one of the filter names;
// everything else is positional.
Args ParseArgs(const std::vector<std::wstring>& fields) {
  static const wchar_t* const kNames[] = {L"title", L"class", L"pid",
                                          L"timeout", L"owner"};
  Args args;
  for (size_t i = 1; i < fields.size(); ++i) {
    const std::wstring& f = fields[i];
    size_t eq = f.find(L'=');
    bool named = false;
    if (eq != std::wstring::npos) {
      std::wstring key = f.substr(0, eq);
      for (const wchar_t* n : kNames)
        if (key == n) named = true;
      if (named) args.named.push_back({key, f.substr(eq + 1)});
    }
    if (!named) args.positional.push_back(f);
  }
  return args;
}

bool ParseNumber(const std::wstring& text, long* out) {
  if (text.empty()) return false;
  wchar_t* end = NULL;
  long value = wcstol(text.c_str(), &end, 0);
  if (*end != L'\0') return false;
  *out = value;
  return true;
}

bool ParseHwnd(const std::wstring& text, HWND* out) {
  if (text.empty()) return false;
  wchar_t* end = NULL;
  unsigned long value = wcstoul(text.c_str(), &end, 0);
  if (*end != L'\0') return false;
  *out = (HWND)(ULONG_PTR)value;
  return IsWindow(*out) != FALSE;
}

// ---- windows ---------------------------------------------------------------

std::wstring ClassOf(HWND hwnd) {
  wchar_t buf[256] = L"";
  GetClassNameW(hwnd, buf, 256);
  return buf;
}

// The text of any window, also one of another process: WM_GETTEXT is
// marshalled by the system, and a timeout keeps a hung target from hanging us.
std::wstring TextOf(HWND hwnd) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG,
                           kSendTimeoutMs, &length))
    return std::wstring();
  std::vector<wchar_t> buf(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(hwnd, WM_GETTEXT, buf.size(), (LPARAM)buf.data(),
                      SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied);
  return std::wstring(buf.data());
}

bool HasStyle(HWND hwnd, LONG bits) {
  return (GetWindowLongW(hwnd, GWL_STYLE) & bits) == bits;
}

struct TopWindow {
  HWND hwnd;
  DWORD pid;
  std::wstring cls;
  std::wstring title;
  bool visible;
  HWND owner;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
  auto* list = reinterpret_cast<std::vector<TopWindow>*>(param);
  for (const TopWindow& w : *list)
    if (w.hwnd == hwnd) return TRUE;
  TopWindow w;
  w.hwnd = hwnd;
  w.pid = 0;
  GetWindowThreadProcessId(hwnd, &w.pid);
  w.cls = ClassOf(hwnd);
  w.title = TextOf(hwnd);
  w.visible = HasStyle(hwnd, WS_VISIBLE);
  w.owner = GetWindow(hwnd, GW_OWNER);
  list->push_back(w);
  return TRUE;
}

BOOL CALLBACK CollectDesktop(LPWSTR name, LPARAM param) {
  HDESK desk = OpenDesktopW(name, 0, FALSE,
                            DESKTOP_READOBJECTS | DESKTOP_ENUMERATE);
  if (desk) {
    EnumDesktopWindows(desk, CollectWindow, param);
    CloseDesktop(desk);
  }
  return TRUE;
}

std::vector<TopWindow> AllTopWindows() {
  std::vector<TopWindow> list;
  EnumDesktopsW(GetProcessWindowStation(), CollectDesktop, (LPARAM)&list);
  EnumWindows(CollectWindow, (LPARAM)&list);
  return list;
}

bool Matches(const TopWindow& w, const Args& args) {
  if (!w.visible) return false;
  if (const std::wstring* t = args.Named(L"title"))
    if (w.title != *t) return false;
  if (const std::wstring* c = args.Named(L"class"))
    if (w.cls != *c) return false;
  if (const std::wstring* p = args.Named(L"pid"))
    if (w.pid != wcstoul(p->c_str(), NULL, 0)) return false;
  if (const std::wstring* o = args.Named(L"owner")) {
    HWND owner = NULL;
    ParseHwnd(*o, &owner);
    if (w.owner != owner) return false;
  }
  return true;
}

std::string JsonRect(const RECT& r) {
  return "[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + "]";
}

// The window's client area in screen coordinates: [left, top, right, bottom].
std::string ClientRect(HWND hwnd) {
  RECT r = {};
  GetClientRect(hwnd, &r);
  MapWindowPoints(hwnd, NULL, (POINT*)&r, 2);
  return JsonRect(r);
}

std::string DescribeTop(const TopWindow& w) {
  return "\"hwnd\":" + JsonHwnd(w.hwnd) + ",\"pid\":" + std::to_string(w.pid) +
         ",\"class\":" + JsonString(w.cls) + ",\"title\":" +
         JsonString(w.title) + ",\"visible\":" + JsonBool(w.visible) +
         ",\"owner\":" + JsonHwnd(w.owner) + ",\"client\":" +
         ClientRect(w.hwnd);
}

HWND Control(HWND dialog, long id) {
  return id == 0 ? dialog : GetDlgItem(dialog, (int)id);
}

std::string DescribeControl(HWND ctl) {
  std::wstring cls = ClassOf(ctl);
  std::string out = "\"id\":" + std::to_string(GetDlgCtrlID(ctl)) +
                    ",\"hwnd\":" + JsonHwnd(ctl) +
                    ",\"class\":" + JsonString(cls) +
                    ",\"text\":" + JsonString(TextOf(ctl)) +
                    ",\"visible\":" + JsonBool(HasStyle(ctl, WS_VISIBLE)) +
                    ",\"enabled\":" + JsonBool(!HasStyle(ctl, WS_DISABLED));
  DWORD_PTR value = 0;
  if (lstrcmpiW(cls.c_str(), L"Button") == 0) {
    SendMessageTimeoutW(ctl, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG,
                        kSendTimeoutMs, &value);
    out += ",\"checked\":" + std::to_string((int)value);
  } else if (lstrcmpiW(cls.c_str(), PROGRESS_CLASSW) == 0) {
    SendMessageTimeoutW(ctl, PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG,
                        kSendTimeoutMs, &value);
    out += ",\"position\":" + std::to_string((int)value);
  }
  return out;
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM param) {
  auto* list = reinterpret_cast<std::vector<HWND>*>(param);
  list->push_back(hwnd);
  return TRUE;
}

// ---- memory in the target process, for the list view -----------------------

// A block of memory in another process, freed when it goes out of scope.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND owner, SIZE_T size) : size_(size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(owner, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ |
                               PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
                           FALSE, pid);
    if (process_)
      address_ = VirtualAllocEx(process_, NULL, size, MEM_COMMIT | MEM_RESERVE,
                                PAGE_READWRITE);
  }
  ~RemoteBuffer() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  bool valid() const { return address_ != NULL; }
  char* at(SIZE_T offset) const { return (char*)address_ + offset; }
  bool Write(SIZE_T offset, const void* data, SIZE_T size) {
    SIZE_T done = 0;
    return offset + size <= size_ &&
           WriteProcessMemory(process_, at(offset), data, size, &done) &&
           done == size;
  }
  bool Read(SIZE_T offset, void* data, SIZE_T size) {
    SIZE_T done = 0;
    return offset + size <= size_ &&
           ReadProcessMemory(process_, at(offset), data, size, &done) &&
           done == size;
  }

 private:
  HANDLE process_ = NULL;
  void* address_ = NULL;
  SIZE_T size_;
};

const int kTextChars = 512;
const SIZE_T kTextOffset = 256;  // the text buffer follows the item record

LRESULT Send(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                      &result);
  return (LRESULT)result;
}

// Asks LIST for a text through MEM, memory in the list's process: RECORD
// (an LVITEMW or LVCOLUMNW) goes at the start, the text buffer after it.
template <class Record>
std::wstring RemoteText(HWND list, RemoteBuffer& mem, UINT message, WPARAM index,
                        Record record) {
  record.pszText = (LPWSTR)mem.at(kTextOffset);
  record.cchTextMax = kTextChars;
  wchar_t empty = 0;
  mem.Write(kTextOffset, &empty, sizeof empty);
  if (!mem.Write(0, &record, sizeof record)) return std::wstring();
  Send(list, message, index, (LPARAM)mem.at(0));
  std::vector<wchar_t> text(kTextChars + 1, 0);
  mem.Read(kTextOffset, text.data(), kTextChars * sizeof(wchar_t));
  return text.data();
}

std::wstring ListItemText(HWND list, RemoteBuffer& mem, int row, int column) {
  LVITEMW item = {};
  item.iSubItem = column;
  return RemoteText(list, mem, LVM_GETITEMTEXTW, row, item);
}

std::wstring ListColumnText(HWND list, RemoteBuffer& mem, int column) {
  LVCOLUMNW col = {};
  col.mask = LVCF_TEXT;
  return RemoteText(list, mem, LVM_GETCOLUMNW, column, col);
}

// ---- commands --------------------------------------------------------------

typedef std::string (*Command)(const Args&);

std::string NeedControl(const Args& args, size_t count, HWND* dialog,
                        HWND* ctl) {
  if (args.positional.size() < count)
    return Fail(L"missing arguments");
  if (!ParseHwnd(args.positional[0], dialog))
    return Fail(L"no such window: " + args.positional[0]);
  long id = 0;
  if (count >= 2) {
    if (!ParseNumber(args.positional[1], &id))
      return Fail(L"bad control id: " + args.positional[1]);
  }
  *ctl = Control(*dialog, id);
  if (!*ctl) return Fail(L"no control " + args.positional[1]);
  return std::string();
}

// windows: every top-level window of every desktop.
std::string CmdWindows(const Args&) {
  std::string out = "\"windows\":[";
  bool first = true;
  for (const TopWindow& w : AllTopWindows()) {
    if (!first) out += ",";
    first = false;
    out += "{" + DescribeTop(w) + "}";
  }
  return Ok(out + "]");
}

// wait title=... [class=...] [pid=...] [owner=...] [timeout=ms]: the first
// visible top-level window that matches.
std::string CmdWait(const Args& args) {
  DWORD start = GetTickCount();
  for (;;) {
    for (const TopWindow& w : AllTopWindows())
      if (Matches(w, args)) return Ok(DescribeTop(w));
    if (GetTickCount() - start >= args.Timeout())
      return Fail(L"timeout waiting for window");
    Sleep(kPollMs);
  }
}

// absent title=... [...] [timeout=ms]: wait until no visible window matches.
std::string CmdAbsent(const Args& args) {
  DWORD start = GetTickCount();
  for (;;) {
    bool found = false;
    for (const TopWindow& w : AllTopWindows())
      if (Matches(w, args)) found = true;
    if (!found) return Ok();
    if (GetTickCount() - start >= args.Timeout())
      return Fail(L"timeout: window still there");
    Sleep(kPollMs);
  }
}

// gone HWND [timeout=ms]: wait until the window is destroyed.
std::string CmdGone(const Args& args) {
  if (args.positional.empty()) return Fail(L"missing window");
  unsigned long value = wcstoul(args.positional[0].c_str(), NULL, 0);
  HWND hwnd = (HWND)(ULONG_PTR)value;
  DWORD start = GetTickCount();
  while (IsWindow(hwnd) && HasStyle(hwnd, WS_VISIBLE)) {
    if (GetTickCount() - start >= args.Timeout())
      return Fail(L"timeout: window still there");
    Sleep(kPollMs);
  }
  return Ok();
}

// exited PID [timeout=ms]: wait for the process to end; gives its exit code.
std::string CmdExited(const Args& args) {
  if (args.positional.empty()) return Fail(L"missing pid");
  DWORD pid = wcstoul(args.positional[0].c_str(), NULL, 0);
  HANDLE process =
      OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid);
  if (!process) return Ok("\"exitCode\":null");  // already gone
  DWORD wait = WaitForSingleObject(process, args.Timeout());
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  CloseHandle(process);
  if (wait != WAIT_OBJECT_0) return Fail(L"timeout: process still running");
  return Ok("\"exitCode\":" + std::to_string(code));
}

// kill PID: ends a process at once (a test's clean-up).
std::string CmdKill(const Args& args) {
  if (args.positional.empty()) return Fail(L"missing pid");
  DWORD pid = wcstoul(args.positional[0].c_str(), NULL, 0);
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
  if (!process) return Ok();  // already gone
  TerminateProcess(process, 1);
  WaitForSingleObject(process, args.Timeout());
  CloseHandle(process);
  return Ok();
}

// controls HWND: every child control with id, class, text, visibility,
// enabled state and, for buttons, the check state, for progress bars the
// position.
std::string CmdControls(const Args& args) {
  HWND dialog = NULL, ctl = NULL;
  std::string err = NeedControl(args, 1, &dialog, &ctl);
  if (!err.empty()) return err;
  std::vector<HWND> children;
  EnumChildWindows(dialog, CollectChild, (LPARAM)&children);
  std::string out = "\"controls\":[";
  bool first = true;
  for (HWND child : children) {
    if (GetParent(child) != dialog) continue;
    if (!first) out += ",";
    first = false;
    out += "{" + DescribeControl(child) + "}";
  }
  return Ok(out + "]");
}

// control HWND ID: one control as in "controls" (ID 0: the window itself).
std::string CmdControl(const Args& args) {
  HWND dialog = NULL, ctl = NULL;
  std::string err = NeedControl(args, 2, &dialog, &ctl);
  if (!err.empty()) return err;
  return Ok(DescribeControl(ctl));
}

// focus HWND: the control that has the keyboard focus in the window's thread.
std::string CmdFocus(const Args& args) {
  HWND dialog = NULL, ctl = NULL;
  std::string err = NeedControl(args, 1, &dialog, &ctl);
  if (!err.empty()) return err;
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog, NULL), &info) ||
      !info.hwndFocus)
    return Ok("\"id\":null");
  return Ok("\"id\":" + std::to_string(GetDlgCtrlID(info.hwndFocus)) +
            ",\"hwnd\":" + JsonHwnd(info.hwndFocus));
}

// click HWND ID: a click on a button, posted so that a modal dialog the
// click opens does not block us.
std::string CmdClick(const Args& args) {
  HWND dialog = NULL, ctl = NULL;
  std::string err = NeedControl(args, 2, &dialog, &ctl);
  if (!err.empty()) return err;
  PostMessageW(ctl, BM_CLICK, 0, 0);
  return Ok();
}

// command HWND ID [CODE]: posts WM_COMMAND from the control to the dialog.
std::string CmdCommand(const Args& args) {
  HWND dialog = NULL, ctl = NULL;
  if (args.positional.size() < 2) return Fail(L"missing arguments");
  if (!ParseHwnd(args.positional[0], &dialog)) return Fail(L"no such window");
  long id = 0, code = BN_CLICKED;
  if (!ParseNumber(args.positional[1], &id)) return Fail(L"bad id");
  if (args.positional.size() > 2 && !ParseNumber(args.positional[2], &code))
    return Fail(L"bad notification code");
  ctl = GetDlgItem(dialog, (int)id);
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, code), (LPARAM)ctl);
  return Ok();
}

// syscommand HWND CMD: posts WM_SYSCOMMAND, e.g. 0xF060 (the close box).
std::string CmdSysCommand(const Args& args) {
  HWND dialog = NULL, ctl = NULL;
  std::string err = NeedControl(args, 1, &dialog, &ctl);
  if (!err.empty()) return err;
  long cmd = 0;
  if (args.positional.size() < 2 || !ParseNumber(args.positional[1], &cmd))
    return Fail(L"bad system command");
  PostMessageW(dialog, WM_SYSCOMMAND, (WPARAM)cmd, 0);
  return Ok();
}

// key HWND enter|esc|tab|space: a key press at the focused control of the
// window's thread (or the window itself when nothing has the focus), the way
// the keyboard would deliver it, so the dialog manager handles it.
std::string CmdKey(const Args& args) {
  HWND dialog = NULL, ctl = NULL;
  std::string err = NeedControl(args, 1, &dialog, &ctl);
  if (!err.empty()) return err;
  if (args.positional.size() < 2) return Fail(L"missing key");
  const std::wstring& name = args.positional[1];
  UINT vk = 0;
  if (name == L"enter") vk = VK_RETURN;
  else if (name == L"esc") vk = VK_ESCAPE;
  else if (name == L"tab") vk = VK_TAB;
  else if (name == L"space") vk = VK_SPACE;
  else return Fail(L"unknown key: " + name);
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  HWND target = dialog;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(dialog, NULL), &info) &&
      info.hwndFocus)
    target = info.hwndFocus;
  UINT scan = MapVirtualKeyW(vk, 0);
  PostMessageW(target, WM_KEYDOWN, vk, 1 | (scan << 16));
  PostMessageW(target, WM_KEYUP, vk, 1 | (scan << 16) | 0xC0000000u);
  return Ok("\"target\":" + JsonHwnd(target) + ",\"targetId\":" +
            std::to_string(GetDlgCtrlID(target)));
}

// settext HWND ID TEXT: puts TEXT into a control, e.g. an edit box.
std::string CmdSetText(const Args& args) {
  HWND dialog = NULL, ctl = NULL;
  std::string err = NeedControl(args, 3, &dialog, &ctl);
  if (!err.empty()) return err;
  DWORD_PTR done = 0;
  if (!SendMessageTimeoutW(ctl, WM_SETTEXT, 0,
                           (LPARAM)args.positional[2].c_str(),
                           SMTO_ABORTIFHUNG, kSendTimeoutMs, &done) ||
      !done)
    return Fail(L"the control took no text");
  return Ok();
}

// combo HWND ID: the items of a combo box and its selection.
std::string CmdCombo(const Args& args) {
  HWND dialog = NULL, ctl = NULL;
  std::string err = NeedControl(args, 2, &dialog, &ctl);
  if (!err.empty()) return err;
  int count = (int)Send(ctl, CB_GETCOUNT, 0, 0);
  int sel = (int)Send(ctl, CB_GETCURSEL, 0, 0);
  std::string items = "[";
  std::wstring selected;
  for (int i = 0; i < count; ++i) {
    int len = (int)Send(ctl, CB_GETLBTEXTLEN, i, 0);
    std::vector<wchar_t> buf(len > 0 ? len + 1 : 1, 0);
    if (len > 0) Send(ctl, CB_GETLBTEXT, i, (LPARAM)buf.data());
    if (i) items += ",";
    items += JsonString(buf.data());
    if (i == sel) selected = buf.data();
  }
  return Ok("\"selected\":" + std::to_string(sel) + ",\"text\":" +
            JsonString(selected) + ",\"items\":" + items + "]");
}

// select HWND ID INDEX: selects a combo item and tells the dialog, as a
// user's choice would.
std::string CmdSelect(const Args& args) {
  HWND dialog = NULL, ctl = NULL;
  std::string err = NeedControl(args, 3, &dialog, &ctl);
  if (!err.empty()) return err;
  long index = 0;
  if (!ParseNumber(args.positional[2], &index)) return Fail(L"bad index");
  if ((int)Send(ctl, CB_SETCURSEL, index, 0) != index)
    return Fail(L"no such item");
  // Sent, not posted: the page has handled the change when this returns.
  Send(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(ctl), CBN_SELCHANGE),
       (LPARAM)ctl);
  return Ok();
}

// listview HWND ID: columns and rows of a list view, each row with its
// texts and whether it is selected.
std::string CmdListView(const Args& args) {
  HWND dialog = NULL, list = NULL;
  std::string err = NeedControl(args, 2, &dialog, &list);
  if (!err.empty()) return err;
  RemoteBuffer mem(list, kTextOffset + (kTextChars + 1) * sizeof(wchar_t));
  if (!mem.valid()) return Fail(L"cannot reach the list's process");
  HWND header = (HWND)Send(list, LVM_GETHEADER, 0, 0);
  int columns = header ? (int)Send(header, HDM_GETITEMCOUNT, 0, 0) : 0;
  if (columns < 1) columns = 1;
  std::string out = "\"columns\":[";
  for (int c = 0; c < columns; ++c) {
    if (c) out += ",";
    out += JsonString(ListColumnText(list, mem, c));
  }
  out += "],\"rows\":[";
  int count = (int)Send(list, LVM_GETITEMCOUNT, 0, 0);
  for (int r = 0; r < count; ++r) {
    UINT state = (UINT)Send(list, LVM_GETITEMSTATE, r,
                            LVIS_SELECTED | LVIS_FOCUSED);
    if (r) out += ",";
    out += "{\"selected\":" + JsonBool(state & LVIS_SELECTED) +
           ",\"focused\":" + JsonBool(state & LVIS_FOCUSED) + ",\"texts\":[";
    for (int c = 0; c < columns; ++c) {
      if (c) out += ",";
      out += JsonString(ListItemText(list, mem, r, c));
    }
    out += "]}";
  }
  return Ok(out + "]");
}

// lvselect HWND ID ROW: selects and focuses a list-view row (-1: clears the
// selection of every row).
std::string CmdListViewSelect(const Args& args) {
  HWND dialog = NULL, list = NULL;
  std::string err = NeedControl(args, 3, &dialog, &list);
  if (!err.empty()) return err;
  long row = 0;
  if (!ParseNumber(args.positional[2], &row)) return Fail(L"bad row");
  RemoteBuffer mem(list, sizeof(LVITEMW));
  if (!mem.valid()) return Fail(L"cannot reach the list's process");
  LVITEMW item = {};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = row < 0 ? 0 : LVIS_SELECTED | LVIS_FOCUSED;
  if (!mem.Write(0, &item, sizeof item)) return Fail(L"cannot write item");
  if (!Send(list, LVM_SETITEMSTATE, (WPARAM)row, (LPARAM)mem.at(0)))
    return Fail(L"no such row");
  return Ok();
}

struct Verb {
  const wchar_t* name;
  Command run;
};

const Verb kVerbs[] = {
    {L"windows", CmdWindows},   {L"wait", CmdWait},
    {L"absent", CmdAbsent},     {L"gone", CmdGone},
    {L"exited", CmdExited},     {L"kill", CmdKill},
    {L"controls", CmdControls},
    {L"control", CmdControl},   {L"focus", CmdFocus},
    {L"click", CmdClick},       {L"command", CmdCommand},
    {L"syscommand", CmdSysCommand}, {L"key", CmdKey},
    {L"settext", CmdSetText},
    {L"combo", CmdCombo},       {L"select", CmdSelect},
    {L"listview", CmdListView}, {L"lvselect", CmdListViewSelect},
};

std::string Run(const std::vector<std::wstring>& fields) {
  if (fields.empty()) return Fail(L"empty command");
  for (const Verb& v : kVerbs)
    if (fields[0] == v.name) return v.run(ParseArgs(fields));
  return Fail(L"unknown command: " + fields[0]);
}

void WriteLine(const std::string& line) {
  std::string out = line + "\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), out.data(), (DWORD)out.size(),
            &written, NULL);
}

bool ReadLine(std::string* line) {
  line->clear();
  HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  for (;;) {
    char c;
    DWORD got = 0;
    if (!ReadFile(in, &c, 1, &got, NULL) || got == 0) return !line->empty();
    if (c == '\n') return true;
    if (c != '\r') *line += c;
  }
}

std::vector<std::wstring> SplitTabs(const std::string& line) {
  std::vector<std::wstring> fields;
  size_t start = 0;
  for (;;) {
    size_t tab = line.find('\t', start);
    fields.push_back(FromUtf8(line.substr(start, tab - start)));
    if (tab == std::string::npos) break;
    start = tab + 1;
  }
  return fields;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc >= 2 && std::wstring(argv[1]) != L"-") {
    std::vector<std::wstring> fields(argv + 1, argv + argc);
    std::string answer = Run(fields);
    WriteLine(answer);
    return answer.compare(0, 10, "{\"ok\":true") == 0 ? 0 : 1;
  }
  std::string line;
  while (ReadLine(&line)) {
    if (line == "quit") break;
    if (line.empty()) continue;
    WriteLine(Run(SplitTabs(line)));
  }
  return 0;
}
