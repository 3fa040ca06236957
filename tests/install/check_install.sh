#!/usr/bin/env bash
# check_install.sh files|validators BUILD_DIR
# Installs the build into a temporary prefix, then checks what an installation
# holds (files) or lets the freedesktop validators judge it (validators; 77,
# skipped, when they are not installed).
set -uo pipefail
mode=$1
build=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install" >&2; exit 1; }
share=$prefix/share
id=org.orvane.Vantrel

check_files() {
    local expected=(bin/vantrel bin/vantrel-tool
        share/applications/$id.desktop share/metainfo/$id.metainfo.xml
        share/man/man1/vantrel.1.gz share/man/man1/vantrel-tool.1.gz
        share/doc/vantrel/copyright share/doc/vantrel/changelog.gz
        share/bash-completion/completions/vantrel-tool
        share/icons/hicolor/scalable/apps/$id.svg)
    local size
    for size in 16 24 32 48 64 128 256; do
        expected+=("share/icons/hicolor/${size}x$size/apps/$id.png")
    done
    local listed
    listed=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
    [ "$listed" = "$(printf '%s\n' "${expected[@]}" | sort)" ] ||
        fail "installed files differ: $(diff <(printf '%s\n' "${expected[@]}" | sort) <(echo "$listed") | grep '^[<>]' | tr '\n' ' ')"

    # Each PNG has the size its directory claims, and is no empty square.
    for size in 16 24 32 48 64 128 256; do
        local png=$share/icons/hicolor/${size}x$size/apps/$id.png
        [ "$(identify -format '%wx%h' "$png" 2>/dev/null)" = "${size}x$size" ] || fail "$png is not ${size}x$size"
        [ "$(identify -format '%[fx:maxima.a > 0]' "$png" 2>/dev/null)" = 1 ] || fail "$png is transparent"
    done
    grep -q '<svg' "$share/icons/hicolor/scalable/apps/$id.svg" || fail "the scalable icon is no SVG"

    local program
    for program in vantrel vantrel-tool; do
        [ -x "$prefix/bin/$program" ] || fail "$program is not executable"
        [ "$("$prefix/bin/$program" --version)" = "$program 1.2" ] || fail "$program --version"
        local page=$share/man/man1/$program.1.gz
        local warnings
        warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || fail "man $page failed"
        [ -z "$warnings" ] || fail "man $page warns: $warnings"
    done

    # The manual page and the completion know every command the tool has,
    # with every option its usage names.
    local usage commands command
    usage=$("$prefix/bin/vantrel-tool" --help)
    commands=$(sed -n 's/^  \([a-z][a-z]*\) .*/\1/p' <<<"$usage")
    [ -n "$commands" ] || fail "no commands in vantrel-tool --help"
    local manual
    manual=$(MANWIDTH=200 man -l "$share/man/man1/vantrel-tool.1.gz" 2>/dev/null)
    for command in $commands; do
        grep -qE "^ {7}$command( |$)" <<<"$manual" || fail "man vantrel-tool lacks '$command'"
    done
    check_completion "$share/bash-completion/completions/vantrel-tool" "$usage" "$commands"
}

# Runs the completion with stand-ins for the bash-completion helpers and
# answers the words offered for COMMAND_LINE (the last word being completed).
complete_words() {
    local script=$1
    shift
    bash -c '
        _init_completion() { words=("${COMP_WORDS[@]}"); cword=$COMP_CWORD;
                             cur=${words[cword]}; prev=${words[cword-1]}; }
        _filedir() { :; }
        compopt() { :; }
        . "$1"; shift
        COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
        _vantrel_tool
        printf "%s\n" "${COMPREPLY[@]}" | sort' _ "$script" "$@"
}

check_completion() {
    local script=$1 usage=$2 commands=$3
    local offered
    offered=$(complete_words "$script" vantrel-tool "" | grep -v '^-\|^help$')
    [ "$offered" = "$(sort <<<"$commands")" ] || fail "completion offers commands: $(echo $offered)"
    local command expected
    for command in $commands; do
        expected=$( (grep "^  $command " <<<"$usage" | grep -o -- '--[a-z-]*'
                     printf '%s\n' --settings --codenotes --root) | sort -u)
        offered=$(complete_words "$script" vantrel-tool "$command" --)
        [ "$offered" = "$expected" ] || fail "completion of $command offers: $(echo $offered)"
    done
    [ "$(complete_words "$script" vantrel-tool note X --state "" | tr '\n' ' ')" = "0 2 4 " ] ||
        fail "completion of --state"
}

check_validators() {
    command -v desktop-file-validate >/dev/null && command -v appstreamcli >/dev/null || {
        echo "desktop-file-validate or appstreamcli is not installed"
        exit 77
    }
    desktop-file-validate "$share/applications/$id.desktop" || fail "desktop-file-validate"
    appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
}

case $mode in
    files) check_files ;;
    validators) check_validators ;;
    *) echo "usage: $0 files|validators BUILD_DIR" >&2; exit 2 ;;
esac
[ $failures -eq 0 ]
