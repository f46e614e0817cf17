// The Operation tab's flood: a hydrograph (hours, m3/s) routed through the
// pond of operation.csv with power and without, in one call of the module
// (window.tqweir.floodView) that routes it once each way and makes from
// those two routes both of tqweir-operate --flood's printouts and the
// report's flood section (its charts over time and its summary). A route
// takes seconds in the module, so the view is made on opening the tab, on
// "operate", and when an inflow is picked or dropped on the tab, not on
// every edit. The inflow is the one picked or dropped, else the file
// criteria.csv names as flood_inflow when the design folder holds it.
(function () {
  'use strict';

  const $ = (id) => document.getElementById(id);
  const make = (...args) => window.tqweirDesk.make(...args);

  // The design folder's own files: an inflow may not take their place.
  const DESIGN_FILES = ['syogen.csv', 'parameter.csv', 'hitai.csv', 'loadcases.csv', 'criteria.csv',
    'operation.csv'];

  let picked = null;  // {name, bytes}: picked or dropped on the tab

  // The inflow to route: {name, bytes, named} or null; `named` when it is
  // criteria.csv's flood_inflow.
  function inflow(files) {
    const result = window.tqweirDesk.lastResult();
    const named = result && result.ok && result.criteria ? result.criteria.flood_inflow : null;
    if (picked) return Object.assign({named: picked.name === named}, picked);
    return named && files[named] ? {name: named, bytes: files[named], named: true} : null;
  }

  function note(text, refused) {
    $('flood-message').textContent = text;
    $('flood-message').className = refused ? 'refused' : 'note';
  }

  // A printout under its label in `box`, marked with `mark` ({data-*: key}).
  function showPrintout(box, mark, label, run) {
    box.appendChild(make('h4', {}, label));
    box.appendChild(make('pre', Object.assign({class: `operate-print ${run.exitStatus === 0 ? 'ok' : 'stopped'}`},
      mark), run.stdout + (run.message ? `${run.message}\n` : '')));
  }

  function show() {
    $('flood-prints').textContent = '';
    $('flood-frame').srcdoc = '';
    $('flood-time').textContent = '';
    const files = window.tqweirDesk.files();
    const chosen = inflow(files);
    $('flood-inflow').textContent = !chosen ? '' : chosen.named
      ? `${chosen.name} (criteria.csv's flood_inflow)` : `${chosen.name} (picked)`;
    if (!chosen) {
      note('No inflow: pick or drop a hydrograph (hours, m3/s) on this tab, or name one as ' +
        'flood_inflow in criteria.csv with the file in the design folder.');
      return;
    }
    if (!files['operation.csv']) {
      note('No operation.csv: the pond and the rule are its rows.', true);
      return;
    }
    if (!chosen.named && DESIGN_FILES.includes(chosen.name.toLowerCase())) {
      note(`refused: ${chosen.name} is a file of the design, not an inflow`, true);
      return;
    }
    note('');
    const started = performance.now();
    const view = window.tqweir.floodView(Object.assign(files, {[chosen.name]: chosen.bytes}), chosen.name);
    showPrintout($('flood-prints'), {'data-flood': 'with'}, 'with power / 通常時', view.withPower);
    showPrintout($('flood-prints'), {'data-flood': 'without'}, 'without power (--power-failure) / 停電時',
      view.withoutPower);
    $('flood-frame').srcdoc = view.sectionPage;
    $('flood-time').textContent =
      `routed both ways, printed and charted in ${((performance.now() - started) / 1000).toFixed(1)} s`;
  }

  // Gates that fail: the command's own command line in the module
  // (tqweir-operate --flood INFLOW --failed LIST, or --fail-count K), so a
  // list it refuses is refused in its words. Each run routes the flood
  // again (seconds), so it runs on its buttons only.
  function showFailed(runs) {
    const box = $('flood-failed-prints');
    box.textContent = '';
    $('flood-failed-message').textContent = '';
    $('flood-failed-time').textContent = '';
    const files = window.tqweirDesk.files();
    const chosen = inflow(files);
    if (!chosen || !files['operation.csv']) {
      $('flood-failed-message').textContent = 'Route the flood above first: an inflow and operation.csv.';
      return;
    }
    const started = performance.now();
    const given = Object.assign(files, {[chosen.name]: chosen.bytes});
    for (const [key, label, args] of runs) {
      const run = window.tqweir.operate(given, ['--flood', `{dir}/${chosen.name}`].concat(args));
      showPrintout(box, {'data-failed': key}, label, run);
    }
    $('flood-failed-time').textContent =
      `routed and printed in ${((performance.now() - started) / 1000).toFixed(1)} s`;
  }

  function routeFailed() {
    const list = $('flood-failed').value.trim();
    showFailed([['with', `--failed ${list}, with power / 通常時`, ['--failed', list]],
      ['without', `--failed ${list}, without power / 停電時`, ['--failed', list, '--power-failure']]]);
  }

  function failTable() {
    const count = $('flood-fail-count').value.trim();
    showFailed([['table', `--fail-count ${count}`, ['--fail-count', count]]]);
  }

  async function take(file) {
    picked = {name: file.name, bytes: new Uint8Array(await file.arrayBuffer())};
    show();
  }

  function start() {
    $('flood-file').addEventListener('change', (e) => { if (e.target.files[0]) take(e.target.files[0]); });
    $('flood-run').addEventListener('click', show);
    $('flood-failed-run').addEventListener('click', routeFailed);
    $('flood-fail-table').addEventListener('click', failTable);
    // One CSV file that is not a design file, dropped on the tab, is an
    // inflow; anything else goes on to the page, which loads a design.
    $('tab-operation').addEventListener('drop', (e) => {
      const dropped = [...(e.dataTransfer.files || [])];
      if (dropped.length !== 1 || !/\.csv$/i.test(dropped[0].name) ||
        DESIGN_FILES.includes(dropped[0].name.toLowerCase())) return;
      e.preventDefault();
      e.stopPropagation();
      document.body.classList.remove('dropping');
      take(dropped[0]);
    });
    window.tqweirDesk.onChange(() => {
      if ($('tab-operation').hidden || !$('flood-prints').textContent) return;
      $('flood-time').textContent = 'the design has changed since: operate again / 再計算';
    });
  }

  window.tqweirFloodView = {show};
  window.tqweir.ready.then(start);
})();
