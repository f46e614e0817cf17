// The web build's sin, cos, tan, atan, asin, acos and pow (as the core
// reaches them) against glibc on this machine, bit for bit, over the table
// of tests/platform/web/glibc_table.cc. pow is glibc's own arithmetic and
// must give glibc's double everywhere; for the others, where glibc's own
// result is not the correctly rounded one, the web build must give the
// correctly rounded one, and anywhere else the same double as glibc.
//
// Run: TQWEIR_WEB_BUILD=build-web node --test tests/platform/web/ (after .ci/steps/70-web.sh has
// written the tables into build-web)
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('node:fs');
const path = require('node:path');

const build = process.env.TQWEIR_WEB_BUILD || 'build-web';
const tablePath = process.env.TQWEIR_GLIBC_TABLE || path.join(build, 'glibc-table.bin');
const NAMES = ['sin', 'cos', 'tan', 'atan', 'asin', 'acos', 'pow(x,1.5)', 'pow(x,2)', 'pow(x,3)',
  'pow(x,2/1.4)', 'pow(x,2.4/1.4)', 'pow(x,-0.2)'];
const FIRST_POW = 6;

function sameDouble(a, b) {
  return Object.is(a, b) || (Number.isNaN(a) && Number.isNaN(b));
}

test('web math functions give glibc\'s double wherever glibc rounds correctly', async () => {
  const createLibcCheckModule = require(path.resolve(build, 'tqweir-libc-check.js'));
  const wasm = await createLibcCheckModule();
  const raw = fs.readFileSync(tablePath);
  const rows = new Float64Array(raw.buffer, raw.byteOffset, raw.byteLength / 8);
  const counts = NAMES.map(() => ({args: 0, same: 0, glibcMisrounded: 0}));
  const faults = [];
  for (let i = 0; i < rows.length; i += 4) {
    const [f, x, glibc, correct] = [rows[i], rows[i + 1], rows[i + 2], rows[i + 3]];
    const ours = wasm._math_check(f, x);
    const c = counts[f];
    c.args++;
    if (sameDouble(ours, glibc)) c.same++;
    else if (f < FIRST_POW && !sameDouble(glibc, correct) && sameDouble(ours, correct)) c.glibcMisrounded++;
    else if (faults.length < 10) faults.push(`${NAMES[f]}(${x}) = ${ours}, glibc ${glibc}, correct ${correct}`);
  }
  NAMES.forEach((name, f) => {
    const c = counts[f];
    console.log(`${name}: ${c.args} arguments, ${c.same} equal to glibc, ` +
      `${c.glibcMisrounded} where glibc is not correctly rounded and this build is`);
  });
  assert.ok(counts.every((c) => c.args > 0), 'every function has arguments in the table');
  assert.deepStrictEqual(faults, []);
});
