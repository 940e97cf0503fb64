"""The USB driver launcher (button 1022 of the first page): it starts the
installer that fits the Windows it runs on, once per press, and says so
when the installer cannot be started."""

import time
import unittest

from harness import MESSAGE_TEXT_ID, WizardTestCase, winerig

MISSING_INSTALLER = "无法启动 USB 驱动安装程序："
STARTS_WAIT_S = 20


class UsbLauncherCases:
    """Run once per prefix kind; INSTALLER is the one that must start."""

    INSTALLER = None      # (media folder, file name)
    OTHER = None

    def installer_path(self, which):
        folder, name = which
        return self.session.media / "USB Driver" / folder / name

    def starts(self, which):
        """How many times the stand-in of WHICH has been started."""
        record = self.installer_path(which).with_name(which[1] + ".starts")
        return len(record.read_text().splitlines()) if record.exists() else 0

    def wait_starts(self, which, count):
        deadline = time.monotonic() + STARTS_WAIT_S
        while self.starts(which) < count and time.monotonic() < deadline:
            time.sleep(0.1)
        time.sleep(0.5)  # a start too many would show up by now
        self.assertEqual(self.starts(which), count)

    def setUp(self):
        super().setUp()
        self.session.lay_out_media()

    def test_each_press_starts_the_installer_once(self):
        wizard, page = self.start()
        for presses in (1, 2):
            page.click(1022)
            self.wait_starts(self.INSTALLER, presses)
        self.assertEqual(self.starts(self.OTHER), 0)
        self.assertTrue(page.is_open())

    def test_missing_installer_is_reported_and_the_page_stays(self):
        self.installer_path(self.INSTALLER).unlink()
        wizard, page = self.start()
        page.click(1022)
        box = wizard.message_box(owner=page)
        expected = MISSING_INSTALLER + winerig.windows_path(
            self.installer_path(self.INSTALLER))
        self.assertTrue(box.text(MESSAGE_TEXT_ID).startswith(expected),
                        f"{box.text(MESSAGE_TEXT_ID)!r} should start with {expected!r}")
        self.screenshot(f"usb-installer-missing-{self.ARCH}", box)
        box.click(1)
        box.wait_closed()
        self.assertTrue(page.is_open())
        self.assertEqual(self.starts(self.OTHER), 0)


class UsbLauncher32BitTest(UsbLauncherCases, WizardTestCase):
    ARCH = "win32"
    INSTALLER = ("x86", "dpinstx86.exe")
    OTHER = ("x64", "dpinstx64.exe")


class UsbLauncher64BitTest(UsbLauncherCases, WizardTestCase):
    ARCH = "win64"
    INSTALLER = ("x64", "dpinstx64.exe")
    OTHER = ("x86", "dpinstx86.exe")


if __name__ == "__main__":
    unittest.main()
