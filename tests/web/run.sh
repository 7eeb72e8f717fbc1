#!/usr/bin/env bash
# The web edition's tests against the site scripts/web.sh built: the core's
# parity with the native tool's golden boards, link.js under Node, then the
# page in headless Chromium. Ends with a ctest-style line that scripts/test.sh counts.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
# Emscripten's output reads its .wasm with fetch() under Node 20 unless told not to.
node --no-experimental-fetch "$root/tests/web/parity.js" "$root/build-web/site/vornia-core.js"
node --experimental-detect-module --no-warnings "$root/tests/web/link_test.mjs"
page=$(node "$root/tests/web/page_test.js" "$root/build/cli/vornia-cli") || { echo "$page"; exit 1; }
echo "$page"
passed=$(sed -n 's/^page: \([0-9]*\) passed.*/\1/p' <<<"$page")
echo "100% tests passed, 0 tests failed out of $((passed + 2))"
