# Sourced: the environment for running the Windows build under wine.
#
#   . scripts/windows/wine-env.sh BUILD_DIR
#
# Sets WINE (the wine command), WINEPREFIX (BUILD_DIR/wineprefix unless
# already set, so nothing outside the build folder is touched), silences
# wine's debug channels and its offer to install .NET and HTML engines, and
# defines wine_up / wine_down to start and stop one wine server for a batch
# of runs.
tqweir_win_build="$(cd "${1:?usage: . wine-env.sh BUILD_DIR}" && pwd)"
export WINEPREFIX="${WINEPREFIX:-$tqweir_win_build/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
WINE="$(command -v wine || command -v wine64 || true)"
if [ -z "$WINE" ] && [ -x /usr/lib/wine/wine64 ]; then WINE=/usr/lib/wine/wine64; fi
WINESERVER="$(command -v wineserver || true)"
if [ -z "$WINESERVER" ] && [ -x /usr/lib/wine/wineserver ]; then WINESERVER=/usr/lib/wine/wineserver; fi
if [ -z "$WINE" ] || [ -z "$WINESERVER" ]; then
  echo "wine not found: install the packages wine and wine64" >&2
  return 1
fi
export WINE WINESERVER

# The first start of a prefix sets it up (about 10 s); a server kept alive
# saves each later run the server start. Both happen here, before any timed
# run.
wine_up() {
  mkdir -p "$WINEPREFIX"
  # A persistent server left by an interrupted run would make --wait below
  # wait for ever.
  "$WINESERVER" --kill >/dev/null 2>&1 || true
  "$WINE" wineboot --init >/dev/null 2>&1 || true
  "$WINESERVER" --wait
  "$WINESERVER" --persistent
}

wine_down() {
  "$WINESERVER" --kill >/dev/null 2>&1 || true
}
