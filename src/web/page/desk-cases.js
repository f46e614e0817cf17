// The design desk's load-case table (loadcases.csv): its rows and columns
// edited in place, each row's run status, and a load case opened in the
// form as the report runs it. The desk (desk.js) holds the state and
// reruns the design on every edit.
(function () {
  'use strict';

  const $ = (id) => document.getElementById(id);

  // `desk`: the desk's state (table, tableBytes, refusal, result, viewing);
  // `make` builds an element, `refresh` reruns the design and shows it.
  function create(desk, {make, refresh}) {
    function tableText(table) {
      const line = (cells) => cells.join(',') + '\r\n';
      return line(['case'].concat(table.fields)) +
        table.rows.map((r) => line([r.name].concat(r.values))).join('');
    }

    function showStatus(result) {
      const rows = document.querySelectorAll('#loadcase-rows tr');
      result.cases.forEach((c, i) => {
        const cell = rows[i] && rows[i].querySelector('.status');
        if (!cell) return;
        cell.textContent = c.converged ? 'finished / 正常終了' : `stopped: ${c.messageJa}`;
        cell.title = c.converged ? '' : c.messageEn;
        if (!c.converged) cell.appendChild(make('div', {class: 'meaning'}, c.messageEn));
        cell.className = `status ${c.converged ? 'ok' : 'stopped'}`;
      });
    }

    function tableEdited() {
      desk.tableBytes = null;
      desk.refusal = '';
      refresh();
    }

    function buildTable() {
      const head = $('loadcase-head');
      const body = $('loadcase-rows');
      head.textContent = '';
      body.textContent = '';
      if (!desk.table) return;
      const t = desk.table;
      const hr = make('tr');
      hr.appendChild(make('th', {}, 'case'));
      t.fields.forEach((name, k) => {
        const th = make('th', {'data-field': name}, name);
        const remove = make('button', {type: 'button', title: `remove the column ${name}`}, '×');
        remove.addEventListener('click', () => {
          t.fields.splice(k, 1);
          t.rows.forEach((r) => r.values.splice(k, 1));
          buildTable();
          tableEdited();
        });
        th.appendChild(remove);
        hr.appendChild(th);
      });
      hr.appendChild(make('th', {}, 'run / 計算'));
      hr.appendChild(make('th'));
      head.appendChild(hr);
      t.rows.forEach((r, i) => {
        const row = make('tr', {'data-case': String(i + 1)});
        const cellInput = (value, label, onInput) => {
          const td = make('td');
          const input = make('input', {type: 'text', spellcheck: 'false', 'aria-label': label});
          input.value = value;
          input.addEventListener('input', () => { onInput(input.value.trim()); tableEdited(); });
          td.appendChild(input);
          row.appendChild(td);
        };
        cellInput(r.name, `name of case ${i + 1}`, (v) => { r.name = v; });
        t.fields.forEach((name, k) => cellInput(r.values[k], `${name} of case ${i + 1}`,
          (v) => { r.values[k] = v; }));
        row.appendChild(make('td', {class: 'status'}));
        const actions = make('td', {class: 'actions'});
        const open = make('button', {type: 'button', class: 'open',
          title: 'open this case in the form / フォームで開く'}, 'open');
        open.addEventListener('click', () => openLoadCase(i));
        const remove = make('button', {type: 'button', title: 'remove this case / 削除'}, '×');
        remove.addEventListener('click', () => { t.rows.splice(i, 1); buildTable(); tableEdited(); });
        actions.append(open, remove);
        row.appendChild(actions);
        body.appendChild(row);
      });
      const add = $('add-column');
      add.textContent = '';
      const choose = make('option', {value: ''}, 'add a column…');
      add.appendChild(choose);
      window.tqweir.tables.inputs.filter((f) => !t.fields.includes(f.name))
        .forEach((f) => add.appendChild(make('option', {value: f.name}, f.name)));
    }

    // Shows load case i in the form (its drawing and results) as the report
    // runs it; the design keeps its base case until "back".
    function openLoadCase(i) {
      const c = desk.result && desk.result.ok && desk.result.cases[i];
      if (!c) return;
      if (!desk.viewing) {
        desk.viewing = {base: window.tqweirPage.caseFiles(),
          seismic: window.tqweirPage.caseValues().seismic_coefficient};
      }
      desk.viewing.name = c.name;
      $('desk-viewing').hidden = false;
      $('desk-viewing-name').textContent = c.name;
      window.tqweirPage.openCase({'syogen.csv': c.syogen, 'parameter.csv': c.parameter,
        'hitai.csv': desk.viewing.base['hitai.csv']}, `load case ${c.name}`, c.seismic);
    }

    function stopViewing(reopen) {
      const viewing = desk.viewing;
      desk.viewing = null;
      $('desk-viewing').hidden = true;
      if (viewing && reopen) window.tqweirPage.openCase(viewing.base, 'base case', viewing.seismic);
    }

    function addColumn(name) {
      const t = desk.table;
      const base = window.tqweirPage.caseValues();
      t.fields.push(name);
      t.rows.forEach((r) => r.values.push(base[name] || ''));
      buildTable();
      tableEdited();
    }

    function addRow() {
      if (!desk.table) desk.table = {fields: ['upstream_level'], rows: []};
      const t = desk.table;
      const base = window.tqweirPage.caseValues();
      const last = t.rows[t.rows.length - 1];
      t.rows.push({name: `case ${t.rows.length + 1}`,
        values: last ? last.values.slice() : t.fields.map((f) => base[f] || '')});
      buildTable();
      tableEdited();
    }

    return {tableText, showStatus, buildTable, addRow, addColumn, stopViewing};
  }

  window.tqweirDeskCases = {create};
})();
