// The report tab: tqweir-report's page for the design as it stands, made
// by the report's own code in the module, shown in a frame, printable and
// offered as report.html. Remade on every edit while the tab is open, as
// long as making it takes under REMAKE_MS: a design whose report routes a
// flood takes seconds, so an edit then marks the report as old and
// "remake" makes it again.
(function () {
  'use strict';

  const $ = (id) => document.getElementById(id);
  const REMAKE_MS = 1500;
  let link = null;
  let lastMs = 0;

  function show() {
    const started = performance.now();
    $('report-remake').hidden = true;
    const report = window.tqweir.report(window.tqweirDesk.files());
    lastMs = performance.now() - started;
    const note = $('report-message');
    note.textContent = [report.message, window.tqweirDesk.notRead()].filter(Boolean).join(' ');
    // Status 1 with a page: written, some checks not determined (the
    // message names them); refused only when there is no page.
    note.className = report.html !== null ? 'note' : 'refused';
    const frame = $('report-frame');
    if (link) URL.revokeObjectURL(link);
    link = null;
    if (report.html === null) {
      frame.srcdoc = '';
      $('report-download').hidden = true;
      return;
    }
    frame.onload = () => {
      $('report-time').textContent = `report made and shown in ${(performance.now() - started).toFixed(0)} ms`;
      frame.onload = null;
    };
    frame.srcdoc = report.html;
    link = URL.createObjectURL(new Blob([report.html], {type: 'text/html'}));
    $('report-download').href = link;
    $('report-download').hidden = false;
  }

  function open(name) {
    for (const tab of document.querySelectorAll('#desk-tabs button')) {
      const on = tab.dataset.tab === name;
      tab.setAttribute('aria-selected', on ? 'true' : 'false');
      $(`tab-${tab.dataset.tab}`).hidden = !on;
    }
    if (name === 'report') show();
    if (name === 'operation') window.tqweirOperationTab.show();
  }

  function start() {
    for (const tab of document.querySelectorAll('#desk-tabs button')) {
      tab.addEventListener('click', () => open(tab.dataset.tab));
    }
    $('report-print').addEventListener('click', () => $('report-frame').contentWindow.print());
    $('report-remake').addEventListener('click', show);
    window.tqweirDesk.onChange(() => {
      if ($('tab-report').hidden) return;
      if (lastMs < REMAKE_MS) {
        show();
        return;
      }
      $('report-time').textContent = 'the design has changed since: remake / 再作成';
      $('report-remake').hidden = false;
    });
    open('design');
  }

  window.tqweirReportTab = {start, open, show};
})();
