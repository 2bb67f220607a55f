#!/usr/bin/env bash
# The composer as a controller runs it: builds the test firmware
# (tests/firmware) with the core for a Cortex-M3 at -Os, has the host program
# make the lines a sign shows of a Hindi text, the font image and the host's
# composition of every line, checks that the fonts' HEX files (ledfont hex,
# shifted by srec_cat as the core's README says) hold that image, runs the
# firmware on it on QEMU's lm3s6965evb with instructions counted (-icount)
# and files through semihosting, and compares what it composed with the
# host's byte for byte.
#   sign-firmware-check.sh HOST_LINES LEDFONT TEXT HINDI_FONT JUKTA_FONT
# Exit status 0 when every line is the same, 1 with what differs or failed.
set -euo pipefail
[ $# -eq 5 ] || { echo "usage: $0 HOST_LINES LEDFONT TEXT HINDI_FONT JUKTA_FONT" >&2; exit 1; }
host_lines=$(realpath "$1") ledfont=$(realpath "$2") text=$(realpath "$3") hindi=$(realpath "$4") jukta=$(realpath "$5")
root=$(cd "$(dirname "$0")/.." && pwd)
core=$root/sign/core firmware=$root/tests/firmware
scratch=$(mktemp -d "${TMPDIR:-/tmp}/sign-firmware.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() { echo "sign firmware: $*" >&2; exit 1; }
least_lines=10000

for tool in arm-none-eabi-gcc qemu-system-arm srec_cat; do
    command -v "$tool" >/dev/null 2>&1 || fail "$tool is missing (scripts/setup.sh installs it)"
done

arm-none-eabi-gcc -std=c99 -Wall -Wextra -pedantic -Werror -mcpu=cortex-m3 -mthumb -Os \
    -ffunction-sections -fdata-sections -I"$core" "$core"/*.c "$firmware"/compose_lines.c "$firmware"/startup.c \
    -T "$firmware"/lm3s6965.ld -nostartfiles -Wl,--gc-sections --specs=nano.specs \
    -Wl,--start-group -lc_nano -lrdimon_nano -lgcc -Wl,--end-group -o "$scratch/compose_lines.elf" ||
    fail "the test firmware does not build"

lines=$("$host_lines" "$text" "$hindi" "$jukta" "$scratch" "$least_lines") ||
    fail "the host made ${lines:-no} lines of $text (at least $least_lines are wanted)"

cd "$scratch"
"$ledfont" hex "$hindi" --hindi -o hindi.hex >/dev/null && "$ledfont" hex "$jukta" --jukta -o jukta.hex >/dev/null ||
    fail "ledfont hex cannot write the fonts' HEX files"
srec_cat hindi.hex -intel -offset -0x9000 jukta.hex -intel -offset -0x9000 -o hex-image.bin -binary
cmp -s hex-image.bin image.bin || fail "the fonts' HEX files hold another image than the desktop reads"
mv hex-image.bin image.bin
start=$(date +%s%N)
timeout 600 qemu-system-arm -M lm3s6965evb -nographic -monitor none -serial none -icount shift=0 \
    -semihosting-config enable=on,target=native -kernel compose_lines.elf >firmware.out 2>qemu.err ||
    fail "the firmware failed: $(cat firmware.out qemu.err)"
milliseconds=$((($(date +%s%N) - start) / 1000000))
grep -q "^firmware: $lines lines" firmware.out || fail "the firmware said: $(cat firmware.out)"
cmp -s expected.bin columns.bin || fail "the firmware composed otherwise: $("$host_lines" --compare "$scratch")"
echo "$(cat firmware.out); the same LEDs as the host for all $lines lines ($(stat -c %s columns.bin) bytes), in $milliseconds ms"
