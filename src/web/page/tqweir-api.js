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
// folder stands in their place. window.tqweir.tables holds the core's
// field and message tables (names, units, meanings in English and
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

  function solve(syogen, parameter, hitai, options) {
    if (!wasm) throw new Error('tqweir is not ready yet: await window.tqweir.ready');
    const inputs = [syogen, parameter, hitai].map(bytesOf);
    const blocked = encoder.encode(((options && options.blocked) || []).join('/') + '\0');
    const owned = [];
    const place = (bytes) => {
      const pointer = wasm._malloc(Math.max(bytes.length, 1));
      if (!pointer) throw new Error('tqweir: out of memory');
      owned.push(pointer);
      wasm.HEAPU8.set(bytes, pointer);
      return pointer;
    };
    try {
      const args = [];
      for (const bytes of inputs) {
        if (bytes === null) args.push(0, -1);
        else args.push(place(bytes), bytes.length);
      }
      args.push(place(blocked));
      return decodeRun(takeBlock(wasm._tqweir_solve(...args)));
    } finally {
      owned.forEach((pointer) => wasm._free(pointer));
    }
  }

  const api = {solve, tables: null};
  api.ready = createTqweirModule().then((instance) => {
    wasm = instance;
    api.tables = JSON.parse(new TextDecoder('utf-8').decode(takeBlock(wasm._tqweir_field_tables())));
    return api;
  });
  window.tqweir = api;
})();
