// The design's files of rows "name,value": criteria.csv and operation.csv,
// the rows each form offers and the text written for them, as
// tqweir-report and tqweir-operate read them (the module reads them back:
// `key` is the design's JSON member, design_desk.cc).
(function () {
  'use strict';

  // The rows criteria.csv's form offers, in the order written. Rows the
  // report learns later belong here and in criteria_json (design_desk.cc);
  // the report tab shows their sections as soon as the report's code draws them.
  const CRITERIA = [
    {key: 'title', en: 'title', ja: '表題'},
    {key: 'project', en: 'project', ja: '工事名'},
    {key: 'prepared_by', en: 'prepared by', ja: '作成'},
    {key: 'date', en: 'date', ja: '日付', hint: 'empty: today'},
    {key: 'membrane_strength', en: 'membrane strength', ja: '膜材引張強度', unit: 'kN/m'},
    {key: 'membrane_safety_factor', en: 'membrane safety factor', ja: '安全率', unit: '-'},
    {key: 'stopper_capacity', en: 'stopper capacity', ja: 'ストッパー耐力', unit: 'kN'},
    {key: 'max_bag_pressure', en: 'max bag pressure', ja: '許容内圧', unit: 'kPa'},
    {key: 'floor_anchor_capacity', en: 'floor anchor capacity', ja: '床版アンカー耐力', unit: 'kN/m'},
    {key: 'max_lowering_time', en: 'max lowering time', ja: '許容倒伏時間', unit: 'min'},
    {key: 'max_raising_time', en: 'max raising time', ja: '許容起立時間', unit: 'min'},
    // The report's searches, shown in its tab: the limit states over one
    // load variable, and the sealed bag's operating curve.
    {key: 'limit_variable', en: 'limit-state variable', ja: '限界状態の変数', hint: 'e.g. upstream_level'},
    {key: 'limit_range', en: 'limit-state range', ja: '限界状態の範囲', hint: 'LO:HI'},
    {key: 'sealed_range', en: 'sealed curve levels', ja: '密閉時の上流水位', hint: 'FROM:TO:STEP'},
  ];

  // operation.csv: the exhaust for lowering, the blower for raising (whole
  // gate, free air), and the angle the leaf goes down to.
  const OPERATION = [
    {key: 'valve_area', en: 'exhaust valve area', ja: '排気弁面積', unit: 'm²', hint: 'for lowering'},
    {key: 'valve_coefficient', en: 'valve discharge coefficient', ja: '流量係数', unit: '-', hint: 'Cd'},
    {key: 'blower_curve', en: 'blower curve', ja: 'ブロワ特性', unit: 'kPa:m³/min',
      hint: 'e.g. 0:1.5 100:1.4 300:0'},
    {key: 'lowered_angle', en: 'lowered angle', ja: '倒伏角度', unit: '°', hint: 'at least 1'},
  ];

  const forms = {
    criteria: {key: 'criteria', file: 'criteria.csv', rows: CRITERIA, prefix: 'criterion',
      body: 'criteria-rows', add: 'new-criteria'},
    operation: {key: 'operation', file: 'operation.csv', rows: OPERATION, prefix: 'operation',
      body: 'operation-rows', add: 'new-operation'},
  };

  // The rows of a loaded file that the form does not offer (operation.csv's
  // pond and flood rule, criteria.csv's flood rows), each line as it was,
  // so that an edit of the form keeps them.
  function otherRows(form, fileText) {
    const offered = new Set(form.rows.map((c) => c.key));
    return fileText.split(/\r?\n/).filter((line, i) => {
      const name = line.split(',')[0].trim();
      return name !== '' && !(i === 0 && name === 'name') && !offered.has(name);
    });
  }

  // The file's text: a header row, then each row given, in the form's order,
  // then `others` (otherRows) unchanged (CR LF).
  function text(form, values, others) {
    return 'name,value\r\n' + form.rows.filter((c) => (values[c.key] || '') !== '')
      .map((c) => `${c.key},${values[c.key]}\r\n`).join('') +
      (others || []).map((line) => `${line}\r\n`).join('');
  }

  window.tqweirDeskForms = {forms, text, otherRows};
})();
