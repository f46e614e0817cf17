#!/usr/bin/env bash
# Checks Windows executables for what they need from the machine they run on:
#   - only DLLs that every Windows installation has (a libstdc++-6.dll,
#     libgcc_s or libwinpthread-1.dll import means the static link failed);
#   - no inexact math function from the C runtime DLL, whose results vary
#     with the Windows version (src/platform/windows/runtime_math.cc supplies them).
#
#   check-imports.sh EXE...
set -euo pipefail
OBJDUMP="${OBJDUMP:-x86_64-w64-mingw32-objdump}"
SYSTEM_DLLS=" kernel32.dll msvcrt.dll advapi32.dll user32.dll gdi32.dll shell32.dll ole32.dll ws2_32.dll bcrypt.dll "
MATH=" sin cos tan asin acos atan atan2 sinh cosh tanh exp exp2 expm1 log log10 log2 log1p pow sqrt cbrt hypot "
status=0
for exe in "$@"; do
  bad=0
  dump="$("$OBJDUMP" -p "$exe")"
  dlls="$(printf '%s\n' "$dump" | awk '/DLL Name:/ {print tolower($3)}')"
  for dll in $dlls; do
    if [[ "$SYSTEM_DLLS" != *" $dll "* ]]; then
      echo "$exe: needs $dll, which a bare Windows machine lacks" >&2
      bad=1
    fi
  done
  # The names imported from msvcrt.dll: the lines after its "DLL Name" up to
  # the next DLL.
  crt="$(printf '%s\n' "$dump" | awk '
    /DLL Name:/ { in_crt = (tolower($3) == "msvcrt.dll"); next }
    in_crt && NF == 3 && $1 ~ /^[0-9a-f]+$/ { print $3 }')"
  for name in $crt; do
    if [[ "$MATH" == *" $name "* ]]; then
      echo "$exe: takes $name from msvcrt.dll; add it to src/platform/windows/runtime_math.cc" >&2
      bad=1
    fi
  done
  if [ "$bad" -eq 0 ]; then
    echo "$exe: imports only system DLLs: $(echo $dlls)"
  else
    status=1
  fi
done
exit "$status"
