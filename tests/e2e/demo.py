"""The demo without a display: runs a New installation from sample media in Xvfb with real mouse
clicks, and saves a screenshot of every page and dialog in order under build/demo/. A sample
file is put into the install folder first, so that the overwrite confirmation shows too. The
installation is removed again at the end."""

import os
import shutil
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
import driver  # noqa: E402
from install_walk import DESKTOP, DRIVE_C, SAMPLES, Run  # noqa: E402

PROGRAMS = os.path.join(os.path.dirname(DESKTOP), "AppData", "Roaming", "Microsoft", "Windows",
                        "Start Menu", "Programs")

YES = 101
# The pages of a New installation in order: name, screenshot, the button that ends it.
PAGES = (("welcome", "01-welcome", 110), ("license", "02-license", 110),
         ("type", "03-install-type", 110), ("folder", "04-install-folder", 110),
         ("overview", "05-overview", 110), ("confirm", "06-confirm-overwrite", YES),
         ("readme", "07-readme", 110), ("finish", "08-finish", 110))


def existing_sample(media, folder):
    """Copies one sample file into the install folder, so that its replacement is asked for."""
    source = media.path(SAMPLES)
    name = sorted(n for n in os.listdir(source) if os.path.isfile(os.path.join(source, n)))[0]
    os.makedirs(folder, exist_ok=True)
    shutil.copy(os.path.join(source, name), os.path.join(folder, name))


def entries():
    return {os.path.join(f, n) for f in (DRIVE_C, DESKTOP, PROGRAMS) for n in os.listdir(f)}


def remove(paths):
    for path in paths:
        if os.path.isdir(path):
            shutil.rmtree(path, ignore_errors=True)
        elif os.path.lexists(path):
            os.remove(path)


def main(key):
    driver.release("Return", "Escape")
    media = driver.Media(key)
    before = entries()
    shots = []
    run = Run(media)
    try:
        for name, shot, button in PAGES:
            run.at(name, timeout=120)
            time.sleep(0.7)  # let the background repaint around the page
            shots.append(driver.screenshot(shot))
            if name == "folder":
                folder = run.controls[106].text  # C:\FOLDER, the product's default
                existing_sample(media, os.path.join(DRIVE_C, folder[3:]))
            run.leave(button)
        code = run.exit_code()  # opening the guide has no program under Wine, and shows nothing
    finally:
        run.kill()
        remove(entries() - before)
        media.close()
    print("INSTALL.EXE for %s ended with exit code %d." % (key, code))
    print("Screenshots:")
    for shot in shots:
        print("  " + shot)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "Draskel")
