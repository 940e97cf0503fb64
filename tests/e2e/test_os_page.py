"""The operating-system page: which button it ticks for each Windows
version, and its Exit button."""

import unittest

from harness import WizardTestCase

# The nine radio buttons of the page.
OS_BUTTONS = (1000, 1001, 1002, 1003, 1004, 1011, 1020, 1005, 1006)

# Wine's name of the Windows version set in the prefix, the radio button the
# page ticks for it, and whether that button is shown.
VERSION_CASES = [
    ("win98", 1001, False),
    ("win2k", 1003, True),
    ("winxp", 1004, True),
    ("win2003", 1011, True),
    ("vista", 1020, True),
    ("win7", 1005, True),
    ("win8", 1006, True),
    # Wine, like Windows, reports 6.2 to a program that declares no newer
    # Windows in a manifest.
    ("win10", 1006, True),
]


class OsPageTest(WizardTestCase):

    def tearDown(self):
        super().tearDown()
        self.session.set_windows_version("win7")

    def test_ticks_the_button_of_the_windows_version(self):
        for version, button, shown in VERSION_CASES:
            with self.subTest(version=version):
                self.session.set_windows_version(version)
                wizard, page = self.start()
                controls = page.controls()
                self.assertLessEqual(set(OS_BUTTONS), set(controls))
                ticked = [i for i in OS_BUTTONS if controls[i]["checked"] == 1]
                self.assertEqual(ticked, [button])
                self.assertEqual(controls[button]["visible"], shown)
                self.screenshot(f"os-page-{version}", page)

                # Exit ends the program, with no page after it.
                page.click(1010)
                wizard.wait_exit()


if __name__ == "__main__":
    unittest.main()
