#!/usr/bin/env bash
# The verification manual's verdict must be able to fail: each check below
# feeds one kind of failure to the level that judges it and requires a
# non-zero exit status, never a quiet OK.
#
#   verdicts.sh stopped-case       TQWEIR_VERIFY SOURCE_DIR
#   verdicts.sh nook-row           TQWEIR_VERIFY SOURCE_DIR
#   verdicts.sh doctored-document  TQWEIR_VERIFY SOURCE_DIR
set -uo pipefail
what="$1"
bin="$2"
src="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

case "$what" in
  stopped-case)
    # A case that stops in its trials (bag tension below 0) and one that
    # lacks an input file: each must be reported NOOK, never left out.
    "$bin" "$src/tests/data/cases/tb_1_L3" "$src/tests/data/cases/nopar_1" >"$work/records"
    [ $? -ne 0 ] || fail "tqweir-verify exits 0 on cases that stop"
    for name in tb_1_L3 nopar_1; do
      grep -q "^P	Self-checks of finished runs	$name	.*	NOOK\$" "$work/records" ||
        fail "no NOOK record for the stopped case $name"
    done
    ;;
  nook-row)
    # One NOOK record among OK ones: the document counts it and the script
    # exits 1.
    printf 'P\tSection: overflow discharge\tX-01\tw\tr\tk\t1\t1\t0.0e+00 abs\t1.0e-03\tOK\n' >"$work/records"
    printf 'P\tSection: overflow discharge\tX-02\tw\tr\tk\t1\t2\t1.0e+00 abs\t1.0e-03\tNOOK\n' >>"$work/records"
    /usr/bin/python3 "$src/scripts/verify/make_document.py" "$work/doc.md" <"$work/records" >/dev/null
    [ $? -eq 1 ] || fail "make_document.py does not exit 1 on a NOOK record"
    grep -q '^\*\*2 problems, 1 NOOK\*\*$' "$work/doc.md" || fail "the document does not count the NOOK record"
    ;;
  doctored-document)
    # The committed document with one tolerance changed: --check must fail,
    # say why, and leave the document as it was.
    sed '0,/| 5.0e-05 | OK |/s//| 5.0e-04 | OK |/' "$src/docs/verification.md" >"$work/doc.md"
    ! cmp -s "$work/doc.md" "$src/docs/verification.md" || fail "the doctoring changed nothing"
    cp "$work/doc.md" "$work/doctored.md"
    TQWEIR_VERIFY_BIN="$bin" TQWEIR_VERIFY_DOC="$work/doc.md" bash "$src/scripts/verify.sh" --check \
      >/dev/null 2>"$work/stderr"
    [ $? -ne 0 ] || fail "verify.sh --check passes a doctored document"
    grep -q "differs from what scripts/verify.sh writes" "$work/stderr" || fail "verify.sh --check fails without saying the document differs"
    cmp -s "$work/doc.md" "$work/doctored.md" || fail "verify.sh --check replaced the document it checked"
    ;;
  *)
    fail "unknown check $what"
    ;;
esac
