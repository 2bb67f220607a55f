#!/usr/bin/env bash
# The composer's C core as a controller's build sees it:
# - every .c file of sign/core alone, as strict C99 with gcc and with clang
#   (when it is there), at -O0, -O2 and -Os, with -Wall -Wextra and the
#   conversion warnings, as errors;
# - the symbols the objects need from outside: none but memcpy, memmove and
#   memset (which compilers emit for copies and loops); so no allocator and
#   nothing of a C++ runtime;
# - no recursion, no stack that grows without a bound, and the deepest chain of
#   calls from the entry points (the read function left out) within the
#   SIGN_STACK_BOUND that sign_compose.h states, by gcc's call graph.
# Exit status 0 when all holds, 1 with what failed.
set -euo pipefail
core=$(cd "${1:-$(dirname "$0")/../sign/core}" && pwd)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/sign-core.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() { echo "sign core: $*" >&2; exit 1; }

bound=$(sed -n 's/^#define SIGN_STACK_BOUND \([0-9][0-9]*\).*/\1/p' "$core/sign_compose.h")
[ -n "$bound" ] || fail "sign_compose.h states no SIGN_STACK_BOUND"
compilers=(gcc)
command -v clang >/dev/null 2>&1 && compilers+=(clang)

for cc in "${compilers[@]}"; do
    for level in -O0 -O2 -Os; do
        out="$scratch/$cc$level"
        mkdir -p "$out"
        for source in "$core"/*.c; do
            name=$(basename "$source" .c)
            graph=()
            [ "$cc" = gcc ] && graph=(-fcallgraph-info=su -dumpbase "$out/$name")
            "$cc" -std=c99 -pedantic -Wall -Wextra -Wconversion -Wsign-conversion -Wshadow -Werror "$level" "${graph[@]}" -c "$source" -o "$out/$name.o" ||
                fail "$(basename "$source") does not build alone with $cc -std=c99 -pedantic $level"
        done
        defined=$(nm --defined-only "$out"/*.o | awk 'NF == 3 {print $3}' | sort -u)
        for symbol in $(nm -u "$out"/*.o | awk 'NF == 2 {print $2}' | sort -u); do
            case "$symbol" in memcpy | memmove | memset) continue ;; esac
            grep -qx "$symbol" <<<"$defined" && continue
            fail "built with $cc $level, the core needs $symbol (no allocator, no C++ runtime, no library but memcpy, memmove and memset)"
        done
        [ "$cc" = gcc ] || continue
        # The longest chain of static frames from each entry point; a cycle is recursion.
        deepest=$(cat "$out"/*.ci | awk -v entries="sign_compose sign_compose_utf8 sign_draw" '
            /^node:/ {
                match($0, /title: "[^"]*"/); title = substr($0, RSTART + 8, RLENGTH - 9)
                if (match($0, /[0-9]+ bytes \((static|dynamic,bounded)\)/)) frame[title] = substr($0, RSTART, RLENGTH) + 0
                else if ($0 ~ /bytes \(/) { print "dynamic " title; exit 2 }
            }
            /^edge:/ {
                match($0, /sourcename: "[^"]*"/); from = substr($0, RSTART + 13, RLENGTH - 14)
                match($0, /targetname: "[^"]*"/); to = substr($0, RSTART + 13, RLENGTH - 14)
                calls[from] = calls[from] " " to
            }
            function depth(f,    n, list, i, d, most) {
                if (f in done) return done[f]
                if (f in busy) { print "recursion " f; exit 3 }
                busy[f] = 1; most = 0
                n = split(calls[f], list, " ")
                for (i = 1; i <= n; ++i) { d = depth(list[i]); if (d > most) most = d }
                delete busy[f]
                return done[f] = frame[f] + most
            }
            END {
                n = split(entries, list, " ")
                for (i = 1; i <= n; ++i) { d = depth(list[i]); if (d > most) { most = d; worst = list[i] } }
                print most, worst
            }') || fail "gcc $level: $deepest"
        read -r bytes entry <<<"$deepest"
        echo "gcc $level: deepest stack $bytes bytes, from $entry (bound $bound)"
        [ "$bytes" -le "$bound" ] || fail "gcc $level: $entry takes $bytes bytes of stack, more than the $bound stated"
    done
done
echo "sign core: C99 alone with ${compilers[*]}, no allocator, stack within $bound bytes"
