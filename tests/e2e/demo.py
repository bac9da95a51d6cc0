"""The demo without a display: runs the installer on sample media in Xvfb, saving a screenshot of
every step under build/demo/."""

import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
import driver  # noqa: E402


def main(key):
    driver.release("Return", "Escape")
    media = driver.Media(key)
    installer = media.start()
    shots = []
    try:
        box = driver.wait_window(cls="#32770")
        shots.append(driver.screenshot("01-start"))
        driver.click_button(box, 1)
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
