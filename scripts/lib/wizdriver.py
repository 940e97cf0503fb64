"""Drives DriverSetup.exe under Wine: starts it from a media folder inside
a Wine virtual desktop and works its windows through wizctl.exe (the
automation client in tests/wine). Used by the end-to-end tests and by
scripts/run."""

import json
import queue
import shutil
import subprocess
import threading
import time
from pathlib import Path

import winerig

# Captions of the wizard's windows; message boxes carry the program's name.
OS_PAGE = "选择操作系统 (x86/x64)"
SETTINGS_PAGE = "详细设置 (x86/x64)"
PORT_PAGE = "选择端口 (x86/x64)"
NEW_PORT_DIALOG = "创建端口"
ABOUT_BOX = "关于 VELT"
APP_TITLE = "DriverSetup"
DIALOG_CLASS = "#32770"

# Commands and ids every dialog and message box shares.
IDOK = 1
IDCANCEL = 2
SC_CLOSE = 0xF060
MESSAGE_TEXT_ID = 65535  # the text of Wine's message box

# The settings page's controls, and the texts the wizard shows.
MODEL_LIST, DEFAULT_BOX, NAME_BOX = 1011, 1012, 1013
INITIAL_NAME_TEXT = "请选择打印机型号"
COMPLETION = "驱动安装完成"
ROW1 = "KQ-7210(Cut) Series"  # the model preselected on the settings page
ROW5 = "KQ-7250W Series"      # the first model with the plug-in files

# Where the installation's results are read back in a prefix.
PRINT_KEY = r"HKLM\System\CurrentControlSet\Control\Print"
PRINTERS_KEY = PRINT_KEY + r"\Printers"
X86_DRIVERS_KEY = PRINT_KEY + r"\Environments\Windows NT x86\Drivers\Version-3"
X64_DRIVERS_KEY = PRINT_KEY + r"\Environments\Windows x64\Drivers\Version-3"
PORTS_KEY = r"HKLM\Software\Microsoft\Windows NT\CurrentVersion\Ports"
WINDOWS_KEY = r"HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows"
DRIVERS = "drive_c/windows/system32/spool/drivers"

WAIT_MS = 20000          # the longest any single wait may take
DESKTOP = "DriverSetup"
DESKTOP_SIZE = "800x600"


class WizctlError(AssertionError):
    pass


class Wizctl:
    """One running "wizctl.exe -" session: a command per line, a JSON answer
    per line."""

    def __init__(self, env, exe):
        self.process = subprocess.Popen(
            ["wine", str(exe), "-"], env=env,
            stdin=subprocess.PIPE, stdout=subprocess.PIPE,
            stderr=subprocess.DEVNULL)
        self.answers = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.process.stdout:
            self.answers.put(line)
        self.answers.put(None)

    def call(self, *fields, wait_ms=0):
        """Runs one command; returns its answer, raises WizctlError if it
        failed. WAIT_MS bounds how long the command may wait inside."""
        line = "\t".join(str(f) for f in fields) + "\n"
        try:
            self.process.stdin.write(line.encode("utf-8"))
            self.process.stdin.flush()
            raw = self.answers.get(timeout=wait_ms / 1000 + 30)
        except (OSError, queue.Empty):
            raise WizctlError(f"wizctl did not answer {fields!r}")
        if raw is None:
            raise WizctlError(f"wizctl ended during {fields!r}")
        answer = json.loads(raw.decode("utf-8"))
        if not answer.get("ok"):
            raise WizctlError(f"{fields!r}: {answer.get('error')}")
        return answer

    def close(self):
        try:
            self.process.stdin.write(b"quit\n")
            self.process.stdin.close()
            self.process.wait(10)
        except (OSError, subprocess.TimeoutExpired):
            self.process.kill()
            self.process.wait()
        self.process.stdout.close()


class Window:
    """A top-level window of the wizard (a page, a dialog, a message box)."""

    def __init__(self, session, info):
        self.session = session
        self.hwnd = info["hwnd"]
        self.pid = info["pid"]
        self.title = info["title"]
        self.client = info["client"]  # screen coordinates

    def _ctl(self, *fields, wait_ms=0):
        return self.session.ctl.call(fields[0], self.hwnd, *fields[1:],
                                     wait_ms=wait_ms)

    def controls(self):
        """Every child control by id: class, text, visible, enabled, checked."""
        return {c["id"]: c for c in self._ctl("controls")["controls"]}

    def control(self, control_id):
        return self._ctl("control", control_id)

    def text(self, control_id=0):
        return self.control(control_id)["text"]

    def checked_buttons(self):
        """The ids of the buttons that are checked, in template order."""
        return [i for i, c in self.controls().items() if c.get("checked") == 1]

    def focus_id(self):
        return self._ctl("focus")["id"]

    def click(self, control_id):
        self._ctl("click", control_id)

    def command(self, control_id, code=0):
        self._ctl("command", control_id, code)

    def key(self, name):
        """Presses enter, esc, tab or space where the focus is."""
        self._ctl("key", name)

    def close_box(self):
        self._ctl("syscommand", SC_CLOSE)

    def syscommand(self, command):
        self._ctl("syscommand", command)

    def set_text(self, control_id, text):
        self._ctl("settext", control_id, text)

    def combo(self, control_id):
        """{"selected": index, "text": ..., "items": [...]}"""
        return self._ctl("combo", control_id)

    def select(self, control_id, index):
        self._ctl("select", control_id, index)

    def listview(self, control_id):
        """{"columns": [...], "rows": [{"selected", "focused", "texts"}]}"""
        return self._ctl("listview", control_id)

    def select_row(self, control_id, row):
        self._ctl("lvselect", control_id, row)

    def is_open(self):
        try:
            self.session.ctl.call("gone", self.hwnd, "timeout=0")
            return False
        except WizctlError:
            return True

    def wait_closed(self, timeout_ms=WAIT_MS):
        self.session.ctl.call("gone", self.hwnd, f"timeout={timeout_ms}",
                              wait_ms=timeout_ms)


class Wizard:
    """One run of DriverSetup.exe inside a Wine virtual desktop."""

    def __init__(self, session):
        self.session = session
        self.pid = None
        self.process = subprocess.Popen(
            ["wine", "explorer", f"/desktop={DESKTOP},{DESKTOP_SIZE}",
             "DriverSetup.exe"],
            cwd=session.media, env=session.env, stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def wait_window(self, title, timeout_ms=WAIT_MS, **filters):
        """The wizard's visible top-level window called TITLE, once it shows."""
        if self.pid is not None:
            filters.setdefault("pid", self.pid)
        window = self.session.wait_window(title, timeout_ms, **filters)
        if self.pid is None:
            self.pid = window.pid
        return window

    def message_box(self, owner=None, timeout_ms=WAIT_MS):
        filters = {"owner": owner.hwnd} if owner else {}
        return self.wait_window(APP_TITLE, timeout_ms, **filters)

    def visible_windows(self):
        return [w for w in self.session.windows()
                if w["pid"] == self.pid and w["visible"]]

    def wait_exit(self, timeout_ms=WAIT_MS):
        """Waits for the program to end; gives its exit code."""
        if self.pid is None:
            raise WizctlError("the wizard never showed a window")
        try:
            answer = self.session.ctl.call("exited", self.pid,
                                           f"timeout={timeout_ms}",
                                           wait_ms=timeout_ms)
        except WizctlError:
            shown = [w["title"] for w in self.visible_windows()]
            raise WizctlError(f"the wizard did not end; it shows {shown}")
        try:
            self.process.wait(timeout_ms / 1000)
        except subprocess.TimeoutExpired:
            raise WizctlError("the virtual desktop did not close")
        return answer["exitCode"]

    def kill(self):
        if self.pid is not None:
            try:
                self.session.ctl.call("kill", self.pid, "timeout=5000",
                                      wait_ms=5000)
            except WizctlError:
                pass
        try:
            self.process.wait(15)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


class Tools:
    """The programs a session runs: the wizard, wizctl and the stand-in."""

    def __init__(self, driversetup, wizctl, standin):
        self.driversetup = Path(driversetup)
        self.wizctl = Path(wizctl)
        self.standin = Path(standin)


class WineSession:
    """A Wine prefix (made beforehand), a media folder laid out afresh, an X
    display (a private headless one unless DISPLAY is given) and a wizctl
    session. Screenshots go to SCREENSHOTS. With DISPOSE_PREFIX the prefix
    (a copy made for this session) is deleted when the session closes."""

    def __init__(self, prefix, arch, media, tools, screenshots,
                 display=None, dispose_prefix=False):
        self.prefix = Path(prefix)
        self.dispose_prefix = dispose_prefix
        self.arch = arch
        self.media = Path(media)
        self.tools = tools
        self.screenshots = Path(screenshots)
        self.xvfb = None
        self.ctl = None
        self.wizard = None
        try:
            self.lay_out_media()
            if display is None:
                self.xvfb = winerig.Xvfb(DESKTOP_SIZE)
                display = self.xvfb.display
            self.display = display
            self.env = winerig.wine_env(self.prefix, display)
            # The wizctl session also keeps the prefix's wineserver running,
            # so every later wine start is quick.
            self.ctl = Wizctl(self.env, tools.wizctl)
        except BaseException:
            self.close()
            raise

    def lay_out_media(self):
        winerig.lay_out_media(self.media, self.tools.driversetup,
                              self.tools.standin)

    def set_windows_version(self, version):
        winerig.set_windows_version(self.env, version)

    def reg_query(self, key, name=None):
        return winerig.reg_query(self.env, key, name)

    def windows(self):
        return self.ctl.call("windows")["windows"]

    def wait_window(self, title, timeout_ms=WAIT_MS, **filters):
        fields = [f"title={title}", f"class={DIALOG_CLASS}",
                  f"timeout={timeout_ms}"]
        fields += [f"{k}={v}" for k, v in filters.items()]
        try:
            info = self.ctl.call("wait", *fields, wait_ms=timeout_ms)
        except WizctlError:
            shown = [w["title"] for w in self.windows()
                     if w["visible"] and w["class"] == DIALOG_CLASS]
            raise WizctlError(f"no window {title!r} appeared; shown: {shown}")
        return Window(self, info)

    def start_wizard(self):
        self.stop_wizard()
        self.wizard = Wizard(self)
        return self.wizard

    def stop_wizard(self):
        if self.wizard is not None:
            self.wizard.kill()
            self.wizard = None

    def screenshot(self, name):
        """Saves the virtual desktop as SCREENSHOTS/NAME.png."""
        time.sleep(0.7)  # let the last paint land
        return winerig.screenshot(self.display,
                                  self.screenshots / f"{name}.png",
                                  DESKTOP_SIZE)

    def painted_share(self, window, screenshot):
        """How much of WINDOW's client area is drawn dark (text, frames) in
        the SCREENSHOT file: about 0 when the controls were not painted."""
        return winerig.dark_fraction(screenshot, window.client)

    def close(self):
        """Ends the wizard, wizctl, every process of the prefix and the
        private display; safe to call on a half-made session."""
        self.stop_wizard()
        if self.ctl is not None:
            self.ctl.close()
            self.ctl = None
        winerig.kill_wineserver(winerig.wine_env(self.prefix))
        if self.dispose_prefix:
            shutil.rmtree(self.prefix, ignore_errors=True)
        if self.xvfb is not None:
            self.xvfb.stop()
            self.xvfb = None
