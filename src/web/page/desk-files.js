// The design desk's files in the browser: kept in localStorage across a
// reload until cleared, and taken from a drop (a dropped folder's files
// where the browser gives its entries).
(function () {
  'use strict';

  const STORE = 'tqweir-design';
  const MAX_FOLDER_FILES = 1000;
  const encoder = new TextEncoder();

  const asBytes = (v) => (typeof v === 'string' ? encoder.encode(v) : v);

  // One char per byte (a decoder's "latin1" is windows-1252, which would
  // not give the bytes back).
  const byteString = (u8) => {
    let s = '';
    for (let i = 0; i < u8.length; i += 8192) s += String.fromCharCode.apply(null, u8.subarray(i, i + 8192));
    return s;
  };

  // Keeps `files` (name -> text or bytes); returns '' or why they are not kept.
  function keep(files) {
    const kept = {};
    for (const [name, content] of Object.entries(files)) {
      if (content) kept[name] = byteString(asBytes(content));
    }
    try {
      localStorage.setItem(STORE, JSON.stringify(kept));
      return '';
    } catch (e) {
      return e.message;
    }
  }

  // The files kept (name -> bytes), or null.
  function kept() {
    let text = null;
    try { text = localStorage.getItem(STORE); } catch (e) { return null; }
    if (!text) return null;
    const out = {};
    for (const [name, value] of Object.entries(JSON.parse(text))) {
      out[name] = Uint8Array.from(value, (c) => c.charCodeAt(0));
    }
    return out;
  }

  function forget() {
    try { localStorage.removeItem(STORE); } catch (e) { /* storage not offered */ }
  }

  // The files of a drop: a dropped folder stands for the files directly in
  // it; otherwise the files as dropped. The entries are taken at once,
  // while the drop event lasts.
  function droppedFiles(dataTransfer) {
    const entries = [...(dataTransfer.items || [])]
      .map((item) => (item.webkitGetAsEntry ? item.webkitGetAsEntry() : null)).filter(Boolean);
    if (!entries.some((e) => e.isDirectory)) return Promise.resolve(dataTransfer.files);
    const fileOf = (entry) => new Promise((resolve, reject) => entry.file(resolve, reject));
    const childrenOf = async (folder) => {
      const reader = folder.createReader();
      const all = [];
      for (;;) {
        const batch = await new Promise((resolve, reject) => reader.readEntries(resolve, reject));
        if (!batch.length || all.length >= MAX_FOLDER_FILES) return all;
        all.push(...batch);
      }
    };
    return (async () => {
      const files = [];
      for (const entry of entries) {
        const inside = entry.isDirectory ? await childrenOf(entry) : [entry];
        for (const e of inside) if (e.isFile) files.push(await fileOf(e));
      }
      return files;
    })();
  }

  window.tqweirDeskFiles = {asBytes, keep, kept, forget, droppedFiles};
})();
