#!/usr/bin/env bash
# scripts/kestrava --install puts the menu entry, the icon and the document
# type into the user's data folder, replaces none of the user's files, and
# --uninstall takes away only what it put there.
# Usage: installScriptTest.sh SOURCE_DIR BUILD_DIR
source "$(dirname "$0")/checks.sh"
need desktop-file-validate xdg-mime mimetype cmp sha256sum
script="$1/scripts/kestrava"
build="$2"
export KESTRAVA_BUILD="$build"
export KESTRAVA_HOME="$scratch/my programs/Kestrava"
export XDG_DATA_HOME="$scratch/data"
home="$KESTRAVA_HOME"
data="$XDG_DATA_HOME"
sizes=(16x16 32x32 48x48 64x64 128x128 256x256)
entry="$data/applications/kestrava.desktop"

# What the user has already: another program's entry, their own association
# list, and an icon of their own at one size.
mkdir -p "$data/applications" "$data/icons/hicolor/48x48/apps"
printf '[Desktop Entry]\nType=Application\nName=Other\nExec=other\n' >"$data/applications/other.desktop"
printf '[Default Applications]\napplication/x-srml=other.desktop;\n' >"$data/applications/mimeapps.list"
printf 'my own icon' >"$data/icons/hicolor/48x48/apps/kestrava.png"
cp "$data/applications/mimeapps.list" "$scratch/mimeapps.before"

"$script" --install || fail "scripts/kestrava --install"

# The program folder as cmake --install makes it, with the desktop files under share/.
expect_file "$home/kestrava"
for part in applications/kestrava.desktop mime/packages/kestrava.xml metainfo/kestrava.metainfo.xml; do
    expect_file "$home/share/$part"
done
for size in "${sizes[@]}"; do
    expect_file "$home/share/icons/hicolor/$size/apps/kestrava.png"
done
expect_absent "$home/desktop"

# The entry starts the installed program, whose path has a blank.
expect_file "$entry"
desktop-file-validate "$entry" || fail "desktop-file-validate on the installed entry"
expect_equal "$(grep '^Exec=' "$entry")" "Exec=\"$home/kestrava\" %f" "Exec of the installed entry"
expect_equal "$(grep '^TryExec=' "$entry")" "TryExec=$home/kestrava" "TryExec of the installed entry"
for size in "${sizes[@]}"; do
    [ "$size" = 48x48 ] && continue
    cmp -s "$home/share/icons/hicolor/$size/apps/kestrava.png" \
        "$data/icons/hicolor/$size/apps/kestrava.png" || fail "icon $size not installed"
done
expect_equal "$(cat "$data/icons/hicolor/48x48/apps/kestrava.png")" "my own icon" "the user's icon"
cmp -s "$home/share/mime/packages/kestrava.xml" "$data/mime/packages/kestrava.xml" ||
    fail "MIME type not installed"
# The caches were refreshed: the type is known and the entry is listed for it.
printf '[SRML VERSION="1.0" CONTENT-TYPE="DIARY"]\r\n' >"$scratch/reading"
expect_equal "$(filetype "$data" "$scratch/reading")" "application/x-srml" "type after install"
grep -q '^application/x-srml=.*kestrava.desktop' "$data/applications/mimeinfo.cache" ||
    fail "the desktop database does not list the entry for application/x-srml"
cmp -s "$data/applications/mimeapps.list" "$scratch/mimeapps.before" || fail "mimeapps.list changed"

# A second install changes nothing; an entry the user edited is kept from then on.
"$script" --install || fail "second install"
cmp -s "$home/share/applications/kestrava.desktop" "$entry" || fail "the entry changed at reinstall"
printf 'my own icon' >"$scratch/own-icon"
cmp -s "$scratch/own-icon" "$data/icons/hicolor/48x48/apps/kestrava.png" || fail "the user's icon replaced"
echo "NoDisplay=true" >>"$entry"
cp "$entry" "$scratch/edited.desktop"
"$script" --install 2>"$scratch/kept.txt" || fail "install over an edited entry"
cmp -s "$entry" "$scratch/edited.desktop" || fail "the user's edited entry was replaced"
grep -qF "kept $entry" "$scratch/kept.txt" || fail "the kept entry was not reported"

# The user's readings in the program folder.
mkdir -p "$home/diary"
printf 'mine' >"$home/diary/Anna.srml"

"$script" --uninstall || fail "scripts/kestrava --uninstall"
for size in "${sizes[@]}"; do
    [ "$size" = 48x48 ] && continue
    expect_absent "$data/icons/hicolor/$size/apps/kestrava.png"
done
expect_absent "$data/mime/packages/kestrava.xml"
expect_absent "$data/kestrava"
expect_equal "$(filetype "$data" "$scratch/reading")" "text/plain" "type after uninstall"
# Kept: the entry the user edited, their icon and entries, the program folder.
cmp -s "$entry" "$scratch/edited.desktop" || fail "the edited entry was removed"
cmp -s "$scratch/own-icon" "$data/icons/hicolor/48x48/apps/kestrava.png" || fail "the user's icon removed"
expect_file "$data/applications/other.desktop"
cmp -s "$data/applications/mimeapps.list" "$scratch/mimeapps.before" || fail "mimeapps.list changed"
expect_file "$home/kestrava"
expect_equal "$(cat "$home/diary/Anna.srml")" "mine" "the user's reading"

# Installed and left unchanged, the entry goes too; a second uninstall has nothing to do.
rm "$entry"
"$script" --install || fail "install after uninstall"
expect_file "$entry"
"$script" --uninstall || fail "second uninstall"
expect_absent "$entry"
"$script" --uninstall || fail "uninstall with nothing installed"
echo "install and uninstall ok"
