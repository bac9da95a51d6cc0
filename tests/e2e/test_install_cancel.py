"""Every way out of the real INSTALL.EXE before the installation: Cancel on each page (Decline
on the License page, Esc on the Overview, Cancel after a search) leaves nothing on disk."""

import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
import driver  # noqa: E402
from install_walk import (BACK, CANCEL, DESKTOP, DRIVE_C, INSTALL_FOLDER, SEARCH,  # noqa: E402
                          START_MENU, Run, remove_installation, run_tests)


def walk_to(run, page):
    """From Welcome to the page, with the type that shows it."""
    order = ("welcome", "license", "type", "folder")
    if page in order:
        for before in order[:order.index(page)]:
            run.step(before)
        return
    run.to_install_type("custom" if page == "components" else "new")
    run.step("folder")


def disk():
    """What an installation could have touched: the top of drive C:, the desktop, the Start Menu."""
    return (sorted(os.listdir(DRIVE_C)), sorted(os.listdir(DESKTOP)), os.path.exists(START_MENU))


def test_cancel_on_each_page_leaves_nothing_on_disk():
    media = driver.Media("Draskel")
    remove_installation()
    before = disk()
    # (page, what ends it: a button id, a key, or a search first and then Cancel)
    table = [("welcome", CANCEL["welcome"]), ("license", CANCEL["license"]),
             ("type", CANCEL["type"]), ("folder", CANCEL["folder"]),
             ("components", CANCEL["components"]), ("overview", CANCEL["overview"]),
             ("overview", "Escape"), ("components", "back then cancel"),
             ("folder", "search then cancel")]
    try:
        for page, way in table:
            run = Run(media)
            try:
                walk_to(run, page)
                if way == "back then cancel":
                    run.step(page, BACK[page])
                    run.step("folder", CANCEL["folder"])
                elif way == "search then cancel":
                    run.step(page, SEARCH)
                    run.step("folder", timeout=300)  # the search walks every fixed drive
                    run.step("overview", CANCEL["overview"])
                elif isinstance(way, str):
                    run.step(page, key=way)
                else:
                    run.step(page, way)
                assert run.exit_code() == 0, (page, way)
            finally:
                run.kill()
            assert not os.path.exists(INSTALL_FOLDER), (page, way)
            assert disk() == before, (page, way, disk(), before)
    finally:
        remove_installation()
        media.close()


if __name__ == "__main__":
    run_tests([test_cancel_on_each_page_leaves_nothing_on_disk])
