"""The demo without a display: runs the installer on sample media in Xvfb, walks the wizard as far
as it goes with real mouse clicks, and saves a screenshot of every page under build/demo/."""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
import driver  # noqa: E402

NEXT, OK = 110, 1
MESSAGE_TEXT = 0xFFFF  # the text of a message box
# Each page by a control that only it has, and the name of its screenshot.
PAGES = ((200, "01-welcome"), (103, "02-license"), (600, "03-install-type"))


def windows_pid(installer):
    """The Windows process id of the installer, by its full-screen main window."""
    end = time.time() + 30
    while True:
        for window in driver.windows():
            if window.cls.endswith(":INSTALL") and window.visible:
                return window.pid
        if time.time() > end or installer.process.poll() is not None:
            raise AssertionError("no installer window")
        time.sleep(0.2)


def wait_page(installer, marker, timeout=30):
    end = time.time() + timeout
    while True:
        for window in driver.windows():
            if (window.pid == installer.windows_pid and window.cls == "#32770" and window.visible
                    and any(c.id == marker for c in driver.children(window))):
                return window
        if time.time() > end:
            raise AssertionError("no page with control %d" % marker)
        time.sleep(0.2)


def main(key):
    driver.release("Return", "Escape")
    media = driver.Media(key)
    installer = media.start()
    installer.windows_pid = windows_pid(installer)
    shots = []
    try:
        for marker, name in PAGES:
            page = wait_page(installer, marker)
            time.sleep(0.5)  # let the background repaint around the page
            shots.append(driver.screenshot(name))
            driver.click_button(page, NEXT)
        box = wait_page(installer, MESSAGE_TEXT)
        shots.append(driver.screenshot("04-end"))
        driver.click_button(box, OK)
        code = installer.wait()
    finally:
        installer.kill()
        media.close()
    print("INSTALL.EXE for %s ended with exit code %d." % (key, code))
    print("Screenshots:")
    for shot in shots:
        print("  " + shot)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "Draskel")
