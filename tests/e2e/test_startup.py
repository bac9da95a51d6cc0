"""Start-up of the real INSTALL.EXE: product selection, refusals, screen and status panel."""

import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
import driver  # noqa: E402

PLACEHOLDER_TITLE = "Draskel Installation"
OK = 1
WELCOME_CANCEL = 104


def refused_with(media, title, text):
    earlier = {w.hwnd for w in driver.windows()}
    installer = media.start()
    try:
        box = driver.wait_window(cls="#32770", title=title, exclude=earlier)
        assert driver.dialog_text(box) == text, driver.dialog_text(box)
        return installer, box
    except Exception:
        installer.kill()
        raise


def test_unknown_or_missing_product_is_refused():
    for options, drop_product in ((["--raw-product", "Velmora Suite"], False), ([], True)):
        media = driver.Media("Draskel", options=options)
        try:
            if drop_product:
                os.remove(media.path("PRODUCT.TXT"))
            installer, box = refused_with(media, "Install", "ERROR: Product information not found.")
            # Nothing but the message box: no installer window of any product.
            mine = [w for w in driver.windows() if w.pid == box.pid and w.visible]
            assert [w.cls for w in mine] == ["#32770"], mine
            driver.press("Install", "Return", pid=installer.pid)  # the keyboard works too
            assert installer.wait() == 0
        finally:
            media.close()


def test_second_installer_of_the_same_class_is_refused():
    first_media = driver.Media("Draskel", letter="m")
    evaluation = driver.Media("Draskel (Evaluation)", letter="n")
    metric = driver.Media("Draskel (Metric)", letter="o")
    first = second = None
    try:
        first = first_media.start()
        driver.wait_window(cls="DRASKEL:INSTALL")
        first_welcome = driver.wait_window(cls="#32770", title=PLACEHOLDER_TITLE)

        refused, box = refused_with(evaluation, "Draskel Installation",
                                    "Draskel Installation is already running.")
        driver.click_button(box, OK)
        assert refused.wait() == 0

        # Another class: runs side by side with the first.
        second = metric.start()
        driver.wait_window(cls="DRASKELM:INSTALL")
        second_welcome = driver.wait_window(cls="#32770", title="Draskel (Metric) Installation")
        assert driver.find_windows(cls="DRASKEL:INSTALL")

        driver.click_button(second_welcome, WELCOME_CANCEL)
        assert second.wait() == 0
        driver.click_button(first_welcome, WELCOME_CANCEL)
        assert first.wait() == 0
    finally:
        for installer in (first, second):
            if installer:
                installer.kill()
        for media in (first_media, evaluation, metric):
            media.close()


def sample(shot, points):
    width, height, data = driver.pixels(shot)
    assert (width, height) == (1024, 768)
    return [tuple(data[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x, y in points]


# Points outside the status panel and the Welcome page in the middle of the screen, also when
# moved by one tile (the page covers x 205 to 819).
SAMPLES = [(x, y) for x in (10, 60, 830, 900) for y in (140, 180, 500, 600, 680)]


def screen_of(key, name, options=(), panel_size=None):
    """Runs the installer up to its Welcome page, checks the panel, saves a screenshot."""
    media = driver.Media(key, options=options)
    installer = media.start()
    try:
        box = driver.wait_window(cls="#32770")
        main = [w for w in driver.windows() if w.pid == box.pid and w.cls.endswith(":INSTALL")][0]
        assert main.visible and main.rect == (0, 0, 1024, 768), main
        panel = [c for c in driver.children(main) if c.cls.endswith(":MESSAGE")][0]
        assert panel.visible
        left, top, right, bottom = panel.rect
        assert (left, top) == (5, 5) and (right - left, bottom - top) == panel_size, panel.rect
        shot = driver.screenshot(name)
        driver.click_button(box, WELCOME_CANCEL)
        assert installer.wait() == 0
        return shot
    finally:
        installer.kill()
        media.close()


def test_tiled_background_and_panels():
    for key, name, size in (("Draskel", "startup-velmora-logo", (615, 110)),
                            ("Orvane (Evaluation)", "startup-orvanex-logo", (565, 80))):
        shot = screen_of(key, name, panel_size=size)
        # A tile of 100 x 75 repeats across the whole screen.
        assert sample(shot, SAMPLES) == sample(shot, [(x + 100, y + 75) for x, y in SAMPLES])


def test_background_picture_fills_the_screen():
    shot = screen_of("Serrow", "startup-background-picture", options=["--background"],
                     panel_size=(615, 110))
    corners = sample(shot, [(1023, 767), (1023, 120), (0, 767)])
    assert all(pixel != (0, 0, 0) for pixel in corners), corners
    # A stretched picture, not a repeated tile.
    assert sample(shot, SAMPLES) != sample(shot, [(x + 100, y + 75) for x, y in SAMPLES])


if __name__ == "__main__":
    driver.run([test_unknown_or_missing_product_is_refused,
                test_second_installer_of_the_same_class_is_refused,
                test_tiled_background_and_panels,
                test_background_picture_fills_the_screen])
