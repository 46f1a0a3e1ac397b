#!/bin/bash
# Installs the tutor into a temporary prefix and checks what a desktop needs:
# the program with its pages, sounds, list and sound module in lib/quillet/,
# the relative link bin/quillet, the desktop entry and its icon; the same
# again installed under DESTDIR, with nothing outside it. Then starts
# bin/quillet once on an X server of its own and waits for the main window;
# any other window that comes up first (such as the message box that a
# missing 169.txt brings) fails the test.
#   install_test.sh <cmake> <build folder> <source data folder>
set -u
cmake=$1 build=$2 data=$3
caption='Quillet..'

work=$(mktemp -d)
xvfb_pid='' app_pid=''
stop() {
    if [ -n "$1" ]; then
        kill "$1" 2>/dev/null
        wait "$1" 2>/dev/null
    fi
}
cleanup() {
    stop "$app_pid"
    stop "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# --- the installed tree
prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; fail "cmake --install failed"; }
home=$prefix/lib/quillet
[ -f "$home/quillet" ] && [ ! -L "$home/quillet" ] && [ -x "$home/quillet" ] ||
    fail "no executable $home/quillet"
diff -r "$data/html" "$home/html" >/dev/null || fail "$home/html differs from $data/html"
diff -r "$data/wavs" "$home/wavs" >/dev/null || fail "$home/wavs differs from $data/wavs"
cmp -s "$data/169.txt" "$home/169.txt" || fail "$home/169.txt differs from $data/169.txt"
[ -f "$home/libquillet_sound.so" ] || fail "no sound module $home/libquillet_sound.so"

link=$prefix/bin/quillet
[ -L "$link" ] || fail "$link is not a symbolic link"
[ "$(readlink "$link")" = "../lib/quillet/quillet" ] ||
    fail "$link points to '$(readlink "$link")', not to ../lib/quillet/quillet"
[ "$(readlink -f "$link")" = "$(readlink -f "$home/quillet")" ] || fail "$link does not reach $home/quillet"

# --- the desktop entry: its keys, the program its Exec names, its icon
entry=$prefix/share/applications/quillet.desktop
[ -f "$entry" ] || fail "no desktop entry $entry"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
fi
[ "$(grep -v '^#' "$entry" | grep -v '^$' | head -n 1)" = "[Desktop Entry]" ] ||
    fail "$entry does not start with its [Desktop Entry] group"
key() { sed -n "s/^$1=//p" "$entry"; }
for k in Type Name Exec Icon; do
    [ "$(grep -c "^$k=" "$entry")" = 1 ] || fail "$entry needs exactly one $k key"
done
[ "$(key Type)" = Application ] || fail "Type is '$(key Type)', not Application"
[ -n "$(key Name)" ] || fail "Name is empty"
program=$(key Exec)
program=${program%% *}
# The menu finds Exec's program on the PATH, where prefix/bin is.
[ "$(PATH=$prefix/bin; command -v "$program")" = "$link" ] ||
    fail "Exec names '$program', which is not $link on a PATH of $prefix/bin"
icon=$(key Icon)
shopt -s nullglob
icons=("$prefix"/share/icons/hicolor/*/apps/"$icon".png)
[ "${#icons[@]}" -gt 0 ] || fail "no icon $icon.png under $prefix/share/icons/hicolor"
for png in "${icons[@]}"; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    # A PNG's signature, then its IHDR: width and height as 32-bit big-endian.
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
        fail "$png is not a PNG"
    read -r w h < <(od -An -j16 -N8 -tu1 "$png" |
        awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [ "${w}x${h}" = "$size" ] || fail "$png is ${w}x${h}, not $size"
done

# --- a staged install, as a distribution package builds it: everything
# lands under DESTDIR, and nothing at the prefix itself
stage=$work/stage
staged_prefix=$work/nowhere/usr
DESTDIR=$stage "$cmake" --install "$build" --prefix "$staged_prefix" >"$work/stage.log" 2>&1 ||
    { cat "$work/stage.log"; fail "DESTDIR=$stage cmake --install failed"; }
[ ! -e "$work/nowhere" ] && [ ! -L "$staged_prefix/bin/quillet" ] ||
    fail "the staged install wrote outside DESTDIR, under $work/nowhere"
root=$stage$staged_prefix
[ -f "$root/lib/quillet/quillet" ] && [ -x "$root/lib/quillet/quillet" ] ||
    fail "no executable $root/lib/quillet/quillet"
diff -r "$home" "$root/lib/quillet" >/dev/null || fail "$root/lib/quillet differs from $home"
[ -L "$root/bin/quillet" ] || fail "$root/bin/quillet is not a symbolic link"
[ "$(readlink "$root/bin/quillet")" = "../lib/quillet/quillet" ] ||
    fail "$root/bin/quillet points to '$(readlink "$root/bin/quillet")'"
[ "$(readlink -f "$root/bin/quillet")" = "$(readlink -f "$root/lib/quillet/quillet")" ] ||
    fail "$root/bin/quillet does not reach $root/lib/quillet/quillet"
cmp -s "$entry" "$root/share/applications/quillet.desktop" ||
    fail "no desktop entry $root/share/applications/quillet.desktop like $entry"
for png in "${icons[@]}"; do
    cmp -s "$png" "$root/${png#"$prefix"/}" || fail "no icon $root/${png#"$prefix"/}"
done

# --- one start of bin/quillet on an X server of its own
command -v Xvfb >/dev/null ||
    fail "Xvfb is not installed (Debian package xvfb): it is needed to start the installed tutor"
command -v xdotool >/dev/null ||
    fail "xdotool is not installed (Debian package xdotool): it is needed to find the tutor's window"
# Xvfb picks a free display number itself and writes it to fd 3 once it listens.
# -noreset: a server resets when its last client leaves, and one that resets
# as xdotool's first look ends refuses the tutor still connecting (a slow
# start, as in the sanitizer build).
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 300); do  # 30 s: only a hang takes that long
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; fail "Xvfb did not start (its messages are above)"; }
export DISPLAY=:$(head -n 1 "$work/display")

# What the X server said and whether it still runs, for a failure's message.
xvfb_state() {
    kill -0 "$xvfb_pid" 2>/dev/null && echo "Xvfb $DISPLAY still runs" || echo "Xvfb $DISPLAY has ended"
    cat "$work/xvfb.log"
}

mkdir -m 700 "$work/runtime"
env -u QT_QPA_PLATFORM -u QT_SCALE_FACTOR -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$work/runtime" \
    "$link" >"$work/tutor.log" 2>&1 &
app_pid=$!
for _ in $(seq 300); do  # 30 s: only a hang takes that long
    kill -0 "$app_pid" 2>/dev/null ||
        { cat "$work/tutor.log" >&2; xvfb_state >&2
          fail "the tutor ended before its main window came up"; }
    seen=''
    for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
        name=$(xdotool getwindowname "$id" 2>/dev/null)
        if [ "$name" = "$caption" ]; then
            seen=main
        else
            fail "a window '$name' came up beside or before the main window" \
                "(the message box of a missing or broken 169.txt?)"
        fi
    done
    if [ -n "$seen" ]; then
        echo "installed into $prefix; $link started and showed '$caption' on $DISPLAY"
        exit 0
    fi
    sleep 0.1
done
fail "the main window '$caption' did not come up within 30 s"
