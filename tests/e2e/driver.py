"""End-to-end driver: runs the real INSTALL.EXE under Wine on generated media, finds its windows,
sends real X input with xdotool and saves screenshots. Expects the test script's environment
(WINEPREFIX, DISPLAY, a running wineserver) and INSTALL_EXE, PROBE_EXE, REPO_ROOT, E2E_OUT."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

REPO_ROOT = os.environ["REPO_ROOT"]
INSTALL_EXE = os.environ["INSTALL_EXE"]
PROBE_EXE = os.environ["PROBE_EXE"]
OUT = os.environ.get("E2E_OUT", tempfile.gettempdir())
DOSDEVICES = os.path.join(os.environ["WINEPREFIX"], "dosdevices")


class Window:
    def __init__(self, line):
        f = line.split("|")
        self.hwnd, self.pid, self.cls, self.title = f[0], int(f[1]), f[2], f[3]
        self.visible, self.enabled = f[4] == "1", f[5] == "1"
        self.rect = tuple(int(v) for v in f[6].split(","))

    def __repr__(self):
        return "Window(%s %r %r visible=%s rect=%s)" % (self.hwnd, self.cls, self.title,
                                                       self.visible, self.rect)


class Control:
    def __init__(self, line):
        f = line.split("|")
        self.id, self.cls, self.text = int(f[0]), f[1], f[2]
        self.visible, self.enabled = f[3] == "1", f[4] == "1"
        self.rect = tuple(int(v) for v in f[5].split(","))


def _probe(*args):
    out = subprocess.run(["wine", PROBE_EXE, *args], capture_output=True, text=True,
                         stdin=subprocess.DEVNULL, timeout=60)
    return [l for l in out.stdout.splitlines() if l.strip()]


def windows():
    return [Window(l) for l in _probe("list")]


def children(window):
    return [Control(l) for l in _probe("children", window.hwnd)]


def wait_window(cls=None, title=None, timeout=30, visible=True, exclude=()):
    """The first top-level window with this class and/or title, waiting for it to appear;
    windows whose handles are in exclude do not count."""
    end = time.time() + timeout
    while True:
        for w in windows():
            if ((cls is None or w.cls == cls) and (title is None or w.title == title)
                    and (not visible or w.visible) and w.hwnd not in exclude):
                return w
        if time.time() > end:
            raise AssertionError("no window class=%r title=%r; have %r" % (cls, title, windows()))
        time.sleep(0.2)


def find_windows(cls=None, title=None):
    return [w for w in windows() if (cls is None or w.cls == cls) and
            (title is None or w.title == title) and w.visible]


def dialog_text(window):
    """The message text of a message box."""
    return " ".join(c.text for c in children(window) if c.cls == "Static" and c.text)


def _xwindow(title, pid=None):
    # Only mapped windows: the X windows of pages that closed keep their titles.
    command = ["xdotool", "search", "--onlyvisible"] + (["--pid", str(pid)] if pid else [])
    out = subprocess.run(command + ["--name", "^%s$" % _regex(title)],
                         capture_output=True, text=True, timeout=30).stdout.split()
    if not out:
        raise AssertionError("no X window named %r" % title)
    return out[-1]


def _regex(text):
    return "".join("\\" + c if c in ".^$*+?()[]{}|\\" else c for c in text)


def press(title, *keys, pid=None):
    """Real key presses into the window with this title (of the X client with this pid)."""
    # A window that Wine has just shown may not be mapped on the X side yet.
    for attempt in range(10):
        try:
            x = _xwindow(title, pid)
            time.sleep(0.3)
            subprocess.run(["xdotool", "windowfocus", "--sync", x], check=True, timeout=30)
            break
        except (subprocess.CalledProcessError, AssertionError):
            if attempt == 9:
                raise
            time.sleep(0.5)
    try:
        # Through XTEST, like a keyboard: the key's release still arrives when the press has
        # already closed the window (a key left down in the X server repeats into later tests).
        subprocess.run(["xdotool", "key", *keys], check=True, timeout=30)
    finally:
        release(*keys)


def release(*keys):
    subprocess.run(["xdotool", "keyup", *keys], check=False, timeout=30)


def click(x, y):
    # No --sync: it waits forever when the pointer is already there.
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True, timeout=30)


def click_button(window, control_id):
    """A real mouse click in the middle of a window's control."""
    control = [c for c in children(window) if c.id == control_id]
    if not control:
        raise AssertionError("no control %d in %r" % (control_id, window))
    left, top, right, bottom = control[0].rect
    time.sleep(0.2)  # a window that just appeared may not take input yet
    click((left + right) // 2, (top + bottom) // 2)


def screenshot(name):
    os.makedirs(OUT, exist_ok=True)
    path = os.path.join(OUT, name + ".png")
    subprocess.run(["/usr/bin/import", "-window", "root", path], check=True)
    return path


def pixels(path):
    """Width, height and RGB bytes of a screenshot."""
    data = subprocess.run(["/usr/bin/convert", path, "-depth", "8", "rgb:-"], capture_output=True,
                          check=True).stdout
    size = subprocess.run(["/usr/bin/identify", "-format", "%w %h", path], capture_output=True, text=True,
                          check=True).stdout.split()
    return int(size[0]), int(size[1]), data


def windows_pid(installer):
    """The Windows process id of the installer, by its full-screen main window."""
    end = time.time() + 30
    while True:
        for window in windows():
            if window.cls.endswith(":INSTALL") and window.visible:
                return window.pid
        if time.time() > end or installer.process.poll() is not None:
            raise AssertionError("no installer window")
        time.sleep(0.2)


class Media:
    """Sample media from scripts/make-media, reachable under a drive letter of its own."""

    def __init__(self, key, letter="m", options=()):
        self.dir = tempfile.mkdtemp(prefix="e2e-media-")
        shutil.rmtree(self.dir)
        subprocess.run([os.path.join(REPO_ROOT, "scripts", "make-media"), *options, key,
                        self.dir], check=True, stdout=subprocess.DEVNULL,
                       env=dict(os.environ, INSTALL_EXE=INSTALL_EXE))
        self.letter = letter
        self.link = os.path.join(DOSDEVICES, letter + ":")
        if os.path.lexists(self.link):
            os.remove(self.link)
        os.symlink(self.dir, self.link)

    def path(self, name):
        return os.path.join(self.dir, name)

    def start(self):
        return Installer(self.letter.upper() + ":\\INSTALL.EXE")

    def close(self):
        if os.path.lexists(self.link):
            os.remove(self.link)
        shutil.rmtree(self.dir, ignore_errors=True)


class Installer:
    def __init__(self, exe):
        self.process = subprocess.Popen(["wine", exe], stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    @property
    def pid(self):
        return self.process.pid

    def wait(self, timeout=30):
        return self.process.wait(timeout=timeout)

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()


def run(tests, release_keys=True):
    """Runs test functions, prints a line each and a closing count; exits 1 on any failure."""
    failed = 0
    if release_keys:
        release("Return", "Escape", "Tab", "space")
    for test in tests:
        try:
            test()
            print("PASS", test.__name__, flush=True)
        except Exception as error:  # report every failure, go on with the rest
            failed += 1
            print("FAIL", test.__name__, "-", repr(error), flush=True)
    print("%d passed, %d failed" % (len(tests) - failed, failed))
    sys.exit(1 if failed else 0)
