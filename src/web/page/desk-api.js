// window.tqweir for a design: tqweir-report's checks and report,
// tqweir-seek's search and tqweir-operate's lowering and raising, the
// tools' own code in the module (desk_api.cc).
//
//   window.tqweir.design(files)    // {ok, fields, cases, criteria, checksHtml}
//                                  // or {ok: false, message}
//   window.tqweir.report(files, {date: 'YYYY-MM-DD'})
//                                  // {exitStatus, html, message}
//   window.tqweir.seek({syogen, parameter, hitai}, {vary, lo, hi, until, value})
//                                  // what tqweir-seek prints, as an object
//   window.tqweir.operate(files, ['--lower', '--case', NAME])
//                                  // {exitStatus, stdout, message, files}
//   window.tqweir.floodView(files, 'design_flood.csv')
//                                  // {withPower, withoutPower, sectionPage}
//   window.tqweir.operationSection(files)
//                                  // {made, page (or message)}
//
// `files` is {name: text or bytes} for a design folder's files
// (syogen.csv, parameter.csv, hitai.csv, loadcases.csv, criteria.csv,
// operation.csv).
(function () {
  'use strict';

  const api = window.tqweir;
  const utf8 = new TextDecoder('utf-8');

  // The folder a design or case is named as in what the tools print.
  const FOLDER = 'design';

  function design(files) {
    const {call, fileBlock, cString} = api.internal;
    const block = fileBlock(files);
    return JSON.parse(utf8.decode(call('_tqweir_design', (place) => [place(block), block.length,
      place(cString(FOLDER))])));
  }

  // Runs `tool` with `args` (one per entry; "{dir}" is the folder of
  // `files`, "{out}" an empty folder whose files come back).
  function runTool(tool, files, args, today, folder) {
    const {call, fileBlock, cString} = api.internal;
    const block = fileBlock(files);
    const bytes = call('_tqweir_tool', (place) => [place(cString(tool)), place(block), block.length,
      place(cString(folder || FOLDER)), place(cString(args.join('\n'))), place(cString(today || ''))]);
    const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
    let at = 0;
    const next = () => { const v = view.getUint32(at, true); at += 4; return v; };
    const take = () => { const n = next(); const b = bytes.subarray(at, at + n); at += n; return b; };
    const exitStatus = next() | 0;
    const out = utf8.decode(take());
    const err = utf8.decode(take());
    const outputs = {};
    for (let count = next(); count > 0; count--) {
      const name = utf8.decode(take());
      outputs[name] = take().slice();
    }
    return {exitStatus, out, err, files: outputs};
  }

  // Today in the browser's time zone, as the command writes it.
  function today() {
    const d = new Date();
    const two = (n) => String(n).padStart(2, '0');
    return `${d.getFullYear()}-${two(d.getMonth() + 1)}-${two(d.getDate())}`;
  }

  // tqweir-report on the design, as `tqweir-report FOLDER -o ...` beside a
  // folder named options.folder (default "design"): exitStatus as the
  // command's (0 written, 1 written with a check not determined, 2
  // refused), html the report's text (null unless
  // written), message what the command says (its note and closing line, or
  // why it refuses).
  function report(files, options) {
    const date = (options && options.date) || today();
    const run = runTool('tqweir-report', files, ['{dir}', '-o', '{out}/report.html'], date,
      options && options.folder);
    const html = run.files['report.html'] ? utf8.decode(run.files['report.html']) : null;
    return {exitStatus: run.exitStatus, html, message: (run.err || run.out).trim()};
  }

  // The printed lines of tqweir-seek taken apart: the value found, the
  // result reached, the bracket, the solves, and the other crossings.
  function readSeekPrint(text) {
    const lines = text.split('\n').filter((l) => l !== '');
    const found = {summary: lines[0] || '', others: []};
    for (const line of lines.slice(1)) {
      let m;
      if ((m = /^ {2}value found: (\S+) = (\S+)$/.exec(line))) {
        found.field = m[1];
        found.value = m[2];
      } else if ((m = /^ {2}result reached: .* = (\S+) unrounded; (\S+) (\S+) as printed/.exec(line))) {
        found.reached = {unrounded: m[1], column: m[2], printed: m[3]};
      } else if ((m = /^ {2}bracket: (.*)$/.exec(line))) {
        found.bracket = m[1];
      } else if ((m = /^ {2}solves: (\d+)/.exec(line))) {
        found.solves = Number(m[1]);
      } else if (/^ {2}(crossing|boundary) \d+:/.test(line)) {
        found.others.push(line.trim());
      } else if ((m = /^ {2}closest reached: (\S+) at (\S+) = (\S+)$/.exec(line))) {
        found.closest = {reached: m[1], field: m[2], value: m[3]};
      }
    }
    return found;
  }

  // tqweir-seek CASE --vary VARY=LO:HI --until UNTIL[=VALUE]. `inputs` has
  // syogen, parameter, hitai (text or bytes) and, for a criterion, criteria
  // and loadcases; `options` vary, lo, hi, until (a result's column, a
  // criterion, or "stop"), value (the result's target), and optionally
  // caseName, pick, tol, scan. Returns {exitStatus, output (the printed
  // text), message (stderr), found (exitStatus 0), field, value, reached,
  // bracket, solves, others, closest, files (the case found: its three
  // inputs and tqweir's files for them)}.
  function seek(inputs, options) {
    const files = {'syogen.csv': inputs.syogen, 'parameter.csv': inputs.parameter,
      'hitai.csv': inputs.hitai, 'criteria.csv': inputs.criteria, 'loadcases.csv': inputs.loadcases};
    const until = options.value === undefined || options.value === null || options.value === ''
      ? String(options.until) : `${options.until}=${options.value}`;
    const args = ['{dir}', '--vary', `${options.vary}=${options.lo}:${options.hi}`, '--until', until,
      '-o', '{out}'];
    if (options.caseName !== undefined) args.push('--case', String(options.caseName));
    for (const key of ['pick', 'tol', 'scan']) {
      if (options[key] !== undefined) args.push(`--${key}`, String(options[key]));
    }
    const run = runTool('tqweir-seek', files, args, '');
    const output = run.out.split('\n').filter((l) => !/^ {2}written: /.test(l)).join('\n');
    return Object.assign({exitStatus: run.exitStatus, output, message: run.err.trim(),
      found: run.exitStatus === 0, files: run.files}, readSeekPrint(output));
  }

  // tqweir-operate DESIGN_DIR ARGS... beside a folder named options.folder
  // (default "design"), `args` as the command takes them after the folder;
  // the name after -o is a file of the returned `files`, and the printout
  // names it as the command run with that name does. Returns {exitStatus
  // (0 the whole way, 1 not, 2 refused), stdout (the printout as the
  // command prints it), message (what it says on stderr), files}.
  function operate(files, args, options) {
    const words = ['{dir}'].concat(args.map((a, i) => (i > 0 && args[i - 1] === '-o' ? `{out}/${a}` : a)));
    const run = runTool('tqweir-operate', files, words, '', options && options.folder);
    return {exitStatus: run.exitStatus, stdout: run.out, message: run.err.trim(), files: run.files};
  }

  // The flood view: tqweir-operate DESIGN --flood DESIGN/INFLOW with power
  // and with --power-failure, and the report's page with its flood section
  // alone, all from one route each way in the module (desk_api.cc's
  // tqweir_flood_view). `inflow` names the hydrograph among `files`.
  // Returns {withPower, withoutPower: {exitStatus, stdout, message} as
  // operate's, sectionPage: '' when refused}.
  function floodView(files, inflow, options) {
    const {call, fileBlock, cString} = api.internal;
    const block = fileBlock(files);
    const bytes = call('_tqweir_flood_view', (place) => [place(block), block.length,
      place(cString((options && options.folder) || FOLDER)), place(cString(inflow))]);
    const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
    let at = 0;
    const next = () => { const v = view.getUint32(at, true); at += 4; return v; };
    const text = () => { const n = next(); const t = utf8.decode(bytes.subarray(at, at + n)); at += n; return t; };
    const printout = () => {
      const exitStatus = next() | 0;
      const stdout = text();
      return {exitStatus, stdout, message: text().trim()};
    };
    const withPower = printout();
    const withoutPower = printout();
    return {withPower, withoutPower, sectionPage: text()};
  }

  // The report's page with its operation section alone, numbered as in the
  // whole report (desk_api.cc's tqweir_operation_section): {made: true,
  // page} or {made: false, message: what tqweir-report says refusing it}.
  function operationSection(files, options) {
    const {call, fileBlock, cString} = api.internal;
    const block = fileBlock(files);
    const bytes = call('_tqweir_operation_section', (place) => [place(block), block.length,
      place(cString((options && options.folder) || FOLDER))]);
    const made = new DataView(bytes.buffer, bytes.byteOffset, 4).getUint32(0, true) === 1;
    const text = utf8.decode(bytes.subarray(8));
    return made ? {made, page: text} : {made, message: text};
  }

  Object.assign(api, {design, report, seek, operate, floodView, operationSection});
})();
