// The report tab: tqweir-report's page for the design as it stands, made
// by the report's own code in the module, shown in a frame, printable and
// offered as report.html. Remade on every edit while the tab is open.
(function () {
  'use strict';

  const $ = (id) => document.getElementById(id);
  let link = null;

  function show() {
    const started = performance.now();
    const report = window.tqweir.report(window.tqweirDesk.files());
    const note = $('report-message');
    note.textContent = report.message;
    note.className = report.exitStatus === 0 ? 'note' : 'refused';
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
    window.tqweirDesk.onChange(() => { if (!$('tab-report').hidden) show(); });
    open('design');
  }

  window.tqweirReportTab = {start, open, show};
})();
