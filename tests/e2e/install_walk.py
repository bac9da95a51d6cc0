"""Walks the real INSTALL.EXE through its pages with real clicks and keys, and looks at what an
installation left on disk. Shared by the end-to-end installation tests and the demo."""

import hashlib
import os
import shutil
import sys
import time

import driver

TITLE = "Draskel Installation"
NEXT = 110
# Buttons by page: (Back, Cancel).
BACK = {"license": 109, "folder": 150, "components": 150, "overview": 102}
CANCEL = {"welcome": 104, "license": 104, "type": 106, "folder": 112, "components": 112,
          "overview": 104, "finish": 104}
TYPE_BUTTON = {"new": 100, "update": 101, "custom": 102}
SEARCH, FOLDER_EDIT, FOUND_LIST = 140, 106, 108
NO_TO_ALL = 104
PROGRAM, SAMPLES, TUTORIALS = "PROGRAM", "SAMPLE AUXILIARY FILES", "TUTORIAL PROJECTS"
GUIDE = "POSTINFO.PDF"

DRIVE_C = os.path.join(os.environ["WINEPREFIX"], "drive_c")
INSTALL_FOLDER = os.path.join(DRIVE_C, "DRASKEL")
DESKTOP = os.path.join(DRIVE_C, "users", "root", "Desktop")
START_MENU = os.path.join(DRIVE_C, "users", "root", "AppData", "Roaming", "Microsoft", "Windows",
                          "Start Menu", "Programs", "Velmora")


def page_name(window, controls):
    """Which page or dialog a window of the installer is, by the controls only it has."""
    ids = set(controls)
    if NEXT not in ids and {101, 104, 105} <= ids:
        return "confirm"
    for name, marker in (("readme", {1054}), ("finish", {202}), ("type", {600}),
                         ("folder", {140}), ("components", {105, 150}), ("license", {103, 109}),
                         ("welcome", {200, 1053}), ("message", {0xFFFF}), ("overview", {100, 102})):
        if marker <= ids:
            return name
    return "?"


def current_dialog(installer):
    """The installer's visible dialog as (name, window, controls by id), or None."""
    for window in driver.windows():
        if window.pid == installer.windows_pid and window.cls == "#32770" and window.visible:
            controls = {c.id: c for c in driver.children(window)}
            return page_name(window, controls), window, controls
    return None


def wait_page(installer, name, timeout=30, after=None):
    """The page with this name once it shows; a window whose handle is after does not count."""
    end = time.time() + timeout
    seen = None
    while True:
        found = current_dialog(installer)
        if found and found[0] == name and found[1].hwnd != after:
            return found[1], found[2]
        seen = (found[0], found[1], sorted(found[2])) if found else seen
        if time.time() > end or installer.process.poll() is not None:
            raise AssertionError("waited for the %s page; saw %r" % (name, seen))
        time.sleep(0.2)


def wait_gone(window, timeout=60):
    end = time.time() + timeout
    while any(w.hwnd == window.hwnd and w.visible for w in driver.windows()):
        if time.time() > end:
            raise AssertionError("still open: %r" % window)
        time.sleep(0.2)


def press(window, key, installer):
    """A real key press into one of the installer's windows."""
    driver.press(window.title, key, pid=installer.pid)


class Run:
    """One run of INSTALL.EXE from the media, walked step by step."""

    def __init__(self, media):
        self.installer = media.start()
        self.installer.windows_pid = driver.windows_pid(self.installer)
        self.window, self.controls, self.last = None, None, None

    def at(self, name, timeout=30):
        """Waits for the page, which must be a new window, and remembers it."""
        self.window, self.controls = wait_page(self.installer, name, timeout, self.last)
        self.last = self.window.hwnd
        return self.controls

    def click(self, control_id):
        driver.click_button(self.window, control_id)

    def leave(self, control_id=NEXT, key=None):
        """Ends the page with a click on a button (or a key) and waits until it is gone."""
        if key:
            press(self.window, key, self.installer)
        else:
            self.click(control_id)
        wait_gone(self.window)

    def step(self, name, control_id=NEXT, key=None, timeout=30):
        controls = self.at(name, timeout)
        self.leave(control_id, key)
        return controls

    def to_install_type(self, kind="new"):
        self.step("welcome")
        self.step("license")
        self.at("type")
        if kind != "new":
            self.click(TYPE_BUTTON[kind])
            time.sleep(0.5)
        self.leave()

    def exit_code(self, timeout=60):
        return self.installer.wait(timeout)

    def kill(self):
        self.installer.kill()


def files(root):
    """Relative path -> content hash of every file below root."""
    result = {}
    for folder, _, names in os.walk(root):
        for name in names:
            path = os.path.join(folder, name)
            with open(path, "rb") as f:
                result[os.path.relpath(path, root)] = hashlib.sha1(f.read()).hexdigest()
    return result


def assert_same_files(actual, expected):
    """Fails with the paths that are missing, extra or different."""
    missing = sorted(set(expected) - set(actual))
    extra = sorted(set(actual) - set(expected))
    changed = sorted(p for p in set(actual) & set(expected) if actual[p] != expected[p])
    assert not (missing or extra or changed), \
        "missing %r, extra %r, different %r" % (missing, extra, changed)


def payload(media, *folders):
    """The files the named payload folders of the media merge into an install folder."""
    merged = {}
    for folder in folders:
        merged.update(files(media.path(folder)))
    return merged


def shortcuts():
    """Names of the product's shortcuts on the desktop and in the Start Menu folder."""
    def links(folder):
        if not os.path.isdir(folder):
            return []
        return sorted(n for n in os.listdir(folder) if n.upper().endswith(".LNK"))
    return links(DESKTOP), links(START_MENU)


def link_target_in(link, target):
    with open(link, "rb") as f:
        return target.upper().encode() in f.read().upper()


def remove_installation(folder=INSTALL_FOLDER):
    """Removes what an installation creates, so that every test starts from a clean prefix."""
    shutil.rmtree(folder, ignore_errors=True)
    shutil.rmtree(START_MENU, ignore_errors=True)
    for name in shortcuts()[0]:
        if name.upper().startswith("DRASKEL"):
            os.remove(os.path.join(DESKTOP, name))


def run_tests(tests):
    """driver.run without its opening key releases: once, right after them, the first page
    closed by itself before it could be clicked."""
    driver.run(tests, release_keys=False)
