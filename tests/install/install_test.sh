#!/usr/bin/env bash
# Checks of an installed greetcard, one CTest test a step:
#   install_test.sh stage    BUILD PREFIX VERSION   installs BUILD into PREFIX
#   install_test.sh files    BUILD PREFIX VERSION   exactly the expected files
#   install_test.sh programs BUILD PREFIX VERSION   the installed programs run
#   install_test.sh desktop  BUILD PREFIX VERSION   the desktop entry is valid
#   install_test.sh man      BUILD PREFIX VERSION   the manual pages
# The last four need the stage step first (a CTest fixture sees to that).
set -euo pipefail

mode=$1 build=$2 prefix=$3 version=$4
icon_sizes=(16 24 32 48 64 128 256)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Width and height of a PNG file, from its IHDR chunk.
png_size() {
    local sig
    sig=$(od -An -tx1 -N8 "$1" | tr -d ' \n')
    [ "$sig" = 89504e470d0a1a0a ] || { echo "not-a-png"; return; }
    local w h
    w=$(od -An -tu4 --endian=big -j16 -N4 "$1" | tr -d ' ')
    h=$(od -An -tu4 --endian=big -j20 -N4 "$1" | tr -d ' ')
    echo "${w}x${h}"
}

case $mode in
stage)
    rm -rf "$prefix"
    cmake --install "$build" --prefix "$prefix"
    ;;

files)
    expected=(
        bin/greetcard
        bin/greetcard-cli
        share/applications/greetcard.desktop
        share/man/man1/greetcard.1
        share/man/man1/greetcard-cli.1
    )
    for s in "${icon_sizes[@]}"; do
        expected+=("share/icons/hicolor/${s}x${s}/apps/greetcard.png")
    done
    # Nothing more either: no build tools, test programs or libraries.
    diff -u <(printf '%s\n' "${expected[@]}" | sort) \
            <(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort) ||
        fail "the installed files differ from the expected list (- expected, + installed)"
    for exe in bin/greetcard bin/greetcard-cli; do
        [ -x "$prefix/$exe" ] || fail "$exe is not executable"
    done
    for s in "${icon_sizes[@]}"; do
        got=$(png_size "$prefix/share/icons/hicolor/${s}x${s}/apps/greetcard.png")
        [ "$got" = "${s}x${s}" ] || fail "the ${s}x${s} icon is $got"
    done
    ;;

programs)
    cli=$prefix/bin/greetcard-cli
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    # No display, as on a server or in CI.
    unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

    got=$("$cli" --version) || fail "greetcard-cli --version exits with $?"
    [ "$got" = "greetcard-cli $version" ] || fail "greetcard-cli --version says '$got'"
    got=$("$prefix/bin/greetcard" --version) || fail "greetcard --version exits with $?"
    [ "$got" = "greetcard $version" ] || fail "greetcard --version says '$got'"

    "$cli" info ana >"$work/info.json" || fail "greetcard-cli info ana exits with $?"
    [ "$(head -c1 "$work/info.json")" = "{" ] || fail "info does not print a JSON object"
    # A whole card: the engine, the toolkit's image plugins and the caption font
    # must all be found from the installed program.
    "$cli" render ana -o "$work/ana.png" || fail "greetcard-cli render exits with $?"
    [ "$(png_size "$work/ana.png")" = 700x525 ] || fail "the rendered card is $(png_size "$work/ana.png")"
    ;;

desktop)
    entry=$prefix/share/applications/greetcard.desktop
    desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
    key() { sed -n "s/^$1=//p" "$entry"; }
    # The entry must point at what was installed beside it.
    exec_cmd=$(key Exec)
    [ -x "$prefix/bin/${exec_cmd%% *}" ] || fail "Exec=$exec_cmd is not an installed program"
    icon=$(key Icon)
    for s in "${icon_sizes[@]}"; do
        [ -f "$prefix/share/icons/hicolor/${s}x${s}/apps/$icon.png" ] ||
            fail "Icon=$icon has no ${s}x${s} image"
    done
    [ "$(key Terminal)" = false ] || fail "Terminal is not false"
    ;;

man)
    unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
    for page in greetcard greetcard-cli; do
        file=$prefix/share/man/man1/$page.1
        warnings=$(groff -man -Tutf8 -ww -z "$file" 2>&1) || fail "groff cannot format $page.1"
        [ -z "$warnings" ] || fail "groff warns about $page.1: $warnings"
        head -n1 "$file" | grep -qF "greetcard $version" || fail "$page.1 does not carry version $version"
    done
    # Every command and option that --help shows is described in the manual.
    # One long line a paragraph, so no word is hyphenated or split.
    text=$(groff -man -Tascii -P-cbou -rLL=1000n "$prefix/share/man/man1/greetcard-cli.1")
    help=$("$prefix/bin/greetcard-cli" --help)
    verbs=$(grep -oE '^  greetcard-cli [a-z]+' <<<"$help" | awk '{print $2}' | sort -u)
    options=$(grep -oE -- '(^|[^a-z-])--?[a-z][a-z-]*' <<<"$help" | grep -oE -- '--?[a-z][a-z-]*' | sort -u)
    [ -n "$verbs" ] && [ -n "$options" ] || fail "no commands or options found in --help"
    for v in $verbs; do
        grep -qE "greetcard-cli $v( |$)" <<<"$text" || fail "the manual has no synopsis for '$v'"
    done
    for o in $options $("$prefix/bin/greetcard-cli" --version >/dev/null && echo --version); do
        grep -qE -- "(^|[ ,(\[|])$o( |,|\]|$)" <<<"$text" || fail "the manual does not describe $o"
    done
    ;;

*)
    echo "usage: install_test.sh stage|files|programs|desktop|man BUILD PREFIX VERSION" >&2
    exit 2
    ;;
esac
