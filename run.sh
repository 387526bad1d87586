#!/usr/bin/env bash
# Installs what is missing, builds, makes the demo library and shows it in the window program.
# Without a display it says so and prints the demo catalogue instead.
set -euo pipefail
cd "$(dirname "$0")"
. ./tools/install-packages.sh
. ./tools/build-options.sh
cmake -S . -B build "${zuf_build_options[@]}" >/dev/null
cmake --build build -j "$(nproc)" --target zuffile zuflist make-demo-library-bin
# Only a demo library that the maker made (it leaves a marker file) is replaced; a folder of the
# same name without the marker may hold the user's own files and is left as it is.
if [ -e demo-library ] && [ ! -f demo-library/.made-by-make-demo-library ]; then
    echo "== demo-library/ was not made by the demo library maker (no .made-by-make-demo-library" >&2
    echo "== in it), so it is left as it is. Move it away to get a fresh demo library." >&2
    exit 1
fi
rm -rf demo-library
build/make-demo-library demo-library

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "== no display (neither DISPLAY nor WAYLAND_DISPLAY is set): the window cannot be shown."
    echo "== the demo catalogue as zuflist prints it:"
    build/zuflist demo-library
    exit 0
fi

# The demo run keeps its settings apart from the user's own, and starts on the demo library.
demo_dir="$(pwd)/demo-library/"
export XDG_CONFIG_HOME="$(pwd)/build/demo-config"
mkdir -p "$XDG_CONFIG_HOME/Strumlex"
escaped=$(printf '%s' "$demo_dir" | sed -e 's/\\/\\\\/g' -e 's/"/\\"/g')
printf '[General]\nszPathName1="%s"\n' "$escaped" >"$XDG_CONFIG_HOME/Strumlex/ZUFFile.conf"
cd demo-library
exec ../build/zuffile
