// The design desk's calls without a browser: the built page's own scripts
// (tqweir-api.js, desk-api.js) over its module in node, on the shipped
// design example. What the page shows of these goes through defaults
// that would hide a fault (a criterion shown as '' either way, a folder
// always named "design"), so they are held here at the module's answer.
//
// Run: TQWEIR_WEB_BUILD=build-web node --test tests/web/ (after scripts/build-web.sh)
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('node:fs');
const path = require('node:path');
const vm = require('node:vm');

const page = path.resolve(process.env.TQWEIR_WEB_BUILD || 'build-web', 'web');
const example = path.join(__dirname, '..', '..', 'examples', 'design_standard');

// window.tqweir as the page has it: the scripts run with the global
// object standing for the browser's window.
const ready = (() => {
  globalThis.window = globalThis;
  globalThis.createTqweirModule = require(path.join(page, 'tqweir-wasm.js'));
  for (const script of ['tqweir-api.js', 'desk-api.js']) {
    vm.runInThisContext(fs.readFileSync(path.join(page, script), 'utf8'), {filename: script});
  }
  return window.tqweir.ready;
})();

function exampleFiles(changed) {
  const files = {};
  for (const name of fs.readdirSync(example)) files[name] = fs.readFileSync(path.join(example, name));
  return Object.assign(files, changed);
}

// Row 3 (the second case) with a word where upstream_level's number goes.
const BAD_LOADCASES = 'case,upstream_level\r\na,2.5\r\nb,two\r\n';

// The desk's reading of `files` for a design folder named `folder`, as
// design() asks for it with its own folder.
function designIn(folder, files) {
  const {call, fileBlock, cString} = window.tqweir.internal;
  const block = fileBlock(files);
  return JSON.parse(new TextDecoder().decode(call('_tqweir_design',
    (place) => [place(block), block.length, place(cString(folder))])));
}

test('a criterion criteria.csv leaves out is null, not an empty text', async () => {
  const api = await ready;
  const design = api.design(exampleFiles({'criteria.csv': 'name,value\r\nmembrane_strength,800\r\n'}));
  const {membrane_strength, stopper_capacity, floor_anchor_capacity, sealed_range} = design.criteria;
  assert.deepStrictEqual({membrane_strength, stopper_capacity, floor_anchor_capacity, sealed_range},
    {membrane_strength: '800', stopper_capacity: null, floor_anchor_capacity: null, sealed_range: null});
});

test('the report\'s closing line names report.html as the command does, not the module\'s folder', async () => {
  const api = await ready;
  const {exitStatus, message} = api.report(exampleFiles(), {date: '2024-06-01'});
  assert.strictEqual(exitStatus, 1);  // written; case 3 stops, so its checks are not determined
  assert.match(message, /; report in report\.html$/);
});

test('a design folder not named "design" is named so in the title block and the refusals', async () => {
  const api = await ready;
  const written = api.report(exampleFiles(), {date: '2024-06-01', folder: 'weir-a'});
  assert.ok(written.html.includes('<td>weir-a</td>'), 'the title block names the folder');
  const refused = api.report(exampleFiles({'loadcases.csv': BAD_LOADCASES}), {folder: 'weir-a'});
  assert.match(refused.message, /^tqweir-report: weir-a\/loadcases\.csv line 3, column 2 /);
  const design = designIn('weir-a', exampleFiles({'loadcases.csv': BAD_LOADCASES}));
  assert.match(design.message, /^weir-a\/loadcases\.csv line 3, column 2 /);
});

test('tqweir-operate\'s table comes back under the name after -o, and the printout names it so', async () => {
  const api = await ready;
  const files = {};
  const folder = path.join(example, '..', 'design_operation');
  for (const name of fs.readdirSync(folder)) files[name] = fs.readFileSync(path.join(folder, name));
  const run = api.operate(files, ['--lower', '-o', 'lower.csv']);
  assert.strictEqual(run.exitStatus, 0);
  assert.deepStrictEqual(Object.keys(run.files), ['lower.csv']);
  assert.match(run.stdout, /\n {2}table in lower\.csv\n$/);
  assert.strictEqual(api.design(files).operation.lowered_angle, '5');
});

// The form's kh: it reaches the balance (the bag holds the earthquake's
// added water and inertia with more pressure), 0 is the solve without it
// to the byte, and a kh that is not one is refused with loadcases.csv's words.
test('the form\'s seismic coefficient reaches the solve, 0 changes nothing, a negative one is refused', async () => {
  const api = await ready;
  const standard = path.join(example, '..', 'standard');
  const files = ['syogen.csv', 'parameter.csv', 'hitai.csv'].map((n) => fs.readFileSync(path.join(standard, n)));
  const solve = (kh) => api.solve(...files, kh === undefined ? undefined : {seismicCoefficient: kh});
  const pressure = (run) => api.printedSummary(run.files['TQSpec.csv'])
    [api.tables.summary.findIndex((f) => f.name === 'pressure_at_temperature')].value;
  const plain = solve();
  const quake = solve('0.2');
  assert.strictEqual(quake.exitStatus, 0);
  assert.ok(pressure(quake) > pressure(plain), `${pressure(quake)} > ${pressure(plain)}`);
  assert.deepStrictEqual(solve('0'), plain);
  assert.match(solve('-0.1').refused, /^seismic_coefficient: '-0\.1' is not a seismic coefficient/);
});
