"""Whole installations with the real INSTALL.EXE under Wine, walked with real clicks and keys on
media from scripts/make-media, and checked on disk: New, Update, Custom, and the finishing keys."""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(__file__))
import driver  # noqa: E402
from install_walk import (BACK, DESKTOP, GUIDE, INSTALL_FOLDER, PROGRAM, SAMPLES,  # noqa: E402
                          START_MENU, TUTORIALS, Run, assert_same_files, files, link_target_in,
                          payload, remove_installation, run_tests, shortcuts)

COMPLETED = "The Draskel installation wizard has successfully completed."
TASKS = "Tasks that will be completed upon finish:"
GUIDE_TASK = "1) Viewing of Quick Start Guide."
TUTORIALS_BOX, START_MENU_BOX = 102, 104


def installation(test):
    """Runs a test on fresh Draskel media with no installation before or after it."""
    def wrapped():
        media = driver.Media("Draskel")
        remove_installation()
        try:
            test(media)
        finally:
            remove_installation()
            media.close()
    wrapped.__name__ = test.__name__
    return wrapped


@installation
def test_new_installs_everything_then_readme_finish_and_guide(media):
    run = Run(media)
    try:
        run.to_install_type("new")
        controls = run.step("folder")
        assert controls[106].text == "C:\\DRASKEL", controls[106].text
        run.step("overview")  # straight from the folder page: no Components page
        run.step("readme")
        finish = run.at("finish")
        assert [finish[i].text for i in (200, 201, 202)] == [COMPLETED, TASKS, GUIDE_TASK]
        assert not finish[109].enabled
        run.leave()
        assert run.exit_code() == 0  # opening the guide has no program under Wine: no hang
        time.sleep(1)
        left = [w for w in driver.windows() if w.visible]
        assert not left, left  # and no box about it from the shell
    finally:
        run.kill()
    expected = payload(media, PROGRAM, SAMPLES, TUTORIALS)
    expected[GUIDE] = files(media.dir)[GUIDE]
    assert_same_files(files(INSTALL_FOLDER), expected)
    desktop, start_menu = shortcuts()
    assert [n.upper() for n in desktop] == ["DRASKEL.LNK"], desktop
    assert [n.upper() for n in start_menu] == ["DRASKEL.LNK"], start_menu
    for link in (os.path.join(DESKTOP, desktop[0]), os.path.join(START_MENU, start_menu[0])):
        assert link_target_in(link, "C:\\DRASKEL\\DRASKEL.EXE"), link


@installation
def test_update_installs_only_the_program(media):
    run = Run(media)
    try:
        run.to_install_type("update")
        run.step("folder")
        run.step("overview")
        finish = run.at("finish")  # no README viewer
        assert [finish[i].text for i in (200, 201, 202)] == [COMPLETED, "", ""]
        run.leave()
        assert run.exit_code() == 0
    finally:
        run.kill()
    assert_same_files(files(INSTALL_FOLDER), payload(media, PROGRAM))  # and no guide
    assert shortcuts() == ([], [])


@installation
def test_custom_shows_components_and_installs_the_chosen_ones(media):
    run = Run(media)
    try:
        run.to_install_type("custom")
        run.step("folder")
        run.at("components")
        run.click(TUTORIALS_BOX)
        run.click(START_MENU_BOX)
        run.leave()
        run.step("overview", BACK["overview"])
        run.step("components")  # Back from the Overview: Components again, choices kept
        run.step("overview")
        finish = run.at("finish")  # the README viewer was not chosen
        assert [finish[i].text for i in (201, 202)] == ["", ""]
        run.leave()
        assert run.exit_code() == 0
    finally:
        run.kill()
    assert_same_files(files(INSTALL_FOLDER), payload(media, PROGRAM, TUTORIALS))
    desktop, start_menu = shortcuts()
    assert desktop == [] and [n.upper() for n in start_menu] == ["DRASKEL.LNK"], shortcuts()


@installation
def test_escape_closes_the_readme_viewer_and_skips_the_guide(media):
    run = Run(media)
    try:
        run.to_install_type("new")
        run.step("folder")
        run.step("overview")
        run.step("readme", key="Escape")
        run.step("finish", key="Escape")
        assert run.exit_code() == 0
    finally:
        run.kill()
    installed = files(INSTALL_FOLDER)
    assert GUIDE not in installed
    assert_same_files(installed, payload(media, PROGRAM, SAMPLES, TUTORIALS))
    assert len(shortcuts()[0]) == 1


if __name__ == "__main__":
    run_tests([test_new_installs_everything_then_readme_finish_and_guide,
                test_update_installs_only_the_program,
                test_custom_shows_components_and_installs_the_chosen_ones,
                test_escape_closes_the_readme_viewer_and_skips_the_guide])
