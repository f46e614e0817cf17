#!/usr/bin/env bash
# Packs the Windows release: BUILD_DIR/tqweir-windows.zip, one folder
# "tqweir" holding
#   tqweir.exe, tqweir-run.bat, README.txt (Japanese and English),
#   examples\NAME\*.csv for every example case, tools\*.exe for every tool
#   and tools\*.txt for each tool's guide (docs/plot.md for tqweir-plot ...).
# Text files get CR LF line ends; README.txt and the guides are UTF-8 with a
# byte order mark, which every Notepad version recognises whatever the
# system's code page, and end in .txt, which Windows opens with Notepad.
# The executables are stripped copies of the build's, so the zip holds the
# very code the build was checked with.
#
#   scripts/make-release-zip.sh [BUILD_DIR]     (default build-win)
#
# BUILD_DIR is a cross build (see docs/windows.md). Needs zip and
# x86_64-w64-mingw32-strip.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build-win}" && pwd)"
if [ ! -f "$build/tqweir.exe" ]; then
  echo "no $build/tqweir.exe: cross-build first (docs/windows.md)" >&2
  exit 1
fi
STRIP="${STRIP:-x86_64-w64-mingw32-strip}"
stage="$build/release"
top="$stage/tqweir"
zip_file="$build/tqweir-windows.zip"
# One time for everything packed, the last commit's: strip writes it into
# the executables' headers, and it becomes every member's date.
export SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo 946684800)}"
rm -rf "$stage" "$zip_file"
mkdir -p "$top/examples"

# A text file with CR LF line ends, whatever it had.
crlf_text() {
  sed 's/\r$//; s/$/\r/' "$1"
}
crlf_copy() {
  crlf_text "$1" >"$2"
}
# The same for a document to read in Notepad: UTF-8 with a byte order mark.
document_copy() {
  { printf '\xef\xbb\xbf'; crlf_text "$1"; } >"$2"
}

"$STRIP" -o "$top/tqweir.exe" "$build/tqweir.exe"
crlf_copy "$root/scripts/windows/release/tqweir-run.bat" "$top/tqweir-run.bat"
document_copy "$root/docs/windows-readme.txt" "$top/README.txt"

for case_dir in "$root"/examples/*/; do
  [ -f "$case_dir/syogen.csv" ] || continue
  name="$(basename "$case_dir")"
  mkdir -p "$top/examples/$name"
  for f in "$case_dir"*.csv; do
    crlf_copy "$f" "$top/examples/$name/$(basename "$f")"
  done
done

# Every other executable of the build (the tools under src/tools), with its
# user guide when there is one: tqweir-NAME's is docs/NAME.md.
while IFS= read -r exe; do
  name="$(basename "$exe" .exe)"
  mkdir -p "$top/tools"
  "$STRIP" -o "$top/tools/$name.exe" "$exe"
  guide="$root/docs/${name#tqweir-}.md"
  if [ -f "$guide" ]; then
    document_copy "$guide" "$top/tools/$name.txt"
  fi
done < <("$root/scripts/windows/list-executables.sh" "$build" | tail -n +2)

# Fixed times and a sorted member list: the same sources give the same zip.
find "$top" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
(cd "$stage" && find tqweir | LC_ALL=C sort | TZ=UTC zip -q -X -D -@ "$zip_file")
echo "$zip_file: $(unzip -Z1 "$zip_file" | wc -l) files, $(wc -c <"$zip_file") bytes"
