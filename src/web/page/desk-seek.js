// The "solve for" control: tqweir-seek in the page on the case in the form
// (and, for a criterion, the desk's criteria and load cases); the case
// found is loaded into the form.
(function () {
  'use strict';

  const $ = (id) => document.getElementById(id);
  const CRITERIA = ['membrane_strength', 'stopper_capacity', 'max_bag_pressure',
    'floor_anchor_capacity'];

  function option(select, value, text) {
    const o = document.createElement('option');
    o.value = value;
    o.textContent = text;
    select.appendChild(o);
  }

  function build() {
    const tables = window.tqweir.tables;
    const vary = $('seek-vary');
    tables.inputs.filter((f) => !f.integer).forEach((f) =>
      option(vary, f.name, `${f.name} (${f.unit || '-'})`));
    vary.value = 'upstream_level';
    const until = $('seek-until');
    tables.summary.forEach((f) => option(until, f.name, `${f.label_en} (${f.unit})`));
    CRITERIA.forEach((c) => option(until, c, `check: ${c} ratio = 1`));
    option(until, 'stop', 'where the runs begin to stop');
    until.value = 'bag_tension';
    const onUntil = () => {
      const needsValue = !CRITERIA.includes(until.value) && until.value !== 'stop';
      $('seek-value').disabled = !needsValue;
    };
    until.addEventListener('change', onUntil);
    onUntil();
    $('seek-run').addEventListener('click', run);
  }

  function run() {
    const page = window.tqweirPage;
    const files = page.caseFiles();
    const desk = window.tqweirDesk ? window.tqweirDesk.files() : {};
    const inputs = {syogen: files['syogen.csv'], parameter: files['parameter.csv'],
      hitai: files['hitai.csv'], criteria: desk['criteria.csv'], loadcases: desk['loadcases.csv']};
    const options = {vary: $('seek-vary').value, lo: $('seek-lo').value.trim(),
      hi: $('seek-hi').value.trim(), until: $('seek-until').value};
    if (!$('seek-value').disabled) options.value = $('seek-value').value.trim();
    const started = performance.now();
    const found = window.tqweir.seek(inputs, options);
    const elapsed = performance.now() - started;
    const box = $('seek-output');
    box.className = found.found ? 'ok' : 'stopped';
    box.textContent = (found.output || '') + (found.message ? `\n${found.message}` : '');
    $('seek-time').textContent = `searched in ${elapsed.toFixed(0)} ms` +
      (found.solves ? `, ${found.solves} solves` : '');
    $('seek-found').textContent = found.found ? `${found.field} = ${found.value}` : 'none found';
    if (found.found) {
      page.openCase(found.files, `found: ${found.field} = ${found.value}`);
    }
  }

  window.tqweir.ready.then(build);
})();
