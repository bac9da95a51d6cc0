#!/usr/bin/env bash
# Checks scripts/make-media: contents, exact bytes, options, safety.
set -u

HERE=$(cd "$(dirname "$0")" && pwd)
MAKE_MEDIA="$HERE/../../scripts/make-media"
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

# Any file will do as the installer to copy; its bytes must arrive intact.
printf 'MZ fake installer \001\002\003\r\n' > "$TMP/fake.exe"
export INSTALL_EXE="$TMP/fake.exe"

passed=0
failed=0
check() { # description, command...
    local what=$1; shift
    if "$@" >"$TMP/out" 2>&1; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $what"
        sed 's/^/    /' "$TMP/out" | head -20
    fi
}
same_bytes() { cmp -s "$1" <(printf "$2"); }
absent() { [ ! -e "$1" ]; }

# --- a full product, key given in other letter case
M="$TMP/draskel"
check "make-media draskel runs" "$MAKE_MEDIA" draskel "$M"
check "PRODUCT.TXT is the catalog spelling + CR LF" same_bytes "$M/PRODUCT.TXT" 'Draskel\r\n'
check "VERSION.TXT" same_bytes "$M/VERSION.TXT" '5.1\r\n'
check "INSTALL.EXE copied byte for byte" cmp "$INSTALL_EXE" "$M/INSTALL.EXE"
check "top level holds exactly the expected entries" bash -c '
    diff <(cd "$1" && ls -A | sort) <(printf "%s\n" .make-media EULA.TXT INSTALL.CHM \
        INSTALL.EXE POSTINFO.PDF PRODUCT.TXT PROGRAM README.TXT "SAMPLE AUXILIARY FILES" \
        "TUTORIAL PROJECTS" VERSION.TXT | sort)' _ "$M"
check "program file and Draskel data files" bash -c '
    cd "$1" && [ -f PROGRAM/DRASKEL.EXE ] && [ -d PROGRAM/FONTS ] &&
    [ -f "SAMPLE AUXILIARY FILES/material.m80" ] && [ -f "SAMPLE AUXILIARY FILES/DRASKEL.INI" ] &&
    [ -f "SAMPLE AUXILIARY FILES/FILLSEQ.F80" ] && [ -f "SAMPLE AUXILIARY FILES/A.B80" ] &&
    [ ! -e "SAMPLE AUXILIARY FILES/A0.B80" ] && [ ! -e "SAMPLE AUXILIARY FILES/ORVANE.INI" ]' _ "$M"
check "tutorial projects have project folders with subfolders" bash -c '
    cd "$1/TUTORIAL PROJECTS" && [ -f Sample1.DIR/DRAWINGS/PLAN.DRW ] &&
    [ -f Sample2.dir/project.prj ] && [ -f HOUSE.DIR/DETAILS/ROOF.DRW ] && [ -f IMAGES/HOUSE1.PCX ]' _ "$M"
check "text files end every line with CR LF" bash -c '
    cd "$1" && for f in EULA.TXT README.TXT "SAMPLE AUXILIARY FILES/DRASKEL.INI"; do
        [ -s "$f" ] && ! grep -q -v $'"'"'\r$'"'"' "$f" && [ "$(tail -c 2 "$f" | od -An -c | tr -d " ")" = "\r\n" ] || exit 1
    done' _ "$M"
check "EULA names the product and has lines over 100 characters" bash -c '
    grep -q "^Draskel 5.1" "$1/EULA.TXT" && [ "$(awk "length > 101" "$1/EULA.TXT" | wc -l)" -ge 3 ] &&
    ! grep -q "@[A-Z]*@" "$1/EULA.TXT" "$1/README.TXT"' _ "$M"
check "no background picture unless asked" absent "$M/BACKGRND.BMP"
check "INSTALL.CHM is an ITSF file" bash -c '[ "$(head -c 4 "$1")" = ITSF ]' _ "$M/INSTALL.CHM"

# The help context ids must resolve to the right topics inside the CHM,
# as HtmlHelp(HH_HELP_CONTEXT) reads them: #IVB pairs -> #STRINGS paths.
check "CHM maps every help context id to its topic" python3 - "$M/INSTALL.CHM" "$TMP" <<'EOF'
import struct, subprocess, sys, os
chm, tmp = sys.argv[1], sys.argv[2]
def extract(name):
    out = os.path.join(tmp, "x.bin")
    if os.path.exists(out):
        os.unlink(out)
    subprocess.run(["chmls", "extract", chm, name, out], capture_output=True)
    return open(out, "rb").read()
ivb, strings = extract("/#IVB"), extract("/#STRINGS")
size, = struct.unpack_from("<I", ivb)
got = {}
for i in range(size // 8):
    ctx, off = struct.unpack_from("<II", ivb, 4 + 8 * i)
    got[ctx] = strings[off:strings.index(b"\0", off)].decode()
want = {100: "/welcome.htm", 200: "/license.htm", 400: "/insttype.htm", 500: "/folder.htm",
        600: "/compnts.htm", 700: "/overview.htm", 800: "/readme.htm", 900: "/finish.htm"}
assert got == want, got
titles = {100: "Welcome", 200: "License Agreement", 500: "Install Folder", 900: "Finish"}
for ctx, title in titles.items():
    page = extract(want[ctx]).decode("latin-1")
    assert "<h1>%s</h1>" % title in page, (ctx, page[:200])
EOF

check "POSTINFO.PDF is a PDF whose xref points at its objects" python3 - "$M/POSTINFO.PDF" <<'EOF'
import re, sys
d = open(sys.argv[1], "rb").read()
assert d.startswith(b"%PDF-1."), d[:8]
start = int(re.search(rb"startxref\s+(\d+)\s+%%EOF\s*$", d).group(1))
assert d[start:start + 4] == b"xref"
m = re.match(rb"xref\s+0 (\d+)\s+", d[start:])
pos = start + m.end()
for i in range(int(m.group(1))):
    entry = d[pos + 20 * i:pos + 20 * (i + 1)]
    off, kind = int(entry[:10]), entry[17:18]
    if kind == b"n":
        assert d[off:].startswith(b"%d 0 obj" % i), (i, off)
assert b"Draskel" in d
EOF
if command -v pdftotext >/dev/null; then
    check "pdftotext reads the quick start guide" bash -c '
        pdftotext "$1" - 2>&1 | grep -q "Draskel 5.1 - Quick Start Guide" &&
        [ -z "$(pdftotext "$1" /dev/null 2>&1)" ]' _ "$M/POSTINFO.PDF"
fi

# --- same input, same bytes (the CHM carries compile times unless fixed)
check "a second run gives identical media" bash -c '
    "$1" DRASKEL "$2/again" && diff -r "$3" "$2/again"' _ "$MAKE_MEDIA" "$TMP" "$M"

# --- re-running over old media replaces it; other folders are left alone
touch "$M/stale.txt"
check "re-run over media empties it first" bash -c '"$1" Draskel "$2" && [ ! -e "$2/stale.txt" ]' \
    _ "$MAKE_MEDIA" "$M"
mkdir -p "$TMP/userdata"
echo precious > "$TMP/userdata/notes.doc"
check "refuses to empty a folder that is not media" bash -c '
    ! "$1" Draskel "$2" 2>"$3/err" && grep -q refusing "$3/err" && [ -f "$2/notes.doc" ] &&
    [ ! -e "$2/PRODUCT.TXT" ]' _ "$MAKE_MEDIA" "$TMP/userdata" "$TMP"

# --- metric variant, evaluation EULA, background picture
M2="$TMP/metric"
check "make-media with --background" "$MAKE_MEDIA" --background "draskel (METRIC) (evaluation)" "$M2"
check "metric key spelled as in the catalog" same_bytes "$M2/PRODUCT.TXT" 'Draskel (Metric) (Evaluation)\r\n'
check "metric borders and program" bash -c '
    cd "$1" && [ -f PROGRAM/DRASKELM.EXE ] && [ -f "SAMPLE AUXILIARY FILES/A0.B80" ] &&
    [ -f "SAMPLE AUXILIARY FILES/DRASKELM.INI" ] && [ ! -e "SAMPLE AUXILIARY FILES/A.B80" ]' _ "$M2"
check "evaluation EULA has the evaluation clause, full one not" bash -c '
    grep -q "EVALUATION COPY" "$1/EULA.TXT" && ! grep -q "EVALUATION COPY" "$2/EULA.TXT"' _ "$M2" "$M"
check "BACKGRND.BMP is 640x480 24-bit" python3 - "$M2/BACKGRND.BMP" <<'EOF'
import struct, sys
d = open(sys.argv[1], "rb").read()
assert d[:2] == b"BM" and struct.unpack_from("<I", d, 2)[0] == len(d)
w, h, planes, bpp, comp = struct.unpack_from("<iiHHI", d, 18)
assert (w, h, planes, bpp, comp) == (640, 480, 1, 24, 0), (w, h, planes, bpp, comp)
assert len(d) == struct.unpack_from("<I", d, 10)[0] + 640 * 3 * 480
assert len(set(d[54::3])) > 10  # not one flat colour
EOF

# --- the product that installs Pellion files under the Orvane name
M3="$TMP/pellion"
check "make-media Pellion" "$MAKE_MEDIA" PELLION "$M3"
check "Pellion payload, Orvane name in texts" bash -c '
    cd "$1" && [ -f PROGRAM/PELLION.EXE ] && [ -f "SAMPLE AUXILIARY FILES/PELLION.INI" ] &&
    [ -f "SAMPLE AUXILIARY FILES/COLOR.LST" ] && grep -q "^Orvane 5.1" EULA.TXT' _ "$M3"

# --- leaving things out
M4="$TMP/lean"
check "make-media with every --without option" "$MAKE_MEDIA" --without-program --without-samples \
    --without-projects --without-version --without-postinfo --without-readme --without-eula \
    --without-chm Orvane "$M4"
check "only INSTALL.EXE and PRODUCT.TXT remain" bash -c '
    [ "$(cd "$1" && ls | tr "\n" " ")" = "INSTALL.EXE PRODUCT.TXT " ]' _ "$M4"
M5="$TMP/noprojects"
check "--without-projects alone" "$MAKE_MEDIA" --without-projects Calvix "$M5"
check "...keeps the rest" bash -c '
    cd "$1" && [ ! -e "TUTORIAL PROJECTS" ] && [ -f PROGRAM/CALVIX.EXE ] &&
    [ -f "SAMPLE AUXILIARY FILES/roofing.r80" ] && [ -f INSTALL.CHM ] && [ -f VERSION.TXT ]' _ "$M5"

# --- unknown product text, chosen payload
M6="$TMP/raw"
check "--raw-product" "$MAKE_MEDIA" --raw-product "Zorbex Pro 9" "Calvix (Evaluation)" "$M6"
check "raw text in PRODUCT.TXT, Calvix payload" bash -c '
    cmp -s "$1/PRODUCT.TXT" <(printf "Zorbex Pro 9\r\n") && [ -f "$1/PROGRAM/CALVIX.EXE" ]' _ "$M6"

# --- failures
check "unknown key fails, lists the keys, creates nothing" bash -c '
    ! "$1" Zorbex "$2/unknown" 2>"$2/err" && grep -q "Draskel (Metric) (Evaluation)" "$2/err" &&
    grep -q "Old Havrin" "$2/err" && [ ! -e "$2/unknown" ]' _ "$MAKE_MEDIA" "$TMP"
check "missing INSTALL.EXE fails and says to build first" bash -c '
    ! INSTALL_EXE="$2/nope.exe" "$1" Serrow "$2/noexe" 2>"$2/err" && grep -qi "build" "$2/err" &&
    [ ! -e "$2/noexe" ]' _ "$MAKE_MEDIA" "$TMP"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
