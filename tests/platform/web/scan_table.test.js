// The web build's sscanf (as the input readers reach it) against glibc's on
// the generated texts of tests/platform/web/glibc_scan_table.cc, in the readers'
// three formats: the same result and the same stored bits, or the web
// build accepts input files that the program refuses (or the other way).
//
// Run: as tests/platform/web/math_table.test.js.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('node:fs');
const path = require('node:path');

const build = process.env.TQWEIR_WEB_BUILD || 'build-web';
const tablePath = process.env.TQWEIR_SCAN_TABLE || path.join(build, 'glibc-scan-table.bin');
const FORMATS = ['syogen.csv', 'parameter.csv', 'hitai.csv point'];
const SLOTS = 13;

test('web sscanf takes the readers\' inputs apart as glibc does', async () => {
  const createLibcCheckModule = require(path.resolve(build, 'tqweir-libc-check.js'));
  const wasm = await createLibcCheckModule();
  const table = fs.readFileSync(tablePath);
  const slots = wasm._malloc(8 * SLOTS);
  const counts = FORMATS.map(() => ({texts: 0, converted: 0}));
  const faults = [];
  for (let at = 0; at < table.length;) {
    const format = table.readUInt8(at);
    const length = table.readUInt16LE(at + 1);
    const text = table.subarray(at + 3, at + 3 + length);
    at += 3 + length;
    const want = table.readInt32LE(at);
    const wantSlots = table.subarray(at + 4, at + 4 + 8 * SLOTS);
    at += 4 + 8 * SLOTS;
    const input = wasm._malloc(length + 1);
    wasm.HEAPU8.set(text, input);
    wasm.HEAPU8[input + length] = 0;
    const got = wasm._scan_check(format, input, slots);
    wasm._free(input);
    const gotSlots = Buffer.from(wasm.HEAPU8.subarray(slots, slots + 8 * SLOTS));
    counts[format].texts++;
    if (want > 0) counts[format].converted++;
    if (got !== want || !gotSlots.equals(wantSlots)) {
      if (faults.length < 10) {
        faults.push(`${FORMATS[format]} ${JSON.stringify(text.toString('latin1'))}: ` +
          `sscanf ${got}, glibc ${want}`);
      }
    }
  }
  wasm._free(slots);
  FORMATS.forEach((name, f) => console.log(`${name}: ${counts[f].texts} texts ` +
    `(${counts[f].converted} with at least one value), all as glibc reads them`));
  assert.deepStrictEqual(faults, []);
});
