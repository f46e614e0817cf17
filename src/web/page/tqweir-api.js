// window.tqweir: the calculation of tqweir, compiled to WebAssembly
// (tqweir-wasm.js), behind a small API.
//
//   await window.tqweir.ready;
//   const run = window.tqweir.solve(syogenText, parameterText, hitaiText);
//   run.exitStatus   // 0 finished, 1 stopped (as the program's exit status)
//   run.files        // {"error.csv": Uint8Array, "suimen.csv": ..., ...}:
//                    // every file the run writes; a file it leaves alone
//                    // is absent
//
// Each text is a string (sent as UTF-8) or a Uint8Array (sent as it is);
// null or undefined stands for a missing file. An optional fourth argument
// {blocked: ["TQSpec.csv"]} names outputs that cannot be written, as when a
// folder stands in their place; {seismicCoefficient: "0.12"} runs the case
// in an earthquake of that kh (empty or 0: as without), and a kh that is
// not one gives {exitStatus: null, files: {}, refused: "why"}. window.tqweir.sectionSvg(files) draws a
// run's section with tqweir-plot's own code. window.tqweir.tables holds the
// core's field and message tables (names, units, meanings in English and
// Japanese).
(function () {
  'use strict';

  const encoder = new TextEncoder();
  let wasm = null;

  function bytesOf(text) {
    if (text === null || text === undefined) return null;
    if (text instanceof Uint8Array) return text;
    return encoder.encode(String(text));
  }

  // A sized block from the module (32-bit little-endian size, then the
  // bytes), copied out and freed.
  function takeBlock(pointer) {
    if (!pointer) throw new Error('tqweir: out of memory');
    const heap = wasm.HEAPU8;
    const size = new DataView(heap.buffer, pointer, 4).getUint32(0, true);
    const bytes = heap.slice(pointer + 4, pointer + 4 + size);
    wasm._free(pointer);
    return bytes;
  }

  function decodeRun(bytes) {
    const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
    const latin1 = new TextDecoder('latin1');
    let at = 0;
    const next = () => { const v = view.getUint32(at, true); at += 4; return v; };
    const exitStatus = next() | 0;
    const count = next();
    const files = {};
    for (let i = 0; i < count; i++) {
      const nameLength = next();
      const name = latin1.decode(bytes.subarray(at, at + nameLength));
      at += nameLength;
      const size = next();
      files[name] = bytes.slice(at, at + size);
      at += size;
    }
    return {exitStatus, files};
  }

  // Calls the module's function `entry` with the arguments `build` makes;
  // `build` receives a function that copies bytes into the module's memory
  // and returns where. The copies are freed after the call, and the result
  // block is taken.
  function call(entry, build) {
    if (!wasm) throw new Error('tqweir is not ready yet: await window.tqweir.ready');
    const owned = [];
    const place = (bytes) => {
      const pointer = wasm._malloc(Math.max(bytes.length, 1));
      if (!pointer) throw new Error('tqweir: out of memory');
      owned.push(pointer);
      wasm.HEAPU8.set(bytes, pointer);
      return pointer;
    };
    try {
      return takeBlock(wasm[entry](...build(place)));
    } finally {
      owned.forEach((pointer) => wasm._free(pointer));
    }
  }

  const cString = (text) => encoder.encode(String(text) + '\0');

  // Named files (name -> text or bytes; null and undefined left out) as
  // one block: the count, then each name and content with its 32-bit size.
  function fileBlock(files) {
    const named = Object.entries(files).filter(([, content]) => content !== null &&
      content !== undefined).map(([name, content]) => [encoder.encode(name), bytesOf(content)]);
    const length = named.reduce((n, [name, content]) => n + 8 + name.length + content.length, 4);
    const block = new Uint8Array(length);
    const view = new DataView(block.buffer);
    let at = 4;
    const put = (bytes) => {
      view.setUint32(at, bytes.length, true);
      block.set(bytes, at + 4);
      at += 4 + bytes.length;
    };
    view.setUint32(0, named.length, true);
    named.forEach(([name, content]) => { put(name); put(content); });
    return block;
  }

  function solve(syogen, parameter, hitai, options) {
    const inputs = [syogen, parameter, hitai].map(bytesOf);
    const blocked = cString(((options && options.blocked) || []).join('/'));
    const kh = options && options.seismicCoefficient;
    const args = (place) => {
      const out = [];
      for (const bytes of inputs) {
        if (bytes === null) out.push(0, -1);
        else out.push(place(bytes), bytes.length);
      }
      return out.concat(place(blocked));
    };
    if (kh === undefined || kh === null || kh === '') return decodeRun(call('_tqweir_solve', args));
    const result = call('_tqweir_solve_seismic', (place) => args(place).concat(place(cString(kh))));
    if (new DataView(result.buffer, result.byteOffset, 4).getUint32(0, true) === 0) {
      return {exitStatus: null, files: {}, refused: new TextDecoder('utf-8').decode(result.subarray(4))};
    }
    return decodeRun(result.subarray(4));
  }

  // The section drawing of tqweir-plot for a run's files (name -> bytes or
  // text, as solve returns them, with the case's syogen.csv added, which
  // the drawing needs when the stopper's foot lies at the hinge). Returns
  // {svg, note}: svg is the <svg> element's text, or null when the run
  // wrote no coordinates or the plot refuses them (a malformed file, a
  // section too large to draw), and then note says why.
  function sectionSvg(files, options) {
    const block = fileBlock(files);
    const result = call('_tqweir_section_svg', (place) => [place(block), block.length,
      place(cString((options && options.caseName) || '')),
      place(cString((options && options.idPrefix) || ''))]);
    const drawn = new DataView(result.buffer, result.byteOffset, 4).getUint32(0, true) === 1;
    const text = new TextDecoder('utf-8').decode(result.subarray(4));
    return drawn ? {svg: text, note: ''} : {svg: null, note: text};
  }

  // TQSpec.csv's fields as the tools read them (bytes or text): an array
  // of {text, value} in file order, empty for a summary that is not the
  // program's one line of numbers.
  function printedSummary(summary) {
    const bytes = bytesOf(summary);
    return JSON.parse(new TextDecoder('utf-8').decode(
      call('_tqweir_printed_summary', (place) => [place(bytes), bytes.length])));
  }

  const api = {solve, sectionSvg, printedSummary, tables: null};
  // For the design desk's calls (desk-api.js).
  api.internal = {call, fileBlock, cString, bytesOf};
  api.ready = createTqweirModule().then((instance) => {
    wasm = instance;
    api.tables = JSON.parse(new TextDecoder('utf-8').decode(takeBlock(wasm._tqweir_field_tables())));
    return api;
  });
  window.tqweir = api;
})();
