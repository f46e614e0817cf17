// The design desk: the base case in the form plus a load-case table and
// the criteria, run on every edit by tqweir-report's own code in the
// module (window.tqweir.design), with its checks section; the design is
// kept in the browser's storage until cleared. The load-case table's rows
// are desk-cases.js's; the forms of criteria.csv and operation.csv
// (desk-forms.js) are built here.
(function () {
  'use strict';

  const $ = (id) => document.getElementById(id);

  // bytes: a file as loaded, used until the table or the form edits it.
  const desk = {
    table: null, tableBytes: null, criteria: null, criteriaBytes: null,
    operation: null, operationBytes: null,
    inflow: null,  // {name, bytes}: the hydrograph criteria.csv names as flood_inflow
    result: null, listeners: [],
    refusal: '',  // why the last file loaded was refused, shown until the next change
    viewing: null,  // {name, base, seismic}: the form shows a load case; `base` is the design's base case, `seismic` its kh
    notRead: '',  // what the last design loaded held that the page does not read
  };

  // The flood risk routes hundreds of floods (tens of seconds here, on one
  // thread), so the page leaves risk.csv to the commands, and says so: a
  // report without the section it asked for must not pass for the whole.
  const RISK_NOT_READ = 'risk.csv is not read in the browser: the report here has no flood risk ' +
    'section; tqweir-report or tqweir-risk on the folder gives it (risk.csv はブラウザでは読みません).';

  function make(tag, attributes, text) {
    const e = document.createElement(tag);
    for (const [k, v] of Object.entries(attributes || {})) e.setAttribute(k, v);
    if (text !== undefined) e.textContent = text;
    return e;
  }

  const {tableText, showStatus, buildTable, addRow, addColumn, stopViewing} =
    window.tqweirDeskCases.create(desk, {make, refresh});

  const FORMS = window.tqweirDeskForms;

  // The design folder's files as the desk holds them.
  function files() {
    const out = Object.assign({}, desk.viewing ? desk.viewing.base : window.tqweirPage.caseFiles());
    if (desk.table) out['loadcases.csv'] = desk.tableBytes || tableText(desk.table);
    for (const form of Object.values(FORMS.forms)) {
      if (desk[form.key]) {
        out[form.file] = desk[form.key + 'Bytes'] || FORMS.text(form, desk[form.key], desk[form.key + 'Others']);
      }
    }
    if (desk.inflow && !(desk.inflow.name in out)) out[desk.inflow.name] = desk.inflow.bytes;
    return out;
  }

  function hasDesign() { return desk.table !== null || desk.criteria !== null || desk.operation !== null; }

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
      (result.ok ? [result.note, desk.notRead].filter(Boolean).join(' ') : result.message);
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

  // --- the criteria and operation.csv, each a form of name,value rows
  function buildForm(form) {
    $(form.add).hidden = desk[form.key] !== null;
    const body = $(form.body);
    body.hidden = desk[form.key] === null;
    body.textContent = '';
    for (const c of form.rows) {
      const row = make('tr');
      const label = make('td');
      label.appendChild(make('label', {for: `${form.prefix}-${c.key}`, class: 'name'}, c.en));
      label.appendChild(make('div', {class: 'meaning', lang: 'ja'}, c.ja));
      row.appendChild(label);
      const td = make('td');
      const input = make('input', {id: `${form.prefix}-${c.key}`, type: 'text', spellcheck: 'false',
        [`data-${form.prefix}`]: c.key, placeholder: c.hint || (c.unit ? 'not checked' : '')});
      input.value = (desk[form.key] && desk[form.key][c.key]) || '';
      input.addEventListener('input', () => {
        desk[form.key] = desk[form.key] || {};
        desk[form.key][c.key] = input.value.trim();
        desk[form.key + 'Bytes'] = null;
        desk.refusal = '';
        refresh();
      });
      td.appendChild(input);
      row.appendChild(td);
      row.appendChild(make('td', {class: 'unit'}, c.unit || ''));
      body.appendChild(row);
    }
  }

  function buildForms() { Object.values(FORMS.forms).forEach(buildForm); }

  // --- loading: the model from the module's reading of the files
  // Replaces the load cases and the criteria that `bytes` holds by the
  // module's reading of them (`result`); the others stay.
  function adopt(result, bytes) {
    const inflow = result.criteria && result.criteria.flood_inflow;
    if (inflow && bytes[inflow]) desk.inflow = {name: inflow, bytes: bytes[inflow]};
    if (bytes['loadcases.csv']) {
      desk.table = {fields: result.fields.slice(),
        rows: result.cases.map((c) => ({name: c.name, values: c.values.slice()}))};
      desk.tableBytes = bytes['loadcases.csv'];
    }
    for (const form of Object.values(FORMS.forms)) {
      if (!bytes[form.file]) continue;
      desk[form.key] = {};
      for (const c of form.rows) desk[form.key][c.key] = (result[form.key] || {})[c.key] || '';
      desk[form.key + 'Bytes'] = bytes[form.file];
      const loaded = bytes[form.file];
      desk[form.key + 'Others'] = FORMS.otherRows(form,
        typeof loaded === 'string' ? loaded : new TextDecoder().decode(loaded));
    }
    buildTable();
    buildForms();
  }

  const DESIGN_FILES = ['syogen.csv', 'parameter.csv', 'hitai.csv', 'loadcases.csv', 'criteria.csv',
    'operation.csv'];

  // Takes loadcases.csv, criteria.csv and operation.csv among `fileList`
  // (the page takes the base case), and the hydrograph criteria.csv names
  // as flood_inflow (the new one's or the desk's). A design the report
  // refuses leaves the desk as it was.
  async function takeFiles(fileList) {
    // New base case files end the view of a load case (the page has taken them).
    if ([...fileList].some((f) => ['syogen.csv', 'parameter.csv', 'hitai.csv']
      .includes(f.name.toLowerCase()))) stopViewing(false);
    const bytes = {};
    for (const file of fileList) {
      const name = ['loadcases.csv', 'criteria.csv', 'operation.csv']
        .find((n) => n === file.name.toLowerCase());
      if (name) bytes[name] = new Uint8Array(await file.arrayBuffer());
    }
    desk.notRead = [...fileList].some((f) => f.name.toLowerCase() === 'risk.csv') ? RISK_NOT_READ : '';
    // The report refuses a design whose flood_inflow is missing, so the
    // design is read with every other CSV file given, then only the one it
    // names is kept.
    const others = {};
    for (const file of fileList) {
      if (!DESIGN_FILES.includes(file.name.toLowerCase()) && /\.csv$/i.test(file.name)) {
        others[file.name] = new Uint8Array(await file.arrayBuffer());
      }
    }
    if (Object.keys(others).length) {
      const criteria = window.tqweir.design(Object.assign(files(), others, bytes)).criteria;
      const named = criteria && criteria.flood_inflow;
      if (named && others[named]) bytes[named] = others[named];
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
    desk.operation = desk.operationBytes = null;
    desk.inflow = null;
    desk.notRead = '';
    desk.criteriaOthers = desk.operationOthers = null;
    buildTable();
    buildForms();
    refresh();
    window.tqweirPage.openExample();
  }

  function start() {
    $('add-case').addEventListener('click', addRow);
    $('add-column').addEventListener('change', (e) => { if (e.target.value) addColumn(e.target.value); });
    for (const form of Object.values(FORMS.forms)) {
      $(form.add).addEventListener('click', () => {
        desk[form.key] = desk[form.key] || {};
        buildForm(form);
        refresh();
      });
    }
    $('clear-design').addEventListener('click', clear);
    $('desk-back').addEventListener('click', () => stopViewing(true));
    buildForms();
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
    notRead: () => desk.notRead,
    refusal: () => desk.refusal,
    make,
  };
})();
