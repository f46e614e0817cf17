// The operation tab: tqweir-operate in the page on the design as it stands,
// each load case (or the one chosen) lowered and raised, its printout as
// the command prints it; and the report's section on the operation (its
// charts of angle and bag pressure against time), made alone by the
// report's code in the module, with the report's style; then the flood
// view (desk-flood.js) when an inflow is at hand. Made on opening and on "operate":
// a lowering and a raising of every case take seconds in the module, too
// long to follow each edit, so an edit marks what is shown as old.
(function () {
  'use strict';

  const $ = (id) => document.getElementById(id);
  const make = (...args) => window.tqweirDesk.make(...args);

  // The cases to operate: [{name, args}], the load cases of loadcases.csv
  // by --case (the chosen one, or all), else the base case alone.
  function chosenCases(result) {
    if (!result || !result.ok) return [];
    if (result.casesFrom !== 'loadcases.csv') return [{name: result.cases[0].name, args: []}];
    const chosen = $('operate-case').value;
    return result.cases.filter((c) => chosen === '' || c.name === chosen)
      .map((c) => ({name: c.name, args: ['--case', c.name]}));
  }

  function buildCaseChoice(result) {
    const select = $('operate-case');
    const kept = select.value;
    select.textContent = '';
    select.appendChild(make('option', {value: ''}, 'every load case / 全ケース'));
    if (result && result.ok && result.casesFrom === 'loadcases.csv') {
      for (const c of result.cases) select.appendChild(make('option', {value: c.name}, c.name));
    }
    select.value = [...select.options].some((o) => o.value === kept) ? kept : '';
  }

  function operateCase(files, c, within) {
    const box = $('operate-prints');
    box.appendChild(make('h4', {}, c.name));
    for (const way of ['lower', 'raise']) {
      const args = [`--${way}`].concat(c.args, within ? ['--within', within] : []);
      const run = window.tqweir.operate(files, args);
      const text = run.stdout + (run.message ? `${run.message}\n` : '');
      box.appendChild(make('pre', {class: `operate-print ${run.exitStatus === 0 ? 'ok' : 'stopped'}`,
        'data-case': c.name, 'data-way': way}, text));
    }
  }

  function show() {
    const result = window.tqweirDesk.lastResult();
    buildCaseChoice(result);
    const files = window.tqweirDesk.files();
    const note = $('operate-message');
    const refusal = window.tqweirDesk.refusal();
    $('operate-prints').textContent = '';
    $('operation-frame').srcdoc = '';
    if (refusal) note.textContent = `refused: ${refusal}`;
    else if (!files['operation.csv']) note.textContent = 'No operation.csv: add it above, or open a design folder with one.';
    else if (!result || !result.ok) note.textContent = (result && result.message) || 'no design';
    else note.textContent = '';
    note.className = note.textContent ? 'refused' : 'note';
    if (note.textContent) return;
    const started = performance.now();
    const within = $('operate-within').value.trim();
    for (const c of chosenCases(result)) operateCase(files, c, within);
    const printed = performance.now();
    const section = window.tqweir.operationSection(files);
    $('operation-frame').srcdoc = section.made ? section.page : '';
    if (!section.made) {
      note.textContent = section.message;
      note.className = 'refused';
    }
    $('operate-time').textContent = `operated in ${(printed - started).toFixed(0)} ms, ` +
      `the report's section in ${(performance.now() - printed).toFixed(0)} ms`;
    window.tqweirFloodView.show();
  }

  function start() {
    $('operate-run').addEventListener('click', show);
    $('operate-case').addEventListener('change', show);
    $('operate-within').addEventListener('change', show);
    window.tqweirDesk.onChange(() => {
      if ($('tab-operation').hidden || !$('operate-prints').textContent) return;
      $('operate-time').textContent = 'the design has changed since: operate again / 再計算';
    });
  }

  window.tqweirOperationTab = {show};
  window.tqweir.ready.then(start);
})();
