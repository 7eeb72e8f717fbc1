#!/usr/bin/env bash
# Builds the web edition into build-web/site/: the WebAssembly core (with
# emcmake, the plain libraries only) and the static page around it.
#   scripts/web.sh           build the site
#   scripts/web.sh --serve   build it, then serve it on http://127.0.0.1:8080/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-web"
site="$build/site"

# This machine's Node.js is not Debian's: em++ finds Debian's acorn only so.
export NODE_PATH=/usr/share/nodejs

if [[ ! -f "$build/CMakeCache.txt" ]]; then
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  emcmake cmake -S "$root" -B "$build" -DVORNIA_WEB=ON -DBUILD_TESTING=OFF \
    -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" "${launcher[@]}" >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target vornia_core

rm -rf "$site"
mkdir -p "$site"
cp -r "$root/web/site/." "$site/"
cp "$build/web/vornia-core.js" "$build/web/vornia-core.wasm" "$site/"
# The licences of what the page ships: the project's, and the notice of the
# JSON library compiled into the core, from the package that built it.
cp "$root/LICENSE" "$site/LICENSE.txt"
mkdir -p "$site/licences"
{
  echo "JSON for Modern C++ (nlohmann/json), compiled into vornia-core.wasm, under the MIT licence"
  echo "(the Debian package's copyright file calls it Expat):"
  echo
  awk 'BEGIN { RS = "" } /^Files: (\*|include\/)/ || /^License: Expat/ { print; print "" }' \
    /usr/share/doc/nlohmann-json3-dev/copyright
} >"$site/licences/nlohmann-json.txt"
# The page's texts, a file per language besides English.
mkdir -p "$site/lang"
cp "$build/web/lang/"*.json "$site/lang/"
# The page names the languages it speaks besides English: a catalogue each.
languages=$(cd "$site/lang" && ls -- *.json | sed 's/\.json$//' | tr '\n' ' ' | sed 's/ $//')
sed -i "s/@LANGUAGES@/$languages/" "$site/index.html"
# The icons a browser installs the page with, drawn from icon.svg; the
# maskable one fills its square, since the system cuts its own shape out of
# it (the hexagon keeps inside the middle 80 % that every shape leaves).
rsvg-convert -w 192 -h 192 -o "$site/icon-192.png" "$site/icon.svg"
rsvg-convert -w 512 -h 512 -o "$site/icon-512.png" "$site/icon.svg"
sed 's/ rx="[0-9]*"//' "$site/icon.svg" | rsvg-convert -w 512 -h 512 -o "$site/icon-maskable-512.png"
# The service worker keeps this version's files: a new build is a new cache.
version=$(cat "$site"/*.js "$site"/*.wasm "$site"/*.html "$site"/*.css "$site"/*.png "$site"/lang/*.json | sha256sum | cut -c1-12)
[[ -f "$site/service_worker.js" ]] && sed -i "s/@SITE_VERSION@/$version/" "$site/service_worker.js"
echo "site: $site"

if [[ "${1:-}" == "--serve" ]]; then
  echo "serving http://127.0.0.1:8080/"
  exec node "$root/web/serve.js" "$site" 8080
fi
