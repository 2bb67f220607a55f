#!/usr/bin/env bash
# Builds the Debian package (build-package/), checks it with lintian,
# desktop-file-validate and appstreamcli, unpacks it into a scratch folder and
# runs the unpacked programs there. scripts/test.sh runs it after the tests;
# it expects scripts/setup.sh to have run.
set -euo pipefail
cd "$(dirname "$0")/.."

started=$SECONDS
build="build-package"
scratch=$(mktemp -d "${TMPDIR:-/tmp}/ledfont-package.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "package-check: $*" >&2
    exit 1
}

echo "== package: build =="
# Debian's hardening flags, as a Debian build would set them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DLEDFONT_WERROR=ON \
    -DLEDFONT_BUILD_GUI=ON -DLEDFONT_BUILD_TESTS=OFF -DLEDFONT_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/ledfont_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/ledfont_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no ledfont_*.deb"
deb=${debs[0]}
echo "$deb"
dpkg-deb --field "$deb" Package Version Depends Recommends

echo "== package: lintian =="
# Errors fail the check; warnings and notes are shown.
lintian --fail-on error --info "$deb"

echo "== package: unpacked =="
root="$scratch/root"
dpkg -x "$deb" "$root"
shopt -s nullglob
desktops=("$root"/usr/share/applications/*.desktop)
metainfos=("$root"/usr/share/metainfo/*.metainfo.xml)
[ ${#desktops[@]} -eq 1 ] || fail "expected one desktop entry, found ${#desktops[@]}"
[ ${#metainfos[@]} -eq 1 ] || fail "expected one metainfo file, found ${#metainfos[@]}"
desktop-file-validate "${desktops[0]}"
appstreamcli validate --no-net "${metainfos[0]}"
icon=$(sed -n 's/^Icon=//p' "${desktops[0]}")
for size in 16 22 24 32 48 64 128 256; do
    [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png" ] || fail "no ${size}px icon $icon"
done
for page in ledfont ledfont-designer; do
    [ -f "$root/usr/share/man/man1/$page.1.gz" ] || fail "no manual page $page(1)"
done
# Every data file of the build, where the installed programs look for it.
if [ -d "$build/share/ledfont" ]; then
    diff -r "$build/share/ledfont" "$root/usr/share/ledfont" || fail "the package's data files differ from the build's"
fi

ledfont="$root/usr/bin/ledfont"
designer="$root/usr/bin/ledfont-designer"
"$ledfont" --help >/dev/null || fail "ledfont --help failed"

# A valid Hindi font: every glyph 10 columns, class 0 and centre column 1, all
# LEDs dark (bit 1 is a dark LED).
font="$scratch/hindi.txt"
for _ in $(seq 128); do
    printf '10\r\n1\r\n'
    for _ in $(seq 32); do printf '255\r\n'; done
done >"$font"
[ "$(wc -l <"$font")" -eq 4352 ] || fail "the test font is not 4352 lines"
"$ledfont" hex "$font" --hindi >/dev/null || fail "ledfont hex failed"
"$ledfont" verify "$scratch/hindi.hex" "$font" --hindi >/dev/null || fail "the HEX file does not hold the font"

# Commands of the unpacked programs, one a line, run in the scratch folder with
# the unpacked ledfont as $ledfont; each must succeed. Data files are found
# through the unpacked tree, not the build's.
unpacked_commands=(
    '"$ledfont" new --hindi -o blank.txt && "$ledfont" check blank.txt --hindi'
    # The import program in libexec/ledfont/ and the conjunct list in share/ledfont/ of the unpacked tree.
    '"$ledfont" import --jukta -o jukta.txt && "$ledfont" sheet jukta.txt --jukta -o jukta.png'
    '"$ledfont" import --hindi -o hindi.txt && "$ledfont" preview नमस्ते --hindi hindi.txt --jukta jukta.txt -o line.png'
)
for command in "${unpacked_commands[@]}"; do
    (cd "$scratch" && ledfont=$ledfont bash -c "$command") >/dev/null || fail "failed from the unpacked tree: $command"
done

# The editor offscreen: still running after a second means it started.
status=0
mkdir -m 700 "$scratch/runtime"
(cd "$scratch" && XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=offscreen timeout 1 "$designer") || status=$?
[ "$status" -eq 124 ] || fail "the unpacked editor did not keep running (exit status $status)"

echo "package checks passed in $((SECONDS - started)) s"
