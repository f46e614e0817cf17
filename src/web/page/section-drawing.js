// The cross-section drawn as SVG from a run's coordinate files: metres at
// true scale, y upward, the hinge at the origin.
(function () {
  'use strict';

  const SVG = 'http://www.w3.org/2000/svg';

  // Rows of numbers from a CSV text ("x,y\r\n" ...).
  function numberRows(text) {
    return text.split(/\r?\n/)
      .map((line) => line.split(',').map((cell) => Number(cell.trim())))
      .filter((row) => row.length >= 2 && row.every((v) => Number.isFinite(v)));
  }

  function element(name, attributes, parent) {
    const e = document.createElementNS(SVG, name);
    for (const [k, v] of Object.entries(attributes)) e.setAttribute(k, v);
    if (parent) parent.appendChild(e);
    return e;
  }

  // A tick step of 1, 2 or 5 times a power of ten giving about six ticks.
  function tickStep(span) {
    const raw = span / 6;
    const power = Math.pow(10, Math.floor(Math.log10(raw)));
    for (const m of [1, 2, 5]) if (m * power >= raw) return m * power;
    return 10 * power;
  }

  // Draws into `svg` the section of `texts` ({gate, stopper, balloon,
  // surface}: file texts, each may be missing) with the downstream water
  // level `downstream` (m, or NaN). Returns false when there is nothing to
  // draw.
  function drawSection(svg, texts, downstream) {
    while (svg.firstChild) svg.removeChild(svg.firstChild);
    const gate = texts.gate ? numberRows(texts.gate) : [];
    const stopper = texts.stopper ? numberRows(texts.stopper) : [];
    const balloon = texts.balloon ? numberRows(texts.balloon) : [];
    const surface = texts.surface ? numberRows(texts.surface) : [];
    const points = [[0, 0]].concat(gate, stopper, balloon,
      surface.map((r) => [r[0], r[1]]), surface.map((r) => [r[0], r[3]]));
    if (gate.length < 2) return false;
    let xMin = Math.min(...points.map((p) => p[0]));
    let xMax = Math.max(...points.map((p) => p[0]));
    let yMin = Math.min(...points.map((p) => p[1]));
    let yMax = Math.max(...points.map((p) => p[1]));
    if (Number.isFinite(downstream)) {
      yMin = Math.min(yMin, downstream);
      yMax = Math.max(yMax, downstream);
    }
    const pad = 0.08 * Math.max(xMax - xMin, yMax - yMin, 0.1);
    xMin -= pad; xMax += pad; yMin -= pad; yMax += pad;
    const width = xMax - xMin;
    const height = yMax - yMin;
    svg.setAttribute('viewBox', `${xMin} ${-yMax} ${width} ${height}`);
    const unit = Math.max(width, height) / 400;  // one screen pixel, about
    const xy = (p) => `${p[0]},${-p[1]}`;
    const path = (rows) => rows.map(xy).join(' ');

    // Grid and axis labels in metres.
    const step = tickStep(Math.max(width, height));
    const grid = element('g', {class: 'grid', 'stroke-width': unit}, svg);
    for (let x = Math.ceil(xMin / step) * step; x <= xMax; x += step) {
      element('line', {x1: x, y1: -yMax, x2: x, y2: -yMin}, grid);
      element('text', {x: x + unit * 3, y: -yMin - unit * 4, 'font-size': unit * 11}, grid)
        .textContent = `${+x.toFixed(6)} m`;
    }
    for (let y = Math.ceil(yMin / step) * step; y <= yMax; y += step) {
      element('line', {x1: xMin, y1: -y, x2: xMax, y2: -y}, grid);
      element('text', {x: xMin + unit * 3, y: -y - unit * 3, 'font-size': unit * 11}, grid)
        .textContent = `${+y.toFixed(6)} m`;
    }

    // The floor: through the hinge and the floor point, across the picture.
    const foot = gate[0];
    const slope = foot[0] !== 0 ? foot[1] / foot[0] : 0;
    element('line', {class: 'floor', x1: xMin, y1: -slope * xMin, x2: xMax, y2: -slope * xMax,
      'stroke-width': unit * 3}, svg);
    if (Number.isFinite(downstream)) {
      element('line', {class: 'downstream', x1: xMin, y1: -downstream, x2: xMax, y2: -downstream,
        'stroke-width': unit * 2, 'stroke-dasharray': `${unit * 8} ${unit * 5}`}, svg);
    }
    if (surface.length >= 2) {
      const water = surface.map((r) => [r[0], r[1]])
        .concat(surface.map((r) => [r[0], r[3]]).reverse());
      element('polygon', {class: 'water', points: path(water)}, svg);
      element('polyline', {class: 'surface', points: path(surface.map((r) => [r[0], r[1]])),
        'stroke-width': unit * 2}, svg);
    }
    if (balloon.length >= 3) {
      element('polygon', {class: 'bag', points: path(balloon), 'stroke-width': unit * 2}, svg);
    }
    element('polyline', {class: 'leaf', points: path(gate.slice(1)), 'stroke-width': unit * 5}, svg);
    if (stopper.length >= 2) {
      element('polyline', {class: 'stopper', points: path(stopper), 'stroke-width': unit * 3}, svg);
    }
    element('circle', {class: 'hinge', cx: 0, cy: 0, r: unit * 5}, svg);
    return true;
  }

  window.tqweirDrawSection = drawSection;
})();
