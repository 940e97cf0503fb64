"""Moving between the first two pages, and every way of leaving them."""

import unittest

from harness import (DEFAULT_BOX, INITIAL_NAME_TEXT, MODEL_LIST, NAME_BOX,
                     OS_PAGE, SETTINGS_PAGE, WizardTestCase)

EXIT = "the program ends"

# The ways of leaving the operating-system page and where each leads.
OS_PAGE_EXITS = [
    ("install button", lambda page: page.click(1009), SETTINGS_PAGE),
    ("Enter", lambda page: page.key("enter"), SETTINGS_PAGE),
    ("Exit button", lambda page: page.click(1010), EXIT),
    ("Esc", lambda page: page.key("esc"), EXIT),
    ("close box", lambda page: page.close_box(), EXIT),
]

# The same for the printer settings page: every way but Back and Next ends
# the wizard.
SETTINGS_PAGE_EXITS = [
    ("Back", lambda page: page.click(1008), OS_PAGE),
    ("Exit button", lambda page: page.click(1010), EXIT),
    ("Esc", lambda page: page.key("esc"), EXIT),
    ("close box", lambda page: page.close_box(), EXIT),
    ("Enter", lambda page: page.key("enter"), EXIT),
]


class PageNavigationTest(WizardTestCase):

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.session.set_windows_version("win7")

    def assert_leads_to(self, wizard, page, destination):
        if destination == EXIT:
            wizard.wait_exit()
        else:
            page.wait_closed()
            wizard.wait_window(destination)

    def open_settings_page(self):
        wizard, os_page = self.start()
        os_page.click(1009)
        os_page.wait_closed()
        return wizard, wizard.wait_window(SETTINGS_PAGE)

    def test_leaving_the_operating_system_page(self):
        for name, leave, destination in OS_PAGE_EXITS:
            with self.subTest(way=name):
                wizard, page = self.start()
                self.assertEqual(page.focus_id(), 1009)
                leave(page)
                self.assert_leads_to(wizard, page, destination)
                self.session.stop_wizard()

    def test_leaving_the_settings_page(self):
        for name, leave, destination in SETTINGS_PAGE_EXITS:
            with self.subTest(way=name):
                wizard, page = self.open_settings_page()
                leave(page)
                self.assert_leads_to(wizard, page, destination)
                self.session.stop_wizard()

    def test_back_and_forth_between_the_first_two_pages(self):
        wizard, os_page = self.start()
        self.assertEqual(os_page.checked_buttons(), [1005])
        self.screenshot("os-page", os_page)
        os_page.click(1009)
        settings = wizard.wait_window(SETTINGS_PAGE)
        self.assert_fresh_settings(settings)
        self.screenshot("settings-page", settings)
        settings.select(MODEL_LIST, 5)
        settings.click(DEFAULT_BOX)

        # Back shows the first page again with the same button ticked ...
        settings.click(1008)
        settings.wait_closed()
        again = wizard.wait_window(OS_PAGE)
        self.assertEqual(again.checked_buttons(), [1005])
        # ... and forward again gives a new settings page with its defaults.
        again.click(1009)
        self.assert_fresh_settings(wizard.wait_window(SETTINGS_PAGE))

    def assert_fresh_settings(self, page):
        self.assertEqual(page.combo(MODEL_LIST)["selected"], 1)
        self.assertEqual(page.control(DEFAULT_BOX)["checked"], 1)
        self.assertEqual(page.text(NAME_BOX), INITIAL_NAME_TEXT)

if __name__ == "__main__":
    unittest.main()
