#!/usr/bin/env bash
# Checks how tqweir.exe shows its message line on standard error under wine:
#   - to a file, in the default locale: the UTF-8 text and CR LF;
#   - to a file, in a Japanese locale (system code page 932): exactly the
#     bytes of error.csv (CP932, CR LF);
#   - on a console (a pseudo-terminal, which wine turns into a console), in
#     both locales: the text itself, which wine's console passes on to the
#     terminal in UTF-8. Bytes written to the console are read in its code
#     page (437 in the default locale): UTF-8 or CP932 bytes would come out
#     garbled in one of the two.
#
#   check-console-message.sh WIN_BUILD_DIR      (wine-env.sh already sourced)
set -euo pipefail
win_build="$(cd "${1:?usage: check-console-message.sh WIN_BUILD_DIR}" && pwd)"
work="$win_build/console-check"
rm -rf "$work"
mkdir -p "$work/case" "$work/locale"
# An empty folder: the run stops with "syogen が見つかりません".
want="syogen が見つかりません"
localedef -i ja_JP -f UTF-8 "$work/locale/ja_JP.UTF-8"
japanese=(env LOCPATH="$work/locale" LC_ALL=ja_JP.UTF-8)
cd "$work/case"

fail() {
  echo "message on standard error: $1" >&2
  exit 1
}

"$WINE" "$win_build/tqweir.exe" 2>"$work/default.txt" || true
[ "$(cat "$work/default.txt")" = "$want"$'\r' ] || fail "default locale: $(od -c "$work/default.txt")"

"${japanese[@]}" "$WINE" "$win_build/tqweir.exe" 2>"$work/japanese.txt" || true
cmp -s "$work/japanese.txt" error.csv || fail "Japanese locale: not the bytes of error.csv: $(od -c "$work/japanese.txt")"

for locale in default japanese; do
  command=("$WINE" "$win_build/tqweir.exe")
  [ "$locale" = japanese ] && command=("${japanese[@]}" "${command[@]}")
  timeout 120 script -qec "$(printf '%q ' "${command[@]}")" /dev/null >"$work/console.txt" || true
  grep -q "$want" "$work/console.txt" || fail "console, $locale locale: $(od -c "$work/console.txt")"
done
echo "message on standard error: UTF-8 by default, CP932 in a Japanese locale, text on a console"
