// The page: the case as a form (named from the core's field table), the
// three CSV files loaded by picker or drop, sliders for the water levels and
// the leaf angle, and after every change the solve, the drawing, the
// results, the message and the six files to download.
(function () {
  'use strict';

  const OUTPUTS = ['error.csv', 'suimen.csv', 'XYGate.csv', 'XYStopper.csv', 'XYBalloon.csv',
    'TQSpec.csv'];
  const INPUTS = ['syogen.csv', 'parameter.csv', 'hitai.csv'];
  const SLIDERS = [
    {field: 'upstream_level', min: 0, max: 6, step: 0.01},
    {field: 'hd_nd', min: 0, max: 2.5, step: 0.01},
    {field: 'theta1_deg', min: 1, max: 90, step: 0.5},
  ];
  const $ = (id) => document.getElementById(id);
  const encoder = new TextEncoder();

  // The case: per input file its exact bytes (null: missing), and the form's
  // values, from which a file's bytes are made again once it is edited.
  // caseName names the case in the drawing's title block.
  // values.seismic_coefficient is the earthquake's kh as typed ('' for
  // none): no file carries it, the solve takes it beside the files.
  const state = {bytes: {}, values: {seismic_coefficient: ''}, profile: [], lastRun: null,
    caseName: ''};

  function make(tag, attributes, text) {
    const e = document.createElement(tag);
    for (const [k, v] of Object.entries(attributes || {})) e.setAttribute(k, v);
    if (text !== undefined) e.textContent = text;
    return e;
  }

  function fieldsOf(file) {
    return window.tqweir.tables.inputs
      .filter((f) => f.file === file).sort((a, b) => a.position - b.position);
  }

  // The comma-separated cells of a file as the form shows them (the solve
  // itself always reads the file's own bytes).
  function cells(text) {
    return text.split(',').map((c) => c.trim());
  }

  function fileText(file) {
    if (file === 'hitai.csv') return state.profile.map((p) => `${p[0]},${p[1]}\r\n`).join('');
    return fieldsOf(file).map((f) => state.values[f.name]).join(',') + '\r\n';
  }

  function setCase(file, text) {
    state.bytes[file] = typeof text === 'string' ? encoder.encode(text) : text;
    const shown = new TextDecoder('latin1').decode(state.bytes[file]);
    if (file === 'hitai.csv') {
      state.profile = shown.split(/\r?\n/).map((l) => l.trim()).filter((l) => l !== '')
        .map((l) => { const c = cells(l); return [c[0] || '', c[1] || '']; });
    } else {
      const c = cells(shown);
      fieldsOf(file).forEach((f, i) => { state.values[f.name] = c[i] !== undefined ? c[i] : ''; });
    }
  }

  function edited(file) {
    if (!state.caseName.endsWith(', edited')) state.caseName += ', edited';
    if (file) state.bytes[file] = encoder.encode(fileText(file));
    refreshForm();
    solveNow();
  }

  // ---- the form ------------------------------------------------------------
  // Rows for `fields`; an edit of one remakes `file` (null: a value the
  // case carries beyond its files).
  function buildFieldTable(fields, file, tbody) {
    for (const f of fields) {
      const row = make('tr');
      row.appendChild(make('td', {class: 'pos'}, f.position ? String(f.position) : ''));
      const label = make('td');
      label.appendChild(make('label', {for: `field-${f.name}`, class: 'name'}, f.name));
      label.appendChild(make('div', {class: 'meaning', lang: 'en'}, f.meaning_en));
      label.appendChild(make('div', {class: 'meaning', lang: 'ja'}, f.meaning_ja));
      if (f.rule_en) label.appendChild(make('div', {class: 'rule'}, f.rule_en));
      row.appendChild(label);
      const cell = make('td');
      const input = make('input', {id: `field-${f.name}`, type: 'text', inputmode: 'decimal',
        spellcheck: 'false', 'data-field': f.name});
      input.addEventListener('input', () => {
        state.values[f.name] = input.value.trim();
        edited(file);
      });
      cell.appendChild(input);
      row.appendChild(cell);
      row.appendChild(make('td', {class: 'unit'}, f.unit || '–'));
      tbody.appendChild(row);
    }
  }

  function buildProfileTable() {
    const tbody = $('profile-rows');
    tbody.textContent = '';
    state.profile.forEach((point, i) => {
      const row = make('tr');
      row.appendChild(make('td', {class: 'pos'}, String(i + 1)));
      for (let k = 0; k < 2; k++) {
        const cell = make('td');
        const input = make('input', {type: 'text', inputmode: 'decimal', spellcheck: 'false',
          'aria-label': `point ${i + 1} ${k === 0 ? 'x' : 'y'} (m)`});
        input.value = point[k];
        input.addEventListener('input', () => { point[k] = input.value.trim(); edited('hitai.csv'); });
        cell.appendChild(input);
        row.appendChild(cell);
      }
      const remove = make('button', {type: 'button', title: 'remove this point / 削除'}, '×');
      remove.addEventListener('click', () => {
        state.profile.splice(i, 1);
        buildProfileTable();
        edited('hitai.csv');
      });
      const cell = make('td');
      cell.appendChild(remove);
      row.appendChild(cell);
      tbody.appendChild(row);
    });
  }

  function buildSliders() {
    const box = $('sliders');
    for (const s of SLIDERS) {
      const f = window.tqweir.tables.inputs.find((x) => x.name === s.field);
      const row = make('div', {class: 'slider'});
      // The summary's short label of the same quantity where there is one.
      const short = window.tqweir.tables.summary.find((x) => x.name === f.name);
      const label = make('label', {for: `slider-${f.name}`, title: `${f.name}: ${f.meaning_en}`});
      label.appendChild(make('span', {class: 'name'}, short ? short.label_en : f.name));
      label.appendChild(make('span', {class: 'ja', lang: 'ja'}, short ? short.label_ja : f.meaning_ja));
      row.appendChild(label);
      const input = make('input', {id: `slider-${f.name}`, type: 'range', min: s.min, max: s.max,
        step: s.step, 'data-field': f.name});
      input.addEventListener('input', () => {
        state.values[f.name] = input.value;
        edited(f.file);
      });
      row.appendChild(input);
      row.appendChild(make('output', {id: `slider-value-${f.name}`}));
      row.appendChild(make('span', {class: 'unit'}, f.unit));
      box.appendChild(row);
    }
  }

  function refreshForm() {
    for (const input of document.querySelectorAll('input[id^="field-"]')) {
      const v = state.values[input.dataset.field];
      if (document.activeElement !== input && input.value !== v) input.value = v;
    }
    for (const s of SLIDERS) {
      const slider = $(`slider-${s.field}`);
      const v = Number(state.values[s.field]);
      if (Number.isFinite(v)) {
        if (v > Number(slider.max)) slider.max = String(Math.ceil(v * 1.5));
        if (document.activeElement !== slider) slider.value = String(v);
      }
      $(`slider-value-${s.field}`).textContent = state.values[s.field];
    }
    for (const file of INPUTS) {
      $(`source-${file}`).textContent = state.bytes[file] ? `${state.bytes[file].length} bytes` : 'missing';
    }
  }

  // ---- solving and showing -------------------------------------------------
  function showMessage(run) {
    const box = $('message');
    const kh = state.values.seismic_coefficient;
    $('seismic-mark').textContent = !run.refused && Number(kh) > 0 ?
      `(地震時 seismic, kh = ${kh})` : '';
    if (run.refused) {
      box.className = 'stopped';
      $('message-ja').textContent = '設計水平震度の値が不正です';
      $('message-en').textContent = run.refused;
      $('exit-status').textContent = 'not solved';
      return;
    }
    const log = run.files['error.csv'];
    const line = log ? new TextDecoder('shift_jis').decode(log).replace(/\r?\n$/, '') : '';
    const known = window.tqweir.tables.messages.find((m) => m.ja === line) ||
      window.tqweir.tables.messages.find((m) => m.key !== 'ok' && m.ja !== '' && line.endsWith(m.ja));
    box.className = run.exitStatus === 0 ? 'ok' : 'stopped';
    $('message-ja').textContent = line || '(no error.csv)';
    $('message-en').textContent = known ? known.en : '';
    $('exit-status').textContent = `exit status ${run.exitStatus}`;
  }

  function showResults(run) {
    const tbody = $('results-rows');
    tbody.textContent = '';
    const printed = run.files['TQSpec.csv'] ? window.tqweir.printedSummary(run.files['TQSpec.csv']) : [];
    window.tqweir.tables.summary.forEach((f, i) => {
      const row = make('tr');
      row.appendChild(make('td', {class: 'pos'}, String(i + 1)));
      const label = make('td');
      label.appendChild(make('span', {lang: 'en'}, f.label_en));
      label.appendChild(make('span', {class: 'ja', lang: 'ja'}, f.label_ja));
      row.appendChild(label);
      row.appendChild(make('td', {class: 'value', 'data-field': f.name},
        printed[i] !== undefined ? printed[i].text : '–'));
      row.appendChild(make('td', {class: 'unit'}, f.unit));
      tbody.appendChild(row);
    });
  }

  // Links to the files as bytes: the run's six outputs, and the case's
  // three inputs as the page holds them (to keep an edited case).
  function showDownloads(run) {
    for (const a of document.querySelectorAll('#downloads a, #case-downloads a')) {
      URL.revokeObjectURL(a.href);
    }
    const fill = (box, names, bytesOf) => {
      box.textContent = '';
      for (const name of names) {
        const bytes = bytesOf(name);
        if (bytes) {
          const link = make('a', {download: name, class: 'file', 'data-file': name}, name);
          link.href = URL.createObjectURL(new Blob([bytes], {type: 'application/octet-stream'}));
          box.appendChild(link);
        } else {
          box.appendChild(make('span', {class: 'file absent', title: 'not written by this run'}, name));
        }
      }
    };
    fill($('downloads'), OUTPUTS, (name) => run.files[name]);
    fill($('case-downloads'), INPUTS, (name) => state.bytes[name]);
  }

  // The section as tqweir-plot draws it, from the run's files; the drawing
  // scales to the panel's width (style.css).
  function showSection(run) {
    const files = Object.assign({'syogen.csv': state.bytes['syogen.csv']}, run.files);
    const mark = $('seismic-mark').textContent;
    const section = window.tqweir.sectionSvg(files,
      {caseName: mark ? `${state.caseName} ${mark}` : state.caseName, idPrefix: 'page-'});
    $('section').innerHTML = section.svg || '';
    $('section-note').textContent = section.note;
  }

  function solveNow() {
    const started = performance.now();
    const run = window.tqweir.solve(state.bytes['syogen.csv'], state.bytes['parameter.csv'],
      state.bytes['hitai.csv'], {seismicCoefficient: state.values.seismic_coefficient});
    const elapsed = performance.now() - started;
    state.lastRun = run;
    showMessage(run);
    showResults(run);
    showDownloads(run);
    const drawStarted = performance.now();
    showSection(run);
    const drawn = performance.now() - drawStarted;
    $('solve-time').textContent = `solved in ${elapsed.toFixed(1)} ms, drawn in ${drawn.toFixed(1)} ms`;
    if (window.tqweirDesk) window.tqweirDesk.caseChanged();
  }

  // ---- loading files -------------------------------------------------------
  async function loadFiles(fileList) {
    const known = [];
    for (const file of fileList) {
      const name = INPUTS.find((n) => n.toLowerCase() === file.name.toLowerCase());
      if (!name) continue;
      setCase(name, new Uint8Array(await file.arrayBuffer()));
      known.push(name);
    }
    if (known.length) state.caseName = 'opened files';
    const design = window.tqweirDesk ? await window.tqweirDesk.takeFiles(fileList) : null;
    if (design && window.tqweirDesk.loadDesign(design)) known.push(...Object.keys(design));
    $('load-note').textContent = known.length ? `loaded ${known.join(', ')}` :
      'no syogen.csv, parameter.csv, hitai.csv, loadcases.csv or criteria.csv among the files';
    buildProfileTable();
    refreshForm();
    solveNow();
  }

  // Opens `files` (syogen.csv, parameter.csv, and hitai.csv when given)
  // in the form as case `name` in an earthquake of kh `seismic` ('' or
  // absent: none), and solves it.
  function openCase(files, name, seismic) {
    for (const file of INPUTS) if (files[file]) setCase(file, files[file]);
    state.values.seismic_coefficient = seismic || '';
    state.caseName = name;
    buildProfileTable();
    refreshForm();
    solveNow();
  }

  window.tqweirPage = {
    openCase,
    openExample: () => openCase(window.TQWEIR_EXAMPLE, 'examples/standard'),
    caseFiles: () => Object.assign({}, state.bytes),
    caseValues: () => Object.assign({}, state.values),
  };

  function start() {
    buildFieldTable(fieldsOf('syogen.csv'), 'syogen.csv', $('syogen-rows'));
    buildFieldTable(fieldsOf('parameter.csv'), 'parameter.csv', $('parameter-rows'));
    buildFieldTable([window.tqweir.tables.seismic], null, $('seismic-rows'));
    buildSliders();
    // A design kept from an earlier visit opens as it was left.
    const kept = window.tqweirDesk ? window.tqweirDesk.stored() : null;
    const example = kept || window.TQWEIR_EXAMPLE;
    for (const file of INPUTS) setCase(file, example[file]);
    state.caseName = kept ? 'kept design' : 'examples/standard';
    if (window.tqweirDesk) {
      window.tqweirDesk.start();
      window.tqweirReportTab.start();
      if (kept) window.tqweirDesk.adoptStored(kept);
    }
    buildProfileTable();
    $('add-point').addEventListener('click', () => {
      const last = state.profile[state.profile.length - 1] || ['0', '0'];
      state.profile.push([String(Number(last[0]) + 1), last[1]]);
      buildProfileTable();
      edited('hitai.csv');
    });
    $('file-picker').addEventListener('change', (e) => loadFiles(e.target.files));
    document.addEventListener('dragover', (e) => { e.preventDefault(); document.body.classList.add('dropping'); });
    document.addEventListener('dragleave', () => document.body.classList.remove('dropping'));
    document.addEventListener('drop', (e) => {
      e.preventDefault();
      document.body.classList.remove('dropping');
      if (window.tqweirDesk) window.tqweirDesk.droppedFiles(e.dataTransfer).then(loadFiles);
      else loadFiles(e.dataTransfer.files);
    });
    refreshForm();
    solveNow();
    document.body.classList.add('ready');
  }

  window.tqweir.ready.then(start, (error) => {
    $('message-ja').textContent = `The calculation could not start: ${error}`;
  });
})();
