# Helpers of the desktop tests: sourced by each test script.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup --tests installs it)"
    done
}

expect_equal() {
    [ "$1" = "$2" ] || fail "$3: expected '$2', found '$1'"
}

expect_file() {
    [ -f "$1" ] || fail "missing: $1"
}

expect_absent() {
    [ ! -e "$1" ] && [ ! -L "$1" ] || fail "still there: $1"
}

# A scratch folder, removed when the test ends. No blank in its name: xdg-mime
# cannot take data folders with blanks.
scratch="$(mktemp -d "${TMPDIR:-/tmp}/kestrava-desktop.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT

# The MIME type of a file as the desktop sees it from the data folder $1 alone.
filetype() {
    env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION XDG_DATA_HOME="$1" XDG_DATA_DIRS="$1:/usr/share" \
        xdg-mime query filetype "$2"
}

default_application() {
    env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION XDG_DATA_HOME="$1" XDG_DATA_DIRS="$1:/usr/share" \
        XDG_CONFIG_HOME="$1/config" xdg-mime query default "$2"
}
