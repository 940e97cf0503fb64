#!/usr/bin/env python3
"""Runs DriverSetup.exe under Wine from the demo media (scripts/run).

With a usable display a person drives the wizard and this waits for it to
end. Without one (or with --auto) it walks a road by itself: at each page it
prints what the page shows, saves a screenshot and does the road's next
step, then checks that the program ends.
"""

import argparse
import os
import sys
from collections import namedtuple
from pathlib import Path

import winerig
from wizdriver import (APP_TITLE, OS_PAGE, PORT_PAGE, PRINTERS_KEY,
                       SETTINGS_PAGE, WINDOWS_KEY, X86_DRIVERS_KEY, Tools,
                       WineSession, WizctlError)

REPO = Path(__file__).resolve().parents[2]
BUILD = REPO / "build"
TOOLS = Tools(BUILD / "win32" / "DriverSetup.exe",
              BUILD / "win32" / "tests" / "wine" / "wizctl.exe",
              BUILD / "win32" / "tests" / "wine" / "usb_installer_standin.exe")
PREFIXES = BUILD / "wine"
MEDIA = BUILD / "demo-media"
SCREENSHOTS = BUILD / "screenshots"

# One step of a road: the window that must show, and the control to press
# there (None: the step only looks).
Step = namedtuple("Step", "title press")

ROADS = {
    # The whole road: install the preselected model on the preselected port
    # and confirm the completion message.
    "install": [
        Step(OS_PAGE, 1009),        # "安装 打印机 驱动 (&N) >"
        Step(SETTINGS_PAGE, 1009),  # "下一步(&N) >"
        Step(PORT_PAGE, 1022),      # "安装(&I)"
        Step(APP_TITLE, 1),         # "驱动安装完成": OK
    ],
    # Only look at the first two pages: first page, settings page, exit.
    "pages": [
        Step(OS_PAGE, 1009),
        Step(SETTINGS_PAGE, 1010),  # "退出(&E)"
    ],
}

def say(message):
    print(f"[run] {message}", flush=True)


def describe(window):
    """What a page shows that matters: ticked buttons, list choices, texts
    typed in, and a message box's text."""
    shown = []
    for control in window.controls().values():
        if not control["visible"]:
            continue
        kind = control["class"].lower()
        if control.get("checked") == 1:
            shown.append(f"ticked {control['text']!r} ({control['id']})")
        elif kind == "combobox":
            combo = window.combo(control["id"])
            shown.append(f"list {control['id']}: {combo['text']!r}")
        elif kind == "edit":
            shown.append(f"box {control['id']}: {control['text']!r}")
        elif kind == "syslistview32":
            rows = window.listview(control["id"])["rows"]
            chosen = [r["texts"][0] for r in rows if r["selected"]]
            shown.append(f"list {control['id']}: {len(rows)} rows, "
                         f"selected {chosen}")
        elif window.title == APP_TITLE and control["id"] == 65535:
            shown.append(f"message {control['text']!r}")
    return "; ".join(shown) or "nothing chosen"


def walk(session, road):
    wizard = session.start_wizard()
    for number, step in enumerate(road, 1):
        window = wizard.wait_window(step.title)
        say(f"window {step.title!r}: {describe(window)}")
        shot = session.screenshot(f"run-{number}-{window_slug(step.title)}")
        say(f"  screenshot {shot.relative_to(REPO)}")
        if step.press is not None:
            text = window.text(step.press)
            say(f"  press {text!r} ({step.press})")
            window.click(step.press)
    code = wizard.wait_exit()
    say(f"the wizard ended, exit code {code}")


def window_slug(title):
    names = {OS_PAGE: "os-page", SETTINGS_PAGE: "settings-page",
             PORT_PAGE: "port-page", APP_TITLE: "message"}
    return names.get(title, "window")


def subkeys(session, key):
    """The names of KEY's subkeys in the prefix."""
    listing = winerig.run_wine(session.env, ["reg", "query", key],
                               check=False, capture_output=True)
    depth = key.count("\\") + 1
    return [line.rsplit("\\", 1)[1] for line in
            listing.stdout.decode("gbk", "replace").splitlines()
            if line.startswith("HKEY_") and line.count("\\") == depth]


def report_installation(session):
    """What the run left in the prefix: drivers, printers and the default
    printer."""
    for name in subkeys(session, X86_DRIVERS_KEY):
        say(f"driver {name!r} registered for \"Windows NT x86\"")
    printers = subkeys(session, PRINTERS_KEY)
    for name in printers:
        port = session.reg_query(PRINTERS_KEY + "\\" + name, "Port")
        say(f"printer {name!r} on {port!r}")
    if not printers:
        say("no printer installed")
    device = session.reg_query(WINDOWS_KEY, "Device")
    if device:
        say(f"default printer: {device!r}")


def report_usb_starts():
    for record in sorted(MEDIA.glob("USB Driver/*/*.starts")):
        count = len(record.read_text().splitlines())
        say(f"{record.name[:-len('.starts')]} was started {count} time(s)")


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--auto", action="store_true",
                        help="walk the road by itself even with a display")
    parser.add_argument("--road", choices=sorted(ROADS), default="install")
    args = parser.parse_args(argv)

    for tool in (TOOLS.driversetup, TOOLS.wizctl, TOOLS.standin):
        if not tool.is_file():
            say(f"missing {tool}: build first (scripts/run does)")
            return 1

    display = os.environ.get("DISPLAY", "")
    interactive = not args.auto and winerig.display_usable(display)
    base = winerig.make_prefix(winerig.base_prefix(PREFIXES, "win32"), "win32")
    prefix = winerig.clone_prefix(base, PREFIXES / "run-win32")
    session = WineSession(prefix, "win32", MEDIA, TOOLS, SCREENSHOTS,
                          display=display if interactive else None)
    say(f"media {MEDIA.relative_to(REPO)}, prefix {prefix.relative_to(REPO)}")
    try:
        if interactive:
            say(f"the wizard is on display {display}; waiting for it to end")
            wizard = session.start_wizard()
            wizard.process.wait()
            say("the wizard ended")
        else:
            say(f"no display to use: walking the {args.road!r} road")
            walk(session, ROADS[args.road])
        report_installation(session)
        report_usb_starts()
        return 0
    except WizctlError as failure:
        say(f"FAILED: {failure}")
        return 1
    finally:
        session.close()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
