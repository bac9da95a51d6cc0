"""Writes one help file per help context id, each answering only its own id, so that a test can
tell from the help window's appearance which id a dialog asked for.
usage: make_help_variants.py HELP_SOURCES OUT_DIR"""

import os
import re
import shutil
import subprocess
import sys
import tempfile

src, out = sys.argv[1], sys.argv[2]
os.makedirs(out, exist_ok=True)
with open(os.path.join(src, "context.h")) as f:
    contexts = re.findall(r"#define\s+(\w+)\s+(\d+)", f.read())
with open(os.path.join(src, "install.hhp")) as f:
    aliases = dict(re.findall(r"^(IDH_\w+)=(\S+)$", f.read(), re.M))
topics = sorted(set(aliases.values()))
for name, number in contexts:
    with tempfile.TemporaryDirectory() as work:
        for topic in topics + ["help.css"]:
            shutil.copy(os.path.join(src, topic), work)
        with open(os.path.join(work, "only.hhp"), "w") as f:
            f.write("[OPTIONS]\nCompatibility=1.1 or later\nCompiled file=ONLY.CHM\n"
                    "Default topic=%s\nDisplay compile progress=No\n"
                    "Language=0x409 English (United States)\nTitle=Context %s\n\n"
                    "[FILES]\n%s\n\n[ALIAS]\n%s=%s\n\n[MAP]\n#define %s %s\n"
                    % (topics[0], number, "\n".join(topics), name, aliases[name], name, number))
        run = subprocess.run(["chmcmd", "--no-html-scan", "only.hhp"], cwd=work,
                             capture_output=True, text=True)
        if run.returncode != 0 or not os.path.isfile(os.path.join(work, "ONLY.CHM")):
            sys.exit("chmcmd failed for %s:\n%s%s" % (name, run.stdout, run.stderr))
        shutil.copy(os.path.join(work, "ONLY.CHM"), os.path.join(out, "context-%s.chm" % number))
