#!/usr/bin/env bash
# The desktop entry and the metainfo as shipped pass the freedesktop validators.
# Usage: validateTest.sh DESKTOP_SOURCE_DIR
source "$(dirname "$0")/checks.sh"
need desktop-file-validate appstreamcli
desktop="$1"

desktop-file-validate "$desktop/kestrava.desktop" || fail "desktop-file-validate kestrava.desktop"
appstreamcli validate --no-net "$desktop/kestrava.metainfo.xml" || fail "appstreamcli validate"

# The entry says what the menu and the file manager need.
entry="$desktop/kestrava.desktop"
for line in "Name=Kestrava" "GenericName=Tarot Readings" "Icon=kestrava" \
    "MimeType=application/x-srml;" "Exec=kestrava %f"; do
    grep -qxF "$line" "$entry" || fail "kestrava.desktop has no line $line"
done
grep -q '^Comment=.' "$entry" || fail "kestrava.desktop has no Comment"
grep -q '^Categories=.' "$entry" || fail "kestrava.desktop has no Categories"
# The metainfo launches this entry and shows pictures of the program.
grep -qF '<launchable type="desktop-id">kestrava.desktop</launchable>' \
    "$desktop/kestrava.metainfo.xml" || fail "the metainfo does not launch kestrava.desktop"
grep -q '<content_rating' "$desktop/kestrava.metainfo.xml" || fail "no content rating"
grep -q '<screenshot' "$desktop/kestrava.metainfo.xml" || fail "no screenshots"
echo "desktop entry and metainfo valid"
