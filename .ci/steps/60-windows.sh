#!/usr/bin/env bash
# Windows: every executable cross-built with MinGW-w64 and linked statically,
# the C runtime probe, the case comparisons against tqweir.exe under wine
# (byte for byte, as for the Linux build), then the release zip packed and an
# example run from its unpacked contents.
set -euo pipefail
cd "$(dirname "$0")/../.."
root="$PWD"
BUILD=build-win
step_start=$SECONDS
lap=$SECONDS
lap() {
  echo "-- $1: $((SECONDS - lap)) s"
  lap=$SECONDS
}

cmake -S . -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DTQWEIR_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j2
mapfile -t executables < <(scripts/windows/list-executables.sh "$BUILD")
scripts/windows/check-imports.sh "${executables[@]}"
lap "cross build of ${#executables[@]} executables"

. scripts/windows/wine-env.sh "$BUILD"
trap wine_down EXIT
wine_up
lap "wine prefix set up"

# Exit statuses through wine: 0 for --version, 2 for a bad command line (1
# for a stop is checked in every case comparison below).
scripts/windows/tqweir-wine.sh --version
status=0
scripts/windows/tqweir-wine.sh --no-such-option 2>/dev/null || status=$?
if [ "$status" -ne 2 ]; then
  echo "bad command line: exit status $status under wine, expected 2" >&2
  exit 1
fi

scripts/windows/check-stdio.sh "$BUILD"
lap "C runtime probe"

# The message line on standard error, as the person at the console reads it:
# UTF-8 by default; the bytes of error.csv (CP932) when the system's code
# page is 932, here a Japanese locale for wine; on a console (a
# pseudo-terminal, which wine turns into one) as text, which wine's console
# hands on in UTF-8.
scripts/windows/check-console-message.sh "$BUILD"
lap "message on standard error"

# The project's stored cases: byte for byte, as the Linux suite requires.
echo "stored cases (tests/data) under wine:"
python3 scripts/windows/byte_compare.py scripts/windows/tqweir-wine.sh tests/data/cases tests/data/expected
# The shared acceptance cases when the shared folder is beside the checkout:
# the acceptance comparison judges; the byte count is reported beside it.
ACC="../shared/acceptance"
if [ -f "$ACC/compare.py" ]; then
  for set in cases:expected robust-cases:robust-expected; do
    echo "acceptance $set under wine:"
    python3 "$ACC/compare.py" scripts/windows/tqweir-wine.sh "$ACC/${set%%:*}" "$ACC/${set##*:}"
    python3 scripts/windows/byte_compare.py --report-only scripts/windows/tqweir-wine.sh \
      "$ACC/${set%%:*}" "$ACC/${set##*:}"
  done
else
  echo "no $ACC here: the stored cases above stand for the acceptance cases"
fi
lap "case comparisons"

# The release zip, unpacked, runs a copied example to the success notice,
# with the same output bytes as the Linux build on the same example.
scripts/make-release-zip.sh "$BUILD"
check="$root/$BUILD/zip-check"
rm -rf "$check"
mkdir -p "$check"
unzip -q "$BUILD/tqweir-windows.zip" -d "$check/unpacked"
package="$check/unpacked/tqweir"
tools_built=$(( ${#executables[@]} - 1 ))
tools_packed=$(find "$package" -path "$package/tools/*.exe" | wc -l)
if [ "$tools_packed" -ne "$tools_built" ]; then
  echo "the zip holds $tools_packed tools, the build made $tools_built" >&2
  exit 1
fi
# Each tool is named in README.txt, and its guide (docs/plot.md for
# tqweir-plot) is there as a text file Notepad opens.
for exe in "$package"/tools/*.exe; do
  name="$(basename "$exe" .exe)"
  if ! grep -qF "tools\\$name.exe" "$package/README.txt"; then
    echo "README.txt of the zip does not name tools\\$name.exe" >&2
    exit 1
  fi
  if [ -f "docs/${name#tqweir-}.md" ] &&
     [ "$(head -c 3 "$package/tools/$name.txt" 2>/dev/null | od -An -tx1 | tr -d ' ')" != efbbbf ]; then
    echo "the zip lacks the guide tools\\$name.txt (UTF-8 with a byte order mark)" >&2
    exit 1
  fi
done
finished=$'\x90\xb3\x8f\xed\x82\xc9\x8fI\x97\xb9\x82\xb5\x82\xdc\x82\xb5\x82\xbd\r'
expect_success() {  # CASE_DIR STATUS: exit status 0 and the success notice
  if [ "$2" -ne 0 ] || [ "$(cat "$1/error.csv" 2>/dev/null)" != "$finished" ]; then
    echo "$1: exit status $2, error.csv: $(iconv -f CP932 -t UTF-8 "$1/error.csv" 2>&1)" >&2
    exit 1
  fi
}
# Run in the case folder, as from a Command Prompt ...
cp -r "$package/examples/standard" "$check/copied example"
status=0
(cd "$check/copied example" && "$WINE" "$package/tqweir.exe" >/dev/null) || status=$?
expect_success "$check/copied example" "$status"
# ... and with the case folder dropped onto tqweir-run.bat.
cp -r "$package/examples/standard" "$check/dropped example"
status=0
(cd "$check" && TQWEIR_NO_PAUSE=1 "$WINE" cmd /c 'unpacked\tqweir\tqweir-run.bat' "dropped example" \
  >"$check/dropped.txt" 2>&1) || status=$?
expect_success "$check/dropped example" "$status"
if ! grep -q "正常に終了しました" "$check/dropped.txt"; then
  echo "tqweir-run.bat did not show the message:" >&2
  cat "$check/dropped.txt" >&2
  exit 1
fi
if [ -x build/tqweir ]; then
  mkdir -p "$check/linux"
  cp examples/standard/*.csv "$check/linux/"
  (cd "$check/linux" && "$root/build/tqweir" >/dev/null)
  for f in "$check/linux"/*.csv; do
    name="$(basename "$f")"
    case "$name" in syogen.csv|parameter.csv|hitai.csv) continue ;; esac
    cmp "$f" "$check/copied example/$name"
    cmp "$f" "$check/dropped example/$name"
  done
  echo "example from the zip (CR LF inputs): outputs identical to the Linux build's"
fi
lap "release zip"
echo "-- windows step: $((SECONDS - step_start)) s in all"
