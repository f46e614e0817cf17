// The desk's forms of criteria.csv and operation.csv without a browser: an
// edit of a form writes the rows it offers and keeps every other row of
// the loaded file (operation.csv's pond and flood rule) as it was.
//
// Run: node --test tests/web/
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('node:fs');
const path = require('node:path');
const vm = require('node:vm');

globalThis.window = globalThis;
const script = path.join(__dirname, '..', '..', 'src', 'web', 'page', 'desk-forms.js');
vm.runInThisContext(fs.readFileSync(script, 'utf8'), {filename: script});

test('an edit of the operation form keeps the flood rows it does not offer', () => {
  const forms = window.tqweirDeskForms;
  const form = forms.forms.operation;
  const file = fs.readFileSync(path.join(__dirname, '..', '..', 'examples', 'design_flood', 'operation.csv'), 'utf8');
  const values = {valve_area: '0.0003', valve_coefficient: '0.6', blower_curve: '0:1.5 300:0', lowered_angle: '5'};
  const written = forms.text(form, values, forms.otherRows(form, file));
  assert.strictEqual(written,
    'name,value\r\nvalve_area,0.0003\r\nvalve_coefficient,0.6\r\nblower_curve,0:1.5 300:0\r\nlowered_angle,5\r\n' +
    'lower_at_level,3.1\r\nraise_at_level,1.8\r\nbackup_lower_at_level,3.3\r\npond_area,200000\r\n');
});
