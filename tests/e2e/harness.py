"""End-to-end harness: runs DriverSetup.exe under Wine from a demo media
folder and drives its windows (scripts/lib/wizdriver.py).

A test module subclasses WizardTestCase; the class gets its own copy of a
base prefix (made once per build tree by the e2e_prefixes test), its own
media folder, its own headless X display and one wizctl session. Each test
starts the wizard with start() and leaves it to tearDown to end it.

Where the programs are comes from the environment CTest sets (E2E_*); run
by hand, the defaults point into build/win32. Each session's prefix copy is
deleted when the session ends, unless E2E_KEEP_PREFIXES=1.
"""

import os
import sys
import unittest
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(REPO / "scripts" / "lib"))
import winerig  # noqa: E402
from wizdriver import *  # noqa: E402,F401,F403  (captions, ids, WizctlError)
from wizdriver import OS_PAGE, Tools, WineSession  # noqa: E402

BUILD = REPO / "build" / "win32"


def _setting(name, default):
    return Path(os.environ.get(name, default))


DRIVERSETUP_EXE = _setting("E2E_DRIVERSETUP", BUILD / "DriverSetup.exe")
TOOLS = Tools(
    DRIVERSETUP_EXE,
    _setting("E2E_WIZCTL", BUILD / "tests/wine/wizctl.exe"),
    _setting("E2E_STANDIN", BUILD / "tests/wine/usb_installer_standin.exe"))
PREFIXES = _setting("E2E_PREFIXES", REPO / "build" / "wine")
WORK = _setting("E2E_WORK", BUILD / "tests/e2e/work")
SCREENSHOTS = _setting("E2E_SCREENSHOTS", REPO / "build" / "screenshots")

# A prefix copy takes about 600 MB: sessions delete theirs when they end,
# unless asked to keep them, e.g. to look into a failure.
KEEP_PREFIXES = os.environ.get("E2E_KEEP_PREFIXES") == "1"

# A page whose controls are drawn has text and frames over a few per cent of
# its client area; one whose controls were never painted has none.
MIN_PAINTED_SHARE = 0.005
SCREENSHOT_ATTEMPTS = 4


def private_session(name, arch):
    """A session on a fresh copy of the base prefix of ARCH, under WORK/NAME."""
    base = winerig.make_prefix(winerig.base_prefix(PREFIXES, arch), arch)
    prefix = winerig.clone_prefix(base, WORK / name / "prefix")
    return WineSession(prefix, arch, WORK / name / "media", TOOLS,
                       SCREENSHOTS, dispose_prefix=not KEEP_PREFIXES)


class WizardTestCase(unittest.TestCase):
    """Base class of the end-to-end tests: one private session per class,
    or per test when the tests change the prefix (SESSION_PER_TEST)."""

    ARCH = "win32"
    SESSION_PER_TEST = False
    session = None

    @classmethod
    def setUpClass(cls):
        if not cls.SESSION_PER_TEST:
            cls.session = private_session(
                f"{cls.__module__}.{cls.__name__}", cls.ARCH)

    @classmethod
    def tearDownClass(cls):
        if cls.session is not None:
            cls.session.close()
            cls.session = None

    def setUp(self):
        if self.SESSION_PER_TEST:
            self.session = private_session(
                f"{type(self).__module__}.{type(self).__name__}."
                f"{self._testMethodName}", self.ARCH)

    def tearDown(self):
        if self.SESSION_PER_TEST:
            self.session.close()
        else:
            self.session.stop_wizard()

    def screenshot(self, name, window):
        """Saves the screen as NAME.png and checks that WINDOW was drawn
        (a busy machine may need a moment more to paint it)."""
        for _ in range(SCREENSHOT_ATTEMPTS):
            path = self.session.screenshot(name)
            share = self.session.painted_share(window, path)
            if share > MIN_PAINTED_SHARE:
                return path
        self.fail(f"{window.title!r} shows nothing in {path}")

    def start(self):
        """Starts the wizard; gives it and its first page."""
        wizard = self.session.start_wizard()
        return wizard, wizard.wait_window(OS_PAGE)
