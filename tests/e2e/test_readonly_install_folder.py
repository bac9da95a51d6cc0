"""A read-only install folder is installed into. Under Wine a folder reads as read-only when its
Unix folder has no write permission, which no Windows program can set; this script prepares such a
folder in the prefix and runs the in-process install test on it."""

import os
import shutil
import subprocess
import sys
import tempfile

prefix = os.environ["WINEPREFIX"]
build = os.path.dirname(os.environ["INSTALL_EXE"])
root = tempfile.mkdtemp(prefix="ro-install-", dir=os.path.join(prefix, "drive_c"))
folder = os.path.join(root, "DRASKEL")
os.mkdir(folder)
os.chmod(folder, 0o555)
try:
    env = dict(os.environ, READ_ONLY_INSTALL_FOLDER="C:\\%s\\DRASKEL" % os.path.basename(root))
    run = subprocess.run(
        ["wine", os.path.join(build, "wine_tests.exe"),
         "--gtest_filter=Install.ReadOnlyInstallFolderLosesTheAttributeAndIsInstalledInto"],
        env=env, cwd=build, stdin=subprocess.DEVNULL, capture_output=True, text=True, timeout=300)
    print(run.stdout)
    print(run.stderr, file=sys.stderr)
    mode = os.stat(folder).st_mode & 0o777
    print("folder mode after the install: %o" % mode)
    ok = run.returncode == 0 and "[  PASSED  ] 1 test" in run.stdout and "SKIPPED" not in run.stdout
finally:
    for path, dirs, files in os.walk(root):
        os.chmod(path, 0o755)
        for name in files:
            os.chmod(os.path.join(path, name), 0o644)
    shutil.rmtree(root)
sys.exit(0 if ok else 1)
