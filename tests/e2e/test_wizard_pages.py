"""The first wizard pages of the real INSTALL.EXE, walked with real mouse clicks and keys:
Welcome, License (and back), Install Type, help by F1, and the ways out."""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
import driver  # noqa: E402

TITLE = "Draskel Installation"
# A control that only this page has.
WELCOME, LICENSE, INSTALL_TYPE, INSTALL_FOLDER = 200, 103, 600, 140
FOLDER_CANCEL = 112
NEXT, LICENSE_BACK, TYPE_UPDATE, TYPE_CANCEL = 110, 109, 101, 106
WELCOME_CANCEL = DECLINE = 104


def wait_page(installer, marker, timeout=30):
    """The installer's visible dialog that holds the marker control, and its controls."""
    end = time.time() + timeout
    while True:
        for window in driver.windows():
            if window.pid == installer.windows_pid and window.cls == "#32770" and window.visible:
                controls = {c.id: c for c in driver.children(window)}
                if marker in controls:
                    return window, controls
        if time.time() > end:
            raise AssertionError("no page with control %d; have %r" % (marker, driver.windows()))
        time.sleep(0.2)


def wait_gone(window, timeout=30):
    end = time.time() + timeout
    while any(w.hwnd == window.hwnd and w.visible for w in driver.windows()):
        if time.time() > end:
            raise AssertionError("still open: %r" % window)
        time.sleep(0.2)


def test_walk_back_and_forth_then_cancel():
    media = driver.Media("Draskel")
    installer = media.start()
    installer.windows_pid = driver.windows_pid(installer)
    try:
        welcome, controls = wait_page(installer, WELCOME)
        assert welcome.title == TITLE, welcome
        assert controls[200].text == "Welcome to the Draskel installation wizard."
        intro = controls[201].text
        assert intro.startswith("This wizard will install Draskel ") and \
            intro.endswith(" on your computer."), intro
        assert not controls[1053].enabled  # Back

        # F1 opens the help viewer; the page stays.
        driver.press(TITLE, "F1", pid=installer.pid)
        help_window = driver.wait_window(cls="HH Parent")
        assert any(w.hwnd == welcome.hwnd and w.visible for w in driver.windows())
        driver.press(help_window.title, "alt+F4", pid=installer.pid)
        wait_gone(help_window)

        driver.click_button(welcome, NEXT)
        license_page, controls = wait_page(installer, LICENSE)
        assert controls[NEXT].text == "&Accept" and controls[NEXT].enabled
        driver.click_button(license_page, LICENSE_BACK)
        welcome, _ = wait_page(installer, WELCOME)
        driver.press(TITLE, "Return", pid=installer.pid)  # Next is the default button
        license_page, _ = wait_page(installer, LICENSE)
        driver.click_button(license_page, NEXT)

        install_type, controls = wait_page(installer, INSTALL_TYPE)
        assert [controls[i].text for i in (100, 101, 102)] == ["Ne&w", "&Update", "Custo&m"]
        assert controls[600].visible and not controls[500].visible
        driver.click_button(install_type, TYPE_UPDATE)
        # The Update row is framed in black now, New in white.
        end = time.time() + 10
        while not (controls[601].visible and controls[500].visible):
            assert time.time() < end, "frames did not move"
            time.sleep(0.2)
            controls = {c.id: c for c in driver.children(install_type)}
        assert not controls[600].visible and not controls[501].visible
        driver.press(TITLE, "Escape", pid=installer.pid)
        assert installer.wait() == 0
    finally:
        installer.kill()
        media.close()


def test_cancel_and_decline_end_the_run():
    media = driver.Media("Draskel")
    try:
        for steps in ((WELCOME, WELCOME_CANCEL), (WELCOME, NEXT, LICENSE, DECLINE),
                      (WELCOME, NEXT, LICENSE, NEXT, INSTALL_TYPE, TYPE_CANCEL)):
            installer = media.start()
            installer.windows_pid = driver.windows_pid(installer)
            try:
                for marker, button in zip(steps[::2], steps[1::2]):
                    page, _ = wait_page(installer, marker)
                    driver.click_button(page, button)
                    wait_gone(page)
                assert installer.wait() == 0, steps
            finally:
                installer.kill()
    finally:
        media.close()


def test_next_on_install_type_leads_to_the_install_folder_page():
    media = driver.Media("Draskel")
    installer = media.start()
    installer.windows_pid = driver.windows_pid(installer)
    try:
        for marker in (WELCOME, LICENSE, INSTALL_TYPE):
            page, _ = wait_page(installer, marker)
            driver.click_button(page, NEXT)
            wait_gone(page)
        page, controls = wait_page(installer, INSTALL_FOLDER)
        assert controls[106].text == "C:\\DRASKEL", controls[106].text
        driver.click_button(page, FOLDER_CANCEL)
        assert installer.wait() == 0
        # Nothing was installed.
        assert not os.path.exists(os.path.join(os.environ["WINEPREFIX"], "drive_c", "DRASKEL"))
    finally:
        installer.kill()
        media.close()


if __name__ == "__main__":
    driver.run([test_walk_back_and_forth_then_cancel,
                test_cancel_and_decline_end_the_run,
                test_next_on_install_type_leads_to_the_install_folder_page])
