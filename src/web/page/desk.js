// The design desk: the base case in the form plus a load-case table and
// the criteria, run on every edit by tqweir-report's own code in the
// module (window.tqweir.design), with its checks section; the design is
// kept in the browser's storage until cleared. The load-case table's rows
// are desk-cases.js's; the criteria form is here.
(function () {
  'use strict';

  const $ = (id) => document.getElementById(id);
  // The rows of criteria.csv the form offers, in the order written. Rows the
  // report learns later (the limit states' and the sealed curve's) belong
  // here and in criteria_json (design_desk.cc); the report tab shows their
  // sections as soon as the report's code draws them.
  const CRITERIA = [
    {key: 'title', en: 'title', ja: '表題'},
    {key: 'project', en: 'project', ja: '工事名'},
    {key: 'prepared_by', en: 'prepared by', ja: '作成'},
    {key: 'date', en: 'date', ja: '日付', hint: 'empty: today'},
    {key: 'membrane_strength', en: 'membrane strength', ja: '膜材引張強度', unit: 'kN/m'},
    {key: 'membrane_safety_factor', en: 'membrane safety factor', ja: '安全率', unit: '-'},
    {key: 'stopper_capacity', en: 'stopper capacity', ja: 'ストッパー耐力', unit: 'kN'},
    {key: 'max_bag_pressure', en: 'max bag pressure', ja: '許容内圧', unit: 'kPa'},
    {key: 'floor_anchor_capacity', en: 'floor anchor capacity', ja: '床版アンカー耐力', unit: 'kN/m'},
    // The report's searches, shown in its tab: the limit states over one
    // load variable, and the sealed bag's operating curve.
    {key: 'limit_variable', en: 'limit-state variable', ja: '限界状態の変数', hint: 'e.g. upstream_level'},
    {key: 'limit_range', en: 'limit-state range', ja: '限界状態の範囲', hint: 'LO:HI'},
    {key: 'sealed_range', en: 'sealed curve levels', ja: '密閉時の上流水位', hint: 'FROM:TO:STEP'},
  ];

  // bytes: a file as loaded, used until the table or the form edits it.
  const desk = {
    table: null, tableBytes: null, criteria: null, criteriaBytes: null,
    result: null, listeners: [],
    refusal: '',  // why the last file loaded was refused, shown until the next change
    viewing: null,  // {name, base}: the form shows a load case; `base` is the design's base case
  };

  function make(tag, attributes, text) {
    const e = document.createElement(tag);
    for (const [k, v] of Object.entries(attributes || {})) e.setAttribute(k, v);
    if (text !== undefined) e.textContent = text;
    return e;
  }

  const {tableText, showStatus, buildTable, addRow, addColumn, stopViewing} =
    window.tqweirDeskCases.create(desk, {make, refresh});

  function criteriaText(criteria) {
    return 'name,value\r\n' + CRITERIA.filter((c) => (criteria[c.key] || '') !== '')
      .map((c) => `${c.key},${criteria[c.key]}\r\n`).join('');
  }

  // The design folder's files as the desk holds them.
  function files() {
    const out = Object.assign({}, desk.viewing ? desk.viewing.base : window.tqweirPage.caseFiles());
    if (desk.table) out['loadcases.csv'] = desk.tableBytes || tableText(desk.table);
    if (desk.criteria) out['criteria.csv'] = desk.criteriaBytes || criteriaText(desk.criteria);
    return out;
  }

  function hasDesign() { return desk.table !== null || desk.criteria !== null; }

  const {asBytes} = window.tqweirDeskFiles;
  function save() {
    if (!hasDesign()) return;
    const failed = window.tqweirDeskFiles.keep(files());
    if (failed) $('desk-message').textContent = `not kept in the browser: ${failed}`;
  }

  // --- the run and what it shows
  function refresh() {
    if (!hasDesign()) {
      desk.result = null;
      $('desk-checks').textContent = '';
      $('desk-message').className = desk.refusal ? 'refused' : 'note';
      $('desk-message').textContent = desk.refusal ? `refused: ${desk.refusal}` :
        'No load cases or criteria yet: open a design folder (loadcases.csv, criteria.csv ' +
        'with the base case), or add a case or the criteria.';
      showDownloads();
      desk.listeners.forEach((f) => f());
      return;
    }
    const started = performance.now();
    const result = window.tqweir.design(files());
    desk.result = result;
    $('desk-message').textContent = desk.refusal ? `refused: ${desk.refusal}` :
      (result.ok ? (result.note || '') : result.message);
    $('desk-message').className = result.ok && !desk.refusal ? 'note' : 'refused';
    if (result.ok) {
      $('desk-checks').innerHTML = result.checksHtml;
      showStatus(result);
    }
    showDownloads();
    save();
    $('desk-time').textContent = `checked in ${(performance.now() - started).toFixed(0)} ms`;
    desk.listeners.forEach((f) => f());
  }

  function showDownloads() {
    const box = $('design-downloads');
    for (const a of box.querySelectorAll('a')) URL.revokeObjectURL(a.href);
    box.textContent = '';
    for (const [name, content] of Object.entries(files())) {
      if (!content) continue;
      const link = make('a', {download: name, class: 'file', 'data-file': name}, name);
      link.href = URL.createObjectURL(new Blob([asBytes(content)], {type: 'text/csv'}));
      box.appendChild(link);
    }
  }

  // --- the criteria
  function buildCriteria() {
    $('new-criteria').hidden = desk.criteria !== null;
    $('criteria-rows').hidden = desk.criteria === null;
    const body = $('criteria-rows');
    body.textContent = '';
    for (const c of CRITERIA) {
      const row = make('tr');
      const label = make('td');
      label.appendChild(make('label', {for: `criterion-${c.key}`, class: 'name'}, c.en));
      label.appendChild(make('div', {class: 'meaning', lang: 'ja'}, c.ja));
      row.appendChild(label);
      const td = make('td');
      const input = make('input', {id: `criterion-${c.key}`, type: 'text', spellcheck: 'false',
        'data-criterion': c.key, placeholder: c.hint || (c.unit ? 'not checked' : '')});
      input.value = (desk.criteria && desk.criteria[c.key]) || '';
      input.addEventListener('input', () => {
        desk.criteria = desk.criteria || {};
        desk.criteria[c.key] = input.value.trim();
        desk.criteriaBytes = null;
        desk.refusal = '';
        refresh();
      });
      td.appendChild(input);
      row.appendChild(td);
      row.appendChild(make('td', {class: 'unit'}, c.unit || ''));
      body.appendChild(row);
    }
  }

  // --- loading: the model from the module's reading of the files
  // Replaces the load cases and the criteria that `bytes` holds by the
  // module's reading of them (`result`); the others stay.
  function adopt(result, bytes) {
    if (bytes['loadcases.csv']) {
      desk.table = {fields: result.fields.slice(),
        rows: result.cases.map((c) => ({name: c.name, values: c.values.slice()}))};
      desk.tableBytes = bytes['loadcases.csv'];
    }
    if (bytes['criteria.csv']) {
      desk.criteria = {};
      for (const c of CRITERIA) desk.criteria[c.key] = result.criteria[c.key] || '';
      desk.criteriaBytes = bytes['criteria.csv'];
    }
    buildTable();
    buildCriteria();
  }

  // Takes loadcases.csv and criteria.csv among `fileList` (the page takes
  // the base case). A design the report refuses leaves the desk as it was.
  async function takeFiles(fileList) {
    // New base case files end the view of a load case (the page has taken them).
    if ([...fileList].some((f) => ['syogen.csv', 'parameter.csv', 'hitai.csv']
      .includes(f.name.toLowerCase()))) stopViewing(false);
    const bytes = {};
    for (const file of fileList) {
      const name = ['loadcases.csv', 'criteria.csv']
        .find((n) => n === file.name.toLowerCase());
      if (name) bytes[name] = new Uint8Array(await file.arrayBuffer());
    }
    return Object.keys(bytes).length ? bytes : null;
  }

  // After the page has taken the base case of the same files.
  function loadDesign(bytes) {
    const trial = Object.assign(files(), bytes);
    const result = window.tqweir.design(trial);
    if (!result.ok) {
      desk.refusal = result.message;
      refresh();
      return false;
    }
    desk.refusal = '';
    adopt(result, bytes);
    refresh();
    return true;
  }

  function clear() {
    stopViewing(false);
    window.tqweirDeskFiles.forget();
    desk.table = desk.tableBytes = desk.criteria = desk.criteriaBytes = null;
    buildTable();
    buildCriteria();
    refresh();
    window.tqweirPage.openExample();
  }

  function start() {
    $('add-case').addEventListener('click', addRow);
    $('add-column').addEventListener('change', (e) => { if (e.target.value) addColumn(e.target.value); });
    $('new-criteria').addEventListener('click', () => {
      desk.criteria = desk.criteria || {};
      buildCriteria();
      refresh();
    });
    $('clear-design').addEventListener('click', clear);
    $('desk-back').addEventListener('click', () => stopViewing(true));
    buildCriteria();
  }

  window.tqweirDesk = {
    files, takeFiles, loadDesign, hasDesign, start,
    droppedFiles: window.tqweirDeskFiles.droppedFiles,
    stored: window.tqweirDeskFiles.kept,
    caseChanged: refresh,
    onChange: (f) => desk.listeners.push(f),
    adoptStored: (bytes) => {
      const result = window.tqweir.design(bytes);
      if (result.ok) adopt(result, bytes);
      else $('desk-message').textContent = `the kept design is refused: ${result.message}`;
    },
    lastResult: () => desk.result,
  };
})();
