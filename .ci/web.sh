#!/usr/bin/env bash
# CI for the page: installs Emscripten, the browsers and npm when missing,
# builds the page and its zip, then runs the browser tests against the Linux
# build in Chromium, then in Firefox ESR, then a smoke run in WebKitGTK.
#   .ci/web.sh [NATIVE_BUILD_DIR]   (default build; built when it lacks pipsweep)
# Screenshots of the dealing view, the print and the served page reloaded
# offline land in build-web/screenshots (Firefox's in its firefox folder).
set -euo pipefail
cd "$(dirname "$0")/.."
native=${1:-build}

. .ci/lib.sh
need_command emcc emscripten
need_path /usr/bin/chromium chromium
need_path /usr/bin/firefox-esr firefox-esr
need_command WebKitWebDriver webkit2gtk-driver
# The browser WebKitWebDriver starts.
need_path '/usr/lib/*/webkit2gtk-4.1/MiniBrowser' libwebkit2gtk-4.1-0
need_command xvfb-run xvfb
need_command xauth
need_command npm
install_missing
# Debian's Emscripten finds its Node modules only here.
export NODE_PATH=/usr/share/nodejs

if [ ! -x "$native/pipsweep" ] || [ ! -x "$native/pipsweep_dds_reference" ]; then
  cmake -S . -B "$native" && cmake --build "$native" -j2 --target pipsweep pipsweep_dds_reference
fi
emcmake cmake -S . -B build-web -DPIPSWEEP_WERROR=ON
cmake --build build-web -j2
(cd build-web && cpack -G ZIP)
# The zip: the folder to put on a website, and the guide to doing so.
python3 - build-web/pipsweep-*-web.zip <<'EOF'
import sys, zipfile
names = {name.split('/', 1)[1] for name in zipfile.ZipFile(sys.argv[1]).namelist()}
wanted = {'WEBSITE.txt'} | {f'pipsweep/{name}' for name in
                            ('index.html', 'manifest.webmanifest', 'sw.js', 'pipsweep-192.png', 'pipsweep-512.png')}
if not wanted <= names:
    sys.exit(f'{sys.argv[1]} lacks {sorted(wanted - names)}')
EOF

# What the core hands the page besides the console: deals with their marks,
# and diagnostics, in order.
PIPSWEEP_CORE=build-web/core/pipsweep.js node --test tests/core_news.test.mjs
# The double-dummy solver as the page's workers run it (dds.js) against the
# native reference on 1,000 generated deals, the two side by side on the
# two cores; par from hand-made tables.
PIPSWEEP_DDS=build-web/dds/dds.js PIPSWEEP_DDS_REFERENCE="$native/pipsweep_dds_reference" \
  node --test tests/dds.test.mjs
# The page's PBN export, read back by the native tool.
PIPSWEEP_CORE=build-web/core/pipsweep.js PIPSWEEP_NATIVE="$native/pipsweep" node --test tests/pbn_export.test.mjs

# The page's build installed web/node_modules from the lock file.
# The page's rules without a browser, and how many planted faults their
# tests catch (StrykerJS; it fails below 85%).
node --test web/test/unit/
# A million random deals from the platform's source against the exact
# chances of a uniform deal (chi-square, fails at p < 0.0001).
node --test web/test/stats/
(cd web && npm run mutate)
export PIPSWEEP_NATIVE="$native/pipsweep" PIPSWEEP_PAGE=build-web/web PIPSWEEP_DDS_REFERENCE="$native/pipsweep_dds_reference"
SECONDS=0
PIPSWEEP_BROWSER=chromium PIPSWEEP_SHOTS=build-web/screenshots node --test web/test/*.test.mjs
chromium=$SECONDS
PIPSWEEP_BROWSER=firefox PIPSWEEP_SHOTS=build-web/screenshots/firefox node --test web/test/*.test.mjs
firefox=$((SECONDS - chromium))
xvfb-run -a node --test web/test/webkit/smoke.mjs
echo "Browser runs: Chromium ${chromium}s, Firefox ${firefox}s, WebKitGTK $((SECONDS - chromium - firefox))s"
