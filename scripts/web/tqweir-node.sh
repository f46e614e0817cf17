#!/usr/bin/env bash
# Runs build-web/tqweir-node.js (or $TQWEIR_WEB_BUILD/tqweir-node.js) with
# node in the working folder and returns its exit status, so that the case
# comparisons can run the web build like any program.
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
exec node "${TQWEIR_WEB_BUILD:-$here/build-web}/tqweir-node.js" "$@"
