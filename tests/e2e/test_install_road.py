"""The whole road through the wizard: the settings page, the port page, the
new-port dialog, the About box, Install and the completion message, and what
the installation leaves in Wine's spooler and registry."""

import time
import unittest

from harness import (ABOUT_BOX, COMPLETION, DEFAULT_BOX, DRIVERS,
                     MESSAGE_TEXT_ID, MODEL_LIST, NAME_BOX, NEW_PORT_DIALOG,
                     PORT_PAGE, PORTS_KEY, PRINTERS_KEY, ROW1, ROW5,
                     SETTINGS_PAGE, WINDOWS_KEY, X64_DRIVERS_KEY,
                     X86_DRIVERS_KEY, WizardTestCase, winerig)

# A placeholder driver registration for Windows 98 (%s: its name).
WIN40_DRIVER_REG = r"""Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\Print\Environments\Windows 4.0\Drivers\Version-0\%s]
"Driver"="UNIDRV.DLL"
"""

ABOUT_ENTRY = 16  # the system-menu command of the About box

NEXT = 1009  # the settings page's "下一步(&N) >"
# Port page controls.
PORT_LIST, CREATE_PORT, CONFIGURE_PORT, INSTALL, PROGRESS = 1021, 1008, 1009, 1022, 1025
# The settings page's hidden serial lists: port, then the five line lists.
SERIAL_PORT_LIST = 1014
LINE_LISTS = [1015, 1016, 1017, 1018, 1019]
# COM1, 9600, 7 data bits, XonXoff, Odd parity, 2 stop bits, by list id.
COM1_SETTINGS = {1014: 3, 1015: 4, 1016: 2, 1017: 1, 1018: 3, 1019: 2}
NO_PORT_CHOSEN = "请先在列表中选择一个端口。"
MEDIA_INCOMPLETE = "安装介质中缺少以下文件："

# The ways of leaving the port page without installing.
PORT_PAGE_EXITS = [
    ("Back", lambda page: page.click(1010)),
    ("Cancel", lambda page: page.click(1023)),
    ("Esc", lambda page: page.key("esc")),
    ("close box", lambda page: page.close_box()),
]


class RoadTestCase(WizardTestCase):
    SESSION_PER_TEST = True  # each installation starts from a clean prefix

    def open_settings_page(self):
        wizard, os_page = self.start()
        os_page.click(1009)
        return wizard, wizard.wait_window(SETTINGS_PAGE)

    def open_port_page(self, wizard, settings):
        settings.click(NEXT)
        return wizard.wait_window(PORT_PAGE, owner=settings.hwnd)

    def select_port(self, page, name):
        rows = page.listview(PORT_LIST)["rows"]
        names = [r["texts"][0] for r in rows]
        self.assertIn(name, names)
        page.select_row(PORT_LIST, names.index(name))

    def install(self, wizard, port_page, completion=True, press=None):
        """Presses Install (or does PRESS); confirms the completion message
        if it must come, and waits for the program to end."""
        (press or (lambda page: page.click(INSTALL)))(port_page)
        if completion:
            box = wizard.message_box()
            self.assertEqual(box.text(MESSAGE_TEXT_ID), COMPLETION)
            box.click(1)
        wizard.wait_exit()

    def install_fails(self, wizard, port_page, message):
        """Presses Install, expecting the installation to fail: one message
        that starts with MESSAGE, then the port page stays open."""
        port_page.click(INSTALL)
        box = wizard.message_box(owner=port_page)
        text = box.text(MESSAGE_TEXT_ID)
        self.assertTrue(text.startswith(message), text)
        self.screenshot(f"install-failed-{self.ARCH}", box)
        box.click(1)
        box.wait_closed()
        self.assertTrue(port_page.is_open())
        self.assertEqual(port_page.control(PROGRESS)["position"], 0)

    def eventually(self, condition, what, timeout=10.0):
        """Waits for CONDITION: a notification posted to a page is handled
        a moment after the automation client returns."""
        deadline = time.monotonic() + timeout
        while not condition():
            if time.monotonic() > deadline:
                self.fail(f"never came true: {what}")
            time.sleep(0.1)

    def answer_message(self, wizard, owner, starts_with):
        """The message box over OWNER: checks its text, presses OK."""
        box = wizard.message_box(owner=owner)
        text = box.text(MESSAGE_TEXT_ID)
        self.assertTrue(text.startswith(starts_with), text)
        box.click(1)
        box.wait_closed()
        return text

    def port_names(self, page):
        return [r["texts"][0] for r in page.listview(PORT_LIST)["rows"]]

    def selected_ports(self, page):
        return [r["texts"][0] for r in page.listview(PORT_LIST)["rows"]
                if r["selected"]]

    def driver_registered(self, name):
        return self.session.reg_query(X86_DRIVERS_KEY + "\\" + name) is not None

    def printer_port(self, name):
        return self.session.reg_query(PRINTERS_KEY + "\\" + name, "Port")

    def driver_file(self, folder, name):
        return self.session.prefix / DRIVERS / folder / name


class InstallRoad32BitTest(RoadTestCase):
    ARCH = "win32"

    def test_default_road_installs_row_1_on_lpt1_as_default_printer(self):
        wizard, settings = self.open_settings_page()
        self.assertEqual(settings.combo(MODEL_LIST)["selected"], 1)
        port_page = self.open_port_page(wizard, settings)
        rows = port_page.listview(PORT_LIST)
        self.assertEqual(rows["columns"][:2], ["端口", "类型"])
        self.assertEqual([r["texts"][0] for r in rows["rows"] if r["selected"]],
                         ["LPT1:"])
        self.assertEqual(port_page.focus_id(), PORT_LIST)
        self.assertEqual(port_page.control(PROGRESS)["position"], 0)
        self.screenshot("port-page", port_page)
        self.install(wizard, port_page)

        self.assertTrue(self.driver_registered(ROW1))
        self.assertEqual(self.printer_port(ROW1), "LPT1:")
        self.assertEqual(self.session.reg_query(WINDOWS_KEY, "Device"),
                         ROW1 + ",winspool,LPT1:")
        self.assertEqual(self.driver_file("w32x86", "KQ7210cut.GPD").read_text(),
                         "placeholder x86 KQ7210cut.GPD\n")

    def test_chosen_model_and_port_without_default_printer(self):
        wizard, settings = self.open_settings_page()
        settings.select(MODEL_LIST, 5)
        self.eventually(lambda: settings.text(NAME_BOX) == ROW5,
                        "the name box shows row 5's name")
        settings.click(DEFAULT_BOX)
        port_page = self.open_port_page(wizard, settings)
        self.select_port(port_page, "COM2:")
        self.install(wizard, port_page)

        self.assertEqual(self.printer_port(ROW5), "COM2:")
        self.assertIsNone(self.printer_port(ROW1))
        self.assertIsNone(self.session.reg_query(WINDOWS_KEY, "Device"))

    def test_enter_on_the_port_list_installs(self):
        wizard, settings = self.open_settings_page()
        port_page = self.open_port_page(wizard, settings)
        self.assertEqual(port_page.focus_id(), PORT_LIST)
        self.install(wizard, port_page, press=lambda page: page.key("enter"))
        self.assertEqual(self.printer_port(ROW1), "LPT1:")

    def test_leaving_the_port_page_keeps_the_settings_and_installs_nothing(self):
        wizard, settings = self.open_settings_page()
        settings.select(MODEL_LIST, 5)
        settings.click(DEFAULT_BOX)
        for name, leave in PORT_PAGE_EXITS:
            with self.subTest(way=name):
                port_page = self.open_port_page(wizard, settings)
                leave(port_page)
                port_page.wait_closed()
                self.assertTrue(settings.is_open())
                self.assertEqual(settings.combo(MODEL_LIST)["selected"], 5)
                self.assertEqual(settings.control(DEFAULT_BOX)["checked"], 0)
                self.assertEqual(settings.text(NAME_BOX), ROW5)
        self.assertIsNone(self.printer_port(ROW5))

    def test_no_completion_message_on_windows_98(self):
        self.session.set_windows_version("win98")
        # Wine's spooler looks printers' drivers up among the "Windows 4.0"
        # ones on Windows 98; a driver of the model's name must be there.
        winerig.import_registry(self.session.env, WIN40_DRIVER_REG % ROW1)
        wizard, settings = self.open_settings_page()
        port_page = self.open_port_page(wizard, settings)
        self.install(wizard, port_page, completion=False)
        self.assertEqual(self.printer_port(ROW1), "LPT1:")

    def test_about_box_from_the_system_menu(self):
        wizard, settings = self.open_settings_page()
        settings.syscommand(ABOUT_ENTRY)
        about = wizard.wait_window(ABOUT_BOX, owner=settings.hwnd)
        self.assertIn("VELT 4.0 版",
                      [c["text"] for c in about.controls().values()])
        self.screenshot("about-box", about)
        about.key("enter")
        about.wait_closed()
        self.assertTrue(settings.is_open())

    def test_a_port_created_through_the_new_port_dialog_is_listed(self):
        new_port = "C:\\kq-e2e.prn"
        wizard, settings = self.open_settings_page()
        port_page = self.open_port_page(wizard, settings)
        port_page.click(CREATE_PORT)
        dialog = wizard.wait_window(NEW_PORT_DIALOG, owner=port_page.hwnd)
        monitors = dialog.listview(1021)
        self.assertEqual(monitors["columns"], ["可用端口类型"])
        self.assertTrue(monitors["rows"][0]["selected"])
        self.screenshot("new-port-dialog", dialog)

        # "新端口..." asks the monitor, Wine's local port monitor here, to
        # create a port; its own dialog asks for the name.
        dialog.click(1008)
        add = wizard.wait_window("添加本地端口", owner=dialog.hwnd)
        add.set_text(101, new_port)
        add.click(1)
        add.wait_closed()
        dialog.click(1009)
        dialog.wait_closed()

        rows = port_page.listview(PORT_LIST)["rows"]
        self.assertIn(new_port, [r["texts"][0] for r in rows])
        self.assertEqual([r["texts"][0] for r in rows if r["selected"]],
                         ["LPT1:"])

    def test_com_settings_of_the_hidden_lists_are_stored(self):
        wizard, settings = self.open_settings_page()
        for list_id in LINE_LISTS:
            self.assertFalse(settings.control(list_id)["enabled"], list_id)
        for list_id, position in COM1_SETTINGS.items():
            settings.select(list_id, position)
        self.eventually(lambda: all(settings.control(i)["enabled"] for i in LINE_LISTS),
                        "the line lists are enabled for COM1")
        port_page = self.open_port_page(wizard, settings)
        self.install(wizard, port_page)

        self.assertEqual(self.session.reg_query(PORTS_KEY, "COM1:"), "9600,O,7,2,x")
        # The printer itself goes on the port chosen on the port page.
        self.assertEqual(self.printer_port(ROW1), "LPT1:")

    def test_a_missing_media_file_is_named_and_install_works_once_it_is_back(self):
        wizard, settings = self.open_settings_page()
        port_page = self.open_port_page(wizard, settings)
        gpd = self.session.media / "Printer Driver" / "x86" / "KQ7210cut.GPD"
        kept = gpd.read_bytes()
        gpd.unlink()

        port_page.click(INSTALL)
        text = self.answer_message(wizard, port_page, MEDIA_INCOMPLETE)
        self.assertIn("Printer Driver\\x86\\KQ7210cut.GPD", text)
        self.assertTrue(port_page.is_open())
        self.assertEqual(port_page.control(PROGRESS)["position"], 0)
        self.assertFalse(self.driver_registered(ROW1))
        self.assertIsNone(self.printer_port(ROW1))
        self.assertFalse(self.driver_file("w32x86", "KQ72W.DLL").exists())

        gpd.write_bytes(kept)
        self.install(wizard, port_page)
        self.assertTrue(self.driver_registered(ROW1))
        self.assertEqual(self.printer_port(ROW1), "LPT1:")

    def test_install_with_no_port_chosen_asks_for_one(self):
        wizard, settings = self.open_settings_page()
        port_page = self.open_port_page(wizard, settings)
        port_page.select_row(PORT_LIST, -1)
        self.assertEqual(self.selected_ports(port_page), [])

        port_page.click(INSTALL)
        self.answer_message(wizard, port_page, NO_PORT_CHOSEN)
        self.assertTrue(port_page.is_open())
        self.assertEqual(port_page.control(PROGRESS)["position"], 0)
        self.assertFalse(self.driver_registered(ROW1))
        self.assertIsNone(self.printer_port(ROW1))
        self.assertFalse(self.driver_file("w32x86", "KQ72W.DLL").exists())

    def test_closing_the_new_port_dialog_rebuilds_the_list(self):
        added = "C:\\added-meanwhile.prn"
        wizard, settings = self.open_settings_page()
        port_page = self.open_port_page(wizard, settings)
        # A port that appears while the page is open (another program, or
        # a monitor that creates it without a dialog) ...
        winerig.reg_add(self.session.env, PORTS_KEY, added, "")
        self.assertNotIn(added, self.port_names(port_page))
        port_page.select_row(PORT_LIST, 0)

        # ... is listed once the new-port dialog closes, even with nothing
        # created there, and the preselection is made afresh.
        port_page.click(CREATE_PORT)
        dialog = wizard.wait_window(NEW_PORT_DIALOG, owner=port_page.hwnd)
        dialog.click(1009)
        dialog.wait_closed()
        self.eventually(lambda: added in self.port_names(port_page),
                        "the added port is listed")
        self.assertEqual(self.selected_ports(port_page), ["LPT1:"])

    def test_configure_with_no_port_chosen_does_nothing(self):
        wizard, settings = self.open_settings_page()
        port_page = self.open_port_page(wizard, settings)
        port_page.select_row(PORT_LIST, -1)
        before = {w["hwnd"] for w in wizard.visible_windows()}
        port_page.click(CONFIGURE_PORT)
        time.sleep(2)
        self.assertEqual({w["hwnd"] for w in wizard.visible_windows()}, before)
        self.assertTrue(port_page.is_open())
        port_page.click(1023)
        port_page.wait_closed()
        settings.click(1010)
        wizard.wait_exit()


class InstallRoad64BitTest(RoadTestCase):
    ARCH = "win64"

    def test_default_road_installs_the_x64_driver(self):
        wizard, settings = self.open_settings_page()
        port_page = self.open_port_page(wizard, settings)
        # Wine's 32-bit spooler client looks the driver up among the x86
        # drivers, so under WOW64 the printer itself cannot be created; the
        # wizard must say so rather than report success.
        self.install_fails(wizard, port_page, "无法创建打印机。")

        self.assertEqual(self.driver_file("x64", "KQ7210cut.GPD").read_text(),
                         "placeholder x64 KQ7210cut.GPD\n")
        self.assertFalse(self.driver_file("w32x86", "KQ7210cut.GPD").exists())
        self.assertTrue(self.session.reg_query(X64_DRIVERS_KEY + "\\" + ROW1))
        self.assertIsNone(self.printer_port(ROW1))

        # Cancel leads back to the settings page; its Exit ends the wizard.
        port_page.click(1023)
        port_page.wait_closed()
        settings.click(1010)
        wizard.wait_exit()


if __name__ == "__main__":
    unittest.main()
