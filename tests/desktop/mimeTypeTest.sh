#!/usr/bin/env bash
# The SRML document type, built into a scratch MIME database, names reading
# files by their extension and by their first bytes, and leaves other files
# alone; the entry opens it.
# Usage: mimeTypeTest.sh DESKTOP_SOURCE_DIR
source "$(dirname "$0")/checks.sh"
need update-mime-database update-desktop-database xdg-mime mimetype
desktop="$1"
data="$scratch/data"

mkdir -p "$data/mime/packages" "$data/applications"
cp "$desktop/kestrava.xml" "$data/mime/packages/"
# update-mime-database reports a fault in a type as a warning and still succeeds.
out="$(update-mime-database -V "$data/mime" 2>&1)" || fail "update-mime-database: $out"
if grep -qiE 'warning|error|unknown' <<<"$out"; then
    fail "update-mime-database complains: $out"
fi
cp "$desktop/kestrava.desktop" "$data/applications/"
update-desktop-database "$data/applications"

printf '[SRML VERSION="1.0" CONTENT-TYPE="DIARY"]\r\n[PERSON]\r\nAnna\r\n' >"$scratch/Anna"
printf '[SRML VERSION="1.0" CONTENT-TYPE="SPREAD"]\r\n' >"$scratch/Three Cards.srml"
printf '[NAME]\r\nCustom\r\n[/NAME]\r\n' >"$scratch/Custom.srml"
printf 'SRML VERSION, but not at the start\n' >"$scratch/notes"
printf ' [SRML VERSION="1.0"]\n' >"$scratch/indented"

while IFS='|' read -r file expected; do
    expect_equal "$(filetype "$data" "$scratch/$file")" "$expected" "type of $file"
done <<'CASES'
Anna|application/x-srml
Three Cards.srml|application/x-srml
Custom.srml|application/x-srml
notes|text/plain
indented|text/plain
CASES
# Without the type the same first bytes are plain text: the case above is not
# decided by something else.
expect_equal "$(filetype "$scratch/none" "$scratch/Anna")" "text/plain" "type without the database"

expect_equal "$(default_application "$data" application/x-srml)" "kestrava.desktop" \
    "program opening SRML documents"
echo "MIME type ok"
