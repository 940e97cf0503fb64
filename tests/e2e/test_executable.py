"""The delivered file: a 32-bit GUI program that needs nothing but Windows'
own DLLs, carries no manifest, and holds the resources the wizard uses."""

import re
import subprocess
import unittest

from harness import DRIVERSETUP_EXE
from pe_image import (RT_DIALOG, RT_DLGINIT, RT_GROUP_ICON, RT_MANIFEST,
                      RT_STRING, PeImage)

# DLLs every Windows from 2000 on has in its system folder.
WINDOWS_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll",
    "shell32.dll", "comctl32.dll", "comdlg32.dll", "winspool.drv",
    "msvcrt.dll", "ole32.dll", "oleaut32.dll", "shlwapi.dll", "version.dll",
}

# (resource type, id) the wizard loads: the page templates, the list items
# of the settings page, the icon and the string table block of string 101.
RESOURCES = [
    (RT_DIALOG, 100), (RT_DIALOG, 102), (RT_DIALOG, 129), (RT_DIALOG, 138),
    (RT_DIALOG, 139), (RT_DLGINIT, 102), (RT_GROUP_ICON, 128),
    (RT_STRING, 101 // 16 + 1),
]


class ExecutableTest(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.image = PeImage(DRIVERSETUP_EXE)
        cls.resources = cls.image.resources()

    def test_is_a_32_bit_windows_gui_program(self):
        kind = subprocess.run(["file", "-b", str(DRIVERSETUP_EXE)],
                              capture_output=True, text=True, check=True)
        self.assertRegex(kind.stdout, r"^PE32 executable \(GUI\) Intel 80386")

    def test_imports_only_windows_dlls(self):
        dump = subprocess.run(["i686-w64-mingw32-objdump", "-p",
                               str(DRIVERSETUP_EXE)],
                              capture_output=True, text=True, check=True)
        imported = {n.lower() for n in
                    re.findall(r"DLL Name: (\S+)", dump.stdout)}
        self.assertTrue(imported)
        self.assertEqual(imported - WINDOWS_DLLS, set())

    def test_has_no_manifest(self):
        self.assertNotIn(RT_MANIFEST, self.resources)

    def test_version_is_9_0_0_0(self):
        self.assertEqual(self.image.fixed_versions(),
                         ((9, 0, 0, 0), (9, 0, 0, 0)))
        self.assertEqual(self.image.version_string("FileVersion"), "9, 0, 0, 0")
        self.assertEqual(self.image.version_string("ProductVersion"),
                         "9, 0, 0, 0")

    def test_holds_the_resources_the_wizard_loads(self):
        for rtype, rid in RESOURCES:
            with self.subTest(type=rtype, id=rid):
                self.assertIn(rid, self.resources.get(rtype, {}))


if __name__ == "__main__":
    unittest.main()
