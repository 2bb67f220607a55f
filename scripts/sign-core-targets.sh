#!/usr/bin/env bash
# The composer's C core as controllers' builds see it, and its README's example:
# - the core for ARM Cortex-M3 (arm-none-eabi-gcc -mcpu=cortex-m3 -mthumb)
#   and for AVR ATmega328P (avr-gcc -mmcu=atmega328p), at -Os, as strict C99
#   with -Wall -Wextra -pedantic as errors (on Cortex-M3 the conversion
#   warnings too); the code each takes is told, and on Cortex-M3 it stays
#   within 4 KiB;
# - the example of sign/core/README.md (its ```c blocks, in order) builds with
#   the core for the host (gcc, and clang when it is there), runs and prints
#   what the README says it prints, and builds for both controllers.
# Exit status 0 when all holds, 1 with what failed.
set -euo pipefail
core=$(cd "${1:-$(dirname "$0")/../sign/core}" && pwd)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/sign-targets.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() { echo "sign core targets: $*" >&2; exit 1; }
most_arm_bytes=4096
strict=(-std=c99 -Wall -Wextra -pedantic -Werror)
arm=(arm-none-eabi-gcc -mcpu=cortex-m3 -mthumb -Os "${strict[@]}" -Wconversion -Wsign-conversion -Wshadow)
avr=(avr-gcc -mmcu=atmega328p -Os "${strict[@]}")

for tool in arm-none-eabi-gcc arm-none-eabi-size avr-gcc avr-size; do
    command -v "$tool" >/dev/null 2>&1 || fail "$tool is missing (scripts/setup.sh installs it)"
done

# The code of the core's objects: text (with read-only data) and data, which a controller keeps in flash.
code_bytes() {
    local size=$1 out=$2
    "$size" -t "$out"/*.o | awk 'END { print $1 + $2 }'
}

# build_core TARGET COMPILER...: every file of the core into $scratch/TARGET.
build_core() {
    local target=$1 source
    shift
    mkdir -p "$scratch/$target"
    for source in "$core"/*.c; do
        "$@" -c "$source" -o "$scratch/$target/$(basename "$source" .c).o" ||
            fail "$(basename "$source") does not build for $target without warnings"
    done
}
build_core arm "${arm[@]}"
build_core avr "${avr[@]}"
arm_bytes=$(code_bytes arm-none-eabi-size "$scratch/arm")
avr_bytes=$(code_bytes avr-size "$scratch/avr")
echo "code of the core at -Os: Cortex-M3 $arm_bytes bytes, ATmega328P $avr_bytes bytes"
[ "$arm_bytes" -le "$most_arm_bytes" ] || fail "on Cortex-M3 the core takes $arm_bytes bytes, more than $most_arm_bytes"

readme=$core/README.md
awk '/^```c$/ { inside = 1; next } /^```$/ { inside = 0 } inside' "$readme" >"$scratch/example.c"
[ -s "$scratch/example.c" ] || fail "$readme has no example (a \`\`\`c block)"
# What it prints: the ```text block after "It prints".
said=$(awk '/^It prints/ { after = 1 } after && /^```text$/ { inside = 1; next } inside && /^```$/ { exit } inside' "$readme")
compilers=(gcc)
command -v clang >/dev/null 2>&1 && compilers+=(clang)
for cc in "${compilers[@]}"; do
    "$cc" "${strict[@]}" -O2 -I"$core" "$scratch/example.c" "$core"/*.c -o "$scratch/example" ||
        fail "the README's example does not build with $cc"
    shown=$("$scratch/example") || fail "the README's example, built with $cc, fails"
    [ "$shown" = "$said" ] || fail "the README's example, built with $cc, says
$shown
and not what the README says it says:
$said"
done
"${arm[@]}" -I"$core" -c "$scratch/example.c" -o "$scratch/example-arm.o" ||
    fail "the README's example does not build for Cortex-M3"
"${avr[@]}" -I"$core" -c "$scratch/example.c" -o "$scratch/example-avr.o" ||
    fail "the README's example does not build for the ATmega328P"
echo "sign core targets: Cortex-M3 and ATmega328P without warnings, the README's example builds and runs"
