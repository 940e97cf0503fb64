#!/usr/bin/env python3
"""The Wine rig: prefixes, an X display, the demo media and screenshots.

Used by scripts/run, by the end-to-end tests (tests/e2e/harness.py) and,
from the shell, through its commands:

  winerig.py prefix DIR win32|win64        make a prefix once (a no-op if done)
  winerig.py prefixes ROOT                 ROOT/base-win32 and ROOT/base-win64
  winerig.py media DIR --exe EXE --standin EXE
                                           lay out an installation media folder
  winerig.py screenshot FILE [--display :N]
"""

import argparse
import ctypes
import fcntl
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from contextlib import contextmanager
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]

# Every file the installation copies from "Printer Driver\<arch>\": the
# resource DLL, every model's GPD file, the Unidrv files and the plug-in.
DRIVER_FILES = [
    "KQ72W.DLL",
    "KQ7210nocut.GPD", "KQ7210cut.GPD", "KQ7230nocut.GPD", "KQ7230cut.GPD",
    "KQ7250.GPD", "KQ7250W.GPD", "KQK7250.GPD", "KQM7250.GPD", "KQ7270.GPD",
    "KQP7210.GPD", "KQP7250.GPD", "KQR7210.GPD", "KQR7250.GPD",
    "KQR7270.GPD", "KQK7270.GPD", "KQT7270.GPD", "KQM7270.GPD",
    "KTR72x.GPD", "KT41xK.GPD", "KT41XM.GPD",
    "uniDRVui.DLL", "uniDRV.DLL", "UNIDRV.HLP", "UNIRES.DLL",
    "TTFSUB.GPD", "STDNAMES.GPD", "KQUNI.ini", "KQUNI.dll",
]

ARCHES = ("win32", "win64")
USB_INSTALLERS = {"win32": ("x86", "dpinstx86.exe"),
                  "win64": ("x64", "dpinstx64.exe")}

# Bump when the prefix recipe below changes, so old prefixes are remade.
PREFIX_RECIPE = "3"
PREFIX_MARKER = ".rig-prefix"

# What every prefix gets beyond wineboot: the key every Windows has (Wine
# lacks it), and the dialog font "宋体" mapped to the installed CJK font.
PREFIX_REG = r"""Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Microsoft\Windows NT\CurrentVersion\Windows]

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"宋体"="WenQuanYi Zen Hei"
"SimSun"="WenQuanYi Zen Hei"
"新宋体"="WenQuanYi Zen Hei"
"NSimSun"="WenQuanYi Zen Hei"
"""


def log(message):
    print(f"[winerig] {message}", file=sys.stderr, flush=True)


def wine_env(prefix, display=None, base=None):
    """The environment for Wine programs in PREFIX."""
    env = dict(base if base is not None else os.environ)
    env.update({
        "WINEPREFIX": str(Path(prefix).resolve()),
        "WINEDEBUG": env.get("RIG_WINEDEBUG", "-all"),
        "LANG": "zh_CN.UTF-8",
        "LC_ALL": "zh_CN.UTF-8",
        # No Mono/Gecko download prompts in a fresh prefix.
        "WINEDLLOVERRIDES": "mscoree,mshtml=",
    })
    env.pop("WINEARCH", None)
    if display is not None:
        env["DISPLAY"] = display
    return env


def run_wine(env, args, timeout=60, check=True, **kwargs):
    return subprocess.run(["wine", *args], env=env, timeout=timeout,
                          check=check, stdin=subprocess.DEVNULL, **kwargs)


def kill_wineserver(env):
    subprocess.run(["wineserver", "-k"], env=env, stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                   timeout=30, check=False)


def import_registry(env, text):
    """Imports a .reg text (UTF-16 with a byte-order mark, as regedit wants)."""
    with tempfile.NamedTemporaryFile("wb", suffix=".reg", delete=False) as f:
        f.write(b"\xff\xfe" + text.replace("\n", "\r\n").encode("utf-16-le"))
        path = f.name
    try:
        run_wine(env, ["regedit", "/S", "Z:" + path.replace("/", "\\")],
                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    finally:
        os.unlink(path)


def reg_add(env, key, name, data, kind="REG_SZ"):
    run_wine(env, ["reg", "add", key, "/v", name, "/t", kind, "/d", data,
                   "/f"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def reg_query(env, key, name=None):
    """The data of value NAME under KEY as text, or None if it is missing.
    Without NAME: True if the key exists, else None."""
    args = ["reg", "query", key] + (["/v", name] if name else [])
    result = run_wine(env, args, check=False, capture_output=True)
    if result.returncode != 0:
        return None
    if name is None:
        return True
    # reg.exe writes to a pipe in the console code page: GBK under zh_CN.
    for line in result.stdout.decode("gbk", "replace").splitlines():
        parts = line.strip().split(None, 2)
        if len(parts) >= 2 and parts[0].lower() == name.lower() and \
                parts[1].startswith("REG_"):
            return parts[2] if len(parts) == 3 else ""
    return None


def set_windows_version(env, version):
    """The Windows version Wine reports in this prefix (win98, winxp, win7...)."""
    reg_add(env, r"HKCU\Software\Wine", "Version", version)


@contextmanager
def _locked(path):
    path.parent.mkdir(parents=True, exist_ok=True)
    with open(path, "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        try:
            yield
        finally:
            fcntl.flock(lock, fcntl.LOCK_UN)


def prefix_stamp(arch):
    """What a made prefix records about how it was made: a prefix made
    otherwise, or by another Wine, is made again."""
    wine = subprocess.run(["wine", "--version"], capture_output=True,
                          text=True, timeout=30, check=True).stdout.strip()
    return f"{arch} {PREFIX_RECIPE} {wine}"


def prefix_ready(prefix, arch):
    marker = Path(prefix) / PREFIX_MARKER
    return marker.is_file() and \
        marker.read_text().strip() == prefix_stamp(arch)


def make_prefix(prefix, arch):
    """Creates a WINEARCH=ARCH prefix at PREFIX unless it is already there.
    Safe to call from several processes at once."""
    if arch not in ARCHES:
        raise ValueError(f"unknown prefix arch {arch!r}")
    prefix = Path(prefix).resolve()
    with _locked(prefix.with_name(prefix.name + ".lock")):
        if prefix_ready(prefix, arch):
            return prefix
        log(f"creating {arch} prefix {prefix}")
        started = time.monotonic()
        env = wine_env(prefix, display="")
        env.pop("DISPLAY", None)
        kill_wineserver(env)
        shutil.rmtree(prefix, ignore_errors=True)
        env["WINEARCH"] = arch
        run_wine(env, ["wineboot", "-i"], timeout=300,
                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        del env["WINEARCH"]
        import_registry(env, PREFIX_REG)
        subprocess.run(["wineserver", "-w"], env=env, timeout=120, check=False)
        if reg_query(env, r"HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows") is None:
            raise RuntimeError(f"prefix {prefix}: registry setup failed")
        (prefix / PREFIX_MARKER).write_text(prefix_stamp(arch) + "\n")
        log(f"prefix {prefix} ready in {time.monotonic() - started:.1f} s")
        return prefix


def base_prefix(root, arch):
    """Where the pristine prefix of ARCH lives under ROOT; tests copy it."""
    return Path(root) / f"base-{arch}"


def clone_prefix(base, dest):
    """A private copy of the prefix BASE at DEST (replacing what was there)."""
    base, dest = Path(base).resolve(), Path(dest).resolve()
    kill_wineserver(wine_env(dest))
    shutil.rmtree(dest, ignore_errors=True)
    dest.parent.mkdir(parents=True, exist_ok=True)
    subprocess.run(["cp", "-a", "--reflink=auto", str(base), str(dest)],
                   check=True, timeout=300)
    return dest


def lay_out_media(dest, exe, standin):
    """An installation media folder at DEST: the wizard at its root, a
    placeholder under every driver file name in "Printer Driver\\x86" and
    "Printer Driver\\x64", and the USB installer stand-in under both names."""
    dest = Path(dest)
    shutil.rmtree(dest, ignore_errors=True)
    for arch in ("x86", "x64"):
        folder = dest / "Printer Driver" / arch
        folder.mkdir(parents=True)
        for name in DRIVER_FILES:
            (folder / name).write_text(f"placeholder {arch} {name}\n")
    for usb_arch, name in USB_INSTALLERS.values():
        folder = dest / "USB Driver" / usb_arch
        folder.mkdir(parents=True)
        shutil.copy2(standin, folder / name)
    if exe is not None:
        shutil.copy2(exe, dest / "DriverSetup.exe")
    return dest


def windows_path(path):
    """The path as a program in a Wine prefix sees it (drive Z: is /)."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def display_usable(display):
    if not display:
        return False
    result = subprocess.run(["xdotool", "getdisplaygeometry"],
                            env={**os.environ, "DISPLAY": display},
                            stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL, timeout=10, check=False)
    return result.returncode == 0


def _end_with_parent():
    """In a child process: ask Linux to end it when its parent dies, so a
    test killed for taking too long leaves no display behind."""
    PR_SET_PDEATHSIG = 1
    try:
        libc = ctypes.CDLL(None, use_errno=True)
        libc.prctl(PR_SET_PDEATHSIG, signal.SIGTERM)
    except OSError:
        pass


class Xvfb:
    """A private headless X display, sized like the wizard's virtual desktop."""

    def __init__(self, size="800x600"):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             f"{size}x24", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=_end_with_parent)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 30
        with os.fdopen(read_end, "rb", buffering=0) as pipe:
            while not number.endswith(b"\n") and time.monotonic() < deadline:
                chunk = pipe.read(16)
                if not chunk:
                    break
                number += chunk
        if not number.strip():
            self.stop()
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number.decode().strip()

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


def screenshot(display, path, size="800x600"):
    """Saves the screen's top-left SIZE area (where the virtual desktop is) as
    a PNG."""
    path = Path(path)
    path.parent.mkdir(parents=True, exist_ok=True)
    subprocess.run(["import", "-display", display, "-window", "root",
                    "-crop", f"{size}+0+0", "+repage", str(path)],
                   check=True, timeout=30, stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL)
    return path


def dark_fraction(png, rect):
    """The share of dark (text-like) pixels of PNG within RECT (left, top,
    right, bottom): 0 for an area where nothing is drawn."""
    left, top, right, bottom = rect
    result = subprocess.run(
        ["convert", str(png), "-crop",
         f"{right - left}x{bottom - top}+{left}+{top}", "+repage",
         "-colorspace", "Gray", "-threshold", "50%", "-format",
         "%[fx:mean]", "info:"],
        capture_output=True, text=True, check=True, timeout=30)
    return 1.0 - float(result.stdout.strip())


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = parser.add_subparsers(dest="command", required=True)
    p = sub.add_parser("prefix")
    p.add_argument("dir")
    p.add_argument("arch", choices=ARCHES)
    ps = sub.add_parser("prefixes")
    ps.add_argument("root")
    m = sub.add_parser("media")
    m.add_argument("dir")
    m.add_argument("--exe")
    m.add_argument("--standin", required=True)
    s = sub.add_parser("screenshot")
    s.add_argument("file")
    s.add_argument("--display", default=os.environ.get("DISPLAY", ""))
    args = parser.parse_args(argv)
    if args.command == "prefix":
        make_prefix(args.dir, args.arch)
    elif args.command == "prefixes":
        for arch in ARCHES:
            make_prefix(base_prefix(args.root, arch), arch)
    elif args.command == "media":
        lay_out_media(args.dir, args.exe, args.standin)
    elif args.command == "screenshot":
        screenshot(args.display, args.file)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
