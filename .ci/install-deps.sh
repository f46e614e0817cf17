#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the CI steps need,
# only when something is missing. Every package list lives in
# .ci/packages/LIST.txt (one package per line, comments with #), so that a
# fresh machine and a developer's machine install the same things.
#
#   .ci/install-deps.sh            every list (CI)
#   .ci/install-deps.sh LIST ...   only these lists, e.g. "build examples"
#                                  for examples/run.sh, "build tests" for
#                                  scripts/test.sh
set -euo pipefail
cd "$(dirname "$0")/.."

lists=()
if [ $# -gt 0 ]; then
  for name in "$@"; do lists+=(".ci/packages/$name.txt"); done
else
  lists=(.ci/packages/*.txt)
fi
PACKAGES=()
while read -r pkg; do
  [ -n "$pkg" ] && PACKAGES+=("$pkg")
done < <(cat "${lists[@]}" | sed 's/#.*//' | tr -s ' \t' '\n')

if ! command -v dpkg-query >/dev/null; then
  echo "not a Debian system: install these yourself if missing: ${PACKAGES[*]}" >&2
  exit 0
fi
missing=()
for pkg in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$pkg")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
