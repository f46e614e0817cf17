#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the CI steps need,
# only when something is missing. Every package list lives here, so that a
# fresh machine and a developer's machine install the same things.
set -euo pipefail

PACKAGES=(cmake g++ make libgtest-dev libbenchmark-dev python3 libc-bin)
# Extra packages named by CI steps (one per line in .ci/packages/*.txt).
if compgen -G ".ci/packages/*.txt" >/dev/null; then
  while read -r pkg; do
    [ -n "$pkg" ] && PACKAGES+=("$pkg")
  done < <(cat .ci/packages/*.txt | sed 's/#.*//' | tr -s ' \t' '\n')
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
