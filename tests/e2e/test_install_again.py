"""Installing where the product already is, with the real INSTALL.EXE under Wine: a second New
installation over a changed first one, and an earlier installation found by the search on a
second fixed drive and picked from the list."""

import os
import shutil
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(__file__))
import driver  # noqa: E402
from install_walk import (DESKTOP, FOLDER_EDIT, FOUND_LIST, GUIDE, INSTALL_FOLDER,  # noqa: E402
                          NO_TO_ALL, PROGRAM, SAMPLES, SEARCH, TUTORIALS, Run, assert_same_files,
                          files, link_target_in, payload, remove_installation, run_tests,
                          shortcuts)


def new_installation(media, confirmations=0, search=None):
    """A New installation with every default; No to All on each confirmation. search, when
    given, is called on the Install Folder page shown again after a search."""
    run = Run(media)
    prompts = []
    try:
        run.to_install_type("new")
        if search:
            run.step("folder", SEARCH)
            run.at("folder", timeout=300)  # the search walks every fixed drive, C: too
            search(run)
            run.leave()
        else:
            run.step("folder")
        run.step("overview")
        for _ in range(confirmations):
            prompts.append(run.step("confirm", NO_TO_ALL, timeout=120)[100].text)
        run.step("readme")
        run.step("finish")
        assert run.exit_code() == 0
    finally:
        run.kill()
    return prompts


def change(path):
    with open(path, "ab") as f:
        f.write(b"changed by the user\r\n")


def test_second_new_installation_keeps_the_changed_files():
    media = driver.Media("Draskel")
    remove_installation()
    try:
        new_installation(media)
        first = files(INSTALL_FOLDER)
        samples, tutorials = payload(media, SAMPLES), payload(media, TUTORIALS)
        project_file = next(p for p in sorted(tutorials) if ".DIR" in p.upper())
        program_file = sorted(payload(media, PROGRAM))[0]
        changed = [sorted(samples)[0], sorted(samples)[-1], project_file, program_file]
        for path in changed:
            change(os.path.join(INSTALL_FOLDER, path))
        before = files(INSTALL_FOLDER)

        # Each of the two confirmed folders asks again: the answer is not carried over.
        prompts = new_installation(media, confirmations=2)
        assert all(p for p in prompts), prompts

        after = files(INSTALL_FOLDER)
        for path in set(samples) | set(tutorials):
            assert after[path] == before[path], path
        # Program files are replaced without a question.
        assert after[program_file] == first[program_file] != before[program_file]
        assert set(after) == set(first)
        desktop, start_menu = shortcuts()
        assert [n.upper() for n in desktop] == ["DRASKEL (2).LNK", "DRASKEL.LNK"], desktop
        assert [n.upper() for n in start_menu] == ["DRASKEL (2).LNK", "DRASKEL.LNK"], start_menu
    finally:
        remove_installation()
        media.close()


def test_search_finds_an_installation_on_a_second_drive_and_installs_there():
    media = driver.Media("Draskel")
    remove_installation()
    root = tempfile.mkdtemp(prefix="e2e-drive-")
    earlier = os.path.join(root, "FOLDER")
    os.mkdir(earlier)
    exe = os.path.join(earlier, "DRASKEL.EXE")
    with open(exe, "wb") as f:
        f.write(b"an earlier Draskel\r\n")
    later = time.time() + 86400  # newer than the program on the media: first in the list
    os.utime(exe, (later, later))
    link = os.path.join(driver.DOSDEVICES, "e:")
    if os.path.lexists(link):
        os.remove(link)
    os.symlink(root, link)

    def pick(run):
        found = run.controls[FOUND_LIST]
        left, top, right, _ = found.rect
        driver.click(left + 40, top + 9)  # the first row
        end = time.time() + 10
        while True:
            edit = [c for c in driver.children(run.window) if c.id == FOLDER_EDIT][0]
            if edit.text == "E:\\FOLDER" or time.time() > end:
                break
            time.sleep(0.2)
        assert edit.text == "E:\\FOLDER", edit.text

    try:
        new_installation(media, search=pick)
        installed = files(earlier)
        expected = payload(media, PROGRAM, SAMPLES, TUTORIALS)
        expected[GUIDE] = files(media.dir)[GUIDE]
        assert_same_files(installed, expected)  # the earlier program file replaced as well
        assert not os.path.exists(INSTALL_FOLDER)
        desktop, _ = shortcuts()
        assert link_target_in(os.path.join(DESKTOP, desktop[0]), "E:\\FOLDER\\DRASKEL.EXE")
    finally:
        os.remove(link)
        shutil.rmtree(root, ignore_errors=True)
        remove_installation()
        media.close()


if __name__ == "__main__":
    run_tests([test_second_new_installation_keeps_the_changed_files,
                test_search_finds_an_installation_on_a_second_drive_and_installs_there])
