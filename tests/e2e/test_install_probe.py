"""The installation through the real Win32 adapters under Wine.

tests/wine/install_probe runs RunDriverInstall from a demo media folder and
reads back what Wine's spooler holds; the driver directory and the registry
are read here. Each test gets a fresh copy of the base prefix of its arch.
No display is needed: the probe writes the run's message boxes to stdout.
"""

import ntpath
import shutil
import subprocess
import unittest

import harness
import winerig
from harness import DRIVERS, ROW1, ROW5, WINDOWS_KEY

PROBE_EXE = harness._setting("E2E_INSTALL_PROBE",
                             harness.BUILD / "tests/wine/install_probe.exe")

DRIVER_DIRS = {"Windows NT x86": "w32x86", "Windows x64": "x64"}
ALL_CHECKPOINTS = [10, 20, 30, 40, 50, 60, 70, 80, 90, 95, 100]

COMMON_FILES = ["uniDRVui.DLL", "uniDRV.DLL", "UNIDRV.HLP", "UNIRES.DLL",
                "TTFSUB.GPD", "STDNAMES.GPD", "KQUNI.ini", "KQUNI.dll"]


class Run:
    """One "install_probe install" run: exit code, progress, outcome,
    message boxes."""

    def __init__(self, code, lines):
        self.code = code
        self.target = None
        self.progress = []
        self.outcome = None
        self.messages = []
        for fields in lines:
            if fields[0] == "target":
                self.target = fields[1]
            elif fields[0] == "progress":
                self.progress = [int(p) for p in fields[1].split()]
            elif fields[0] == "outcome":
                self.outcome = (fields[1], int(fields[2]))
            elif fields[0] == "message":
                self.messages.append(fields[1].replace("\\n", "\n"))


class ProbeSession:
    """A fresh prefix of ARCH and a media folder under WORK/NAME."""

    def __init__(self, name, arch):
        self.dir = harness.WORK / name
        base = winerig.make_prefix(winerig.base_prefix(harness.PREFIXES, arch), arch)
        self.prefix = winerig.clone_prefix(base, self.dir / "prefix")
        # The USB installers play no part here; any program fills their place.
        self.media = winerig.lay_out_media(self.dir / "media", None, PROBE_EXE)
        self.env = winerig.wine_env(self.prefix)
        self.env.pop("DISPLAY", None)

    def close(self):
        winerig.kill_wineserver(self.env)
        if not harness.KEEP_PREFIXES:
            shutil.rmtree(self.dir, ignore_errors=True)

    def probe(self, *args):
        result = subprocess.run(
            ["wine", str(PROBE_EXE), *args], cwd=self.media, env=self.env,
            stdin=subprocess.DEVNULL, capture_output=True, timeout=180)
        # The probe's texts are in the ANSI code page: GBK under zh_CN.
        lines = [line.split("\t")
                 for line in result.stdout.decode("gbk", "replace").splitlines()]
        return result.returncode, lines

    def install(self, model, port, make_default, target="auto"):
        code, lines = self.probe("install", target, str(model), port,
                                 "1" if make_default else "0")
        return Run(code, lines)

    def drivers(self, environment):
        """{name: fields} of the drivers registered for ENVIRONMENT."""
        code, lines = self.probe("drivers", environment)
        assert code == 0, lines
        drivers = {}
        for f in lines:
            if f[0] == "driver":
                drivers[f[1]] = {
                    "version": int(f[2]), "environment": f[3],
                    "driverPath": f[4], "dataFile": f[5], "configFile": f[6],
                    "helpFile": f[7],
                    "dependentFiles": f[8].split("|") if f[8] else [],
                    "monitorName": f[9], "defaultDataType": f[10]}
        return drivers

    def printers(self):
        """{name: (port, driver, print processor, data type)}"""
        code, lines = self.probe("printers")
        assert code == 0, lines
        return {f[1]: tuple(f[2:6]) for f in lines if f[0] == "printer"}

    def driver_dir(self, environment):
        return self.prefix / DRIVERS / DRIVER_DIRS[environment]

    def driver_dir_snapshot(self):
        """Every file under the driver directories with its contents."""
        root = self.prefix / DRIVERS
        return {str(p.relative_to(root)): p.read_bytes()
                for p in sorted(root.rglob("*")) if p.is_file()}

    def device(self):
        return winerig.reg_query(self.env, WINDOWS_KEY, "Device")


class InstallTestCase(unittest.TestCase):
    ARCH = "win32"

    def setUp(self):
        if not PROBE_EXE.is_file():
            self.skipTest(f"{PROBE_EXE} is not built")
        self.session = ProbeSession(f"{type(self).__name__}.{self._testMethodName}",
                                    self.ARCH)

    def tearDown(self):
        self.session.close()

    def assert_files_copied(self, environment, arch_folder, names):
        """Each file in the driver directory holds what the media's ARCH_FOLDER
        holds under that name."""
        directory = self.session.driver_dir(environment)
        for name in names:
            copied = directory / name
            self.assertTrue(copied.is_file(), f"{name} not in {directory}")
            source = self.session.media / "Printer Driver" / arch_folder / name
            self.assertEqual(copied.read_bytes(), source.read_bytes(), name)

    def assert_driver(self, environment, name, gpd_stem, dependents):
        drivers = self.session.drivers(environment)
        self.assertIn(name, drivers)
        d = drivers[name]
        # The run registers version 2; Wine records its own driver subfolder's
        # version, 3.
        self.assertIn(d["version"], (2, 3))
        self.assertEqual(d["environment"], environment)
        prefix = "c:\\windows\\system32\\spool\\drivers\\" + DRIVER_DIRS[environment] + "\\"
        paths = [d["driverPath"], d["dataFile"], d["configFile"], d["helpFile"]]
        for path in paths + d["dependentFiles"]:
            self.assertTrue(path.lower().startswith(prefix), path)
        self.assertEqual([ntpath.basename(p) for p in paths],
                         ["uniDRV.DLL", gpd_stem + ".GPD", "uniDRVui.DLL", "uniDRV.HLP"])
        self.assertEqual([ntpath.basename(p) for p in d["dependentFiles"]], dependents)
        self.assertEqual(d["monitorName"], "")
        self.assertEqual(d["defaultDataType"], "RAW")


class InstallOn32BitWindowsTest(InstallTestCase):
    ARCH = "win32"

    def check_row1_installed(self, run):
        self.assertEqual(run.code, 0, run.messages)
        self.assertEqual(run.target, "Windows NT x86")
        self.assertEqual(run.outcome, ("none", 0))
        self.assertEqual(run.progress, ALL_CHECKPOINTS)
        self.assertEqual(run.messages, [])
        self.assert_files_copied("Windows NT x86", "x86",
                                 ["KQ72W.DLL", "KQ7210cut.GPD"] + COMMON_FILES)
        self.assert_driver("Windows NT x86", ROW1, "KQ7210cut",
                           ["ttfsub.GPD", "unires.DLL", "stdnames.GPD", "KQ72W.DLL"])
        self.assertEqual(self.session.printers().get(ROW1),
                         ("LPT1:", ROW1, "WinPrint", "RAW"))
        self.assertEqual(self.session.device(), ROW1 + ",winspool,LPT1:")

    def test_row1_on_lpt1_then_again_over_it(self):
        self.check_row1_installed(self.session.install(1, "LPT1:", True))
        # A second run over the first refreshes the driver and succeeds.
        self.check_row1_installed(self.session.install(1, "LPT1:", True))
        self.assertEqual(list(self.session.printers()), [ROW1])

    def test_row5_registers_the_six_entry_list(self):
        run = self.session.install(5, "COM2:", False)
        self.assertEqual(run.code, 0, run.messages)
        self.assertEqual(run.progress, ALL_CHECKPOINTS)
        self.assert_files_copied("Windows NT x86", "x86",
                                 ["KQ72W.DLL", "KQ7250W.GPD"] + COMMON_FILES)
        self.assert_driver("Windows NT x86", ROW5, "KQ7250W",
                           ["ttfsub.GPD", "unires.DLL", "stdnames.GPD",
                            "KQUNI.ini", "KQUNI.dll", "KQ72W.DLL"])
        self.assertEqual(self.session.printers().get(ROW5),
                         ("COM2:", ROW5, "WinPrint", "RAW"))
        self.assertIsNone(self.session.device())

    def test_a_missing_media_file_changes_nothing(self):
        files_before = self.session.driver_dir_snapshot()
        drivers_before = self.session.drivers("Windows NT x86")
        printers_before = self.session.printers()
        (self.session.media / "Printer Driver" / "x86" / "KQ7210cut.GPD").unlink()

        run = self.session.install(1, "LPT1:", True)
        self.assertEqual(run.code, 1)
        self.assertEqual(run.outcome, ("media-check", 2))
        self.assertEqual(run.progress, [])
        self.assertEqual(run.messages,
                         ["安装介质中缺少以下文件：\nPrinter Driver\\x86\\KQ7210cut.GPD"])
        self.assertEqual(self.session.driver_dir_snapshot(), files_before)
        self.assertEqual(self.session.drivers("Windows NT x86"), drivers_before)
        self.assertEqual(self.session.printers(), printers_before)
        self.assertIsNone(self.session.device())


class InstallOn64BitWindowsTest(InstallTestCase):
    ARCH = "win64"

    def test_x64_target_copies_and_registers_then_reports_wines_refusal(self):
        run = self.session.install(1, "LPT1:", True)
        self.assertEqual(run.target, "Windows x64")
        self.assert_files_copied("Windows x64", "x64",
                                 ["KQ72W.DLL", "KQ7210cut.GPD"] + COMMON_FILES)
        self.assert_driver("Windows x64", ROW1, "KQ7210cut",
                           ["ttfsub.GPD", "unires.DLL", "stdnames.GPD", "KQ72W.DLL"])
        self.assertNotIn(ROW1, self.session.drivers("Windows NT x86"))
        # Wine's 32-bit spooler client looks the new driver up in the x86
        # environment and refuses the printer (87); 64-bit Windows does not.
        # The run must report that, not pass it off as a success.
        self.assertEqual(run.code, 1)
        self.assertEqual(run.outcome, ("add-printer", 87))
        self.assertEqual(run.progress, ALL_CHECKPOINTS[:7])
        self.assertEqual(len(run.messages), 1)
        self.assertTrue(run.messages[0].startswith("无法创建打印机。\n"), run.messages)
        self.assertTrue(run.messages[0].endswith("(87)"), run.messages)
        self.assertNotIn(ROW1, self.session.printers())
        self.assertIsNone(self.session.device())


if __name__ == "__main__":
    unittest.main()
