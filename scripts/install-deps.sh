#!/usr/bin/env bash
# Installs the Debian packages that are missing, and says which. Used by run.sh and test.sh.
#   install-deps.sh run    what building and starting the program needs
#   install-deps.sh web    what building the web page needs
#   install-deps.sh release  what building every release artefact needs
#   install-deps.sh test   that, plus what the tests need
#   install-deps.sh bench  that, plus what the benchmarks need
set -euo pipefail

# Qt's X11 plugin needs libxcb-cursor0 from Qt 6.5 on; qt6-wayland makes the program a native Wayland
# client, so that a scaling compositor does not stretch the chart, and libwayland-dev lets it ask the
# compositor what Qt does not pass on.
run_packages=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev libxcb1-dev fonts-liberation2
              qt6-wayland libxcb-cursor0 libwayland-dev)
# The web page: the same C++ compiled to WebAssembly by Debian's clang 19, with wasi-libc and libc++ for it.
web_packages=(clang-19 lld-19 wasi-libc libc++-19-dev-wasm32 libc++abi-19-dev-wasm32 libclang-rt-19-dev-wasm32
              cmake ninja-build python3)
# Every release artefact: the .deb (dpkg-dev finds its dependencies), tonalyx.exe, the page and the sources.
release_packages=("${run_packages[@]}" "${web_packages[@]}" dpkg-dev g++-mingw-w64-x86-64 git)
test_packages=("${release_packages[@]}" libgtest-dev xvfb xdotool openbox x11-utils x11-xserver-utils x11-apps
               locales procps sway grim wtype desktop-file-utils appstream file lintian wine wine64 nodejs
               dbus-daemon at-spi2-core python3-pyatspi python3-gi gir1.2-webkit2-4.1 python3-selenium chromium-driver
               netpbm libclang-rt-19-dev
               chromium firefox-esr)
# Qt on GNOME Shell, from Debian 13 on: its Qt scales by fractions, and its mutter has gdctl.
[ "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" = bookworm ] ||
    test_packages+=(gnome-shell mutter-common-bin libglib2.0-bin)
bench_packages=(libbenchmark-dev python3-trio-websocket)

packages=("${run_packages[@]}")
case "${1:-run}" in
    web) packages=("${web_packages[@]}") ;;
    release) packages=("${release_packages[@]}") ;;
    test) packages+=("${test_packages[@]}") ;;
    bench) packages+=("${test_packages[@]}" "${bench_packages[@]}") ;;
esac

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing missing packages: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
else
    echo "All needed packages are installed."
fi

# The tests check the gamma text under a locale that writes a decimal comma.
if [[ "${1:-run}" = test || "${1:-run}" = bench ]] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    echo "Generating the locale de_DE.UTF-8 for the tests"
    as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    as_root locale-gen >/dev/null
fi
