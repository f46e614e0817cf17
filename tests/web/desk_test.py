"""The design desk of the page (called by browser_test.py): a design
folder loaded by the file picker and by drop, the load-case table and the
criteria edited with the checks following, the checks and the report
against tqweir-report's for the same files, the kept design across a
reload, a refused loadcases.csv, and "solve for" against tqweir-seek.
"""

import base64
import html.parser
import os
import shutil
import statistics
import subprocess
import tempfile
import time

from selenium.webdriver.common.by import By

DESIGN_FILES = ('syogen.csv', 'parameter.csv', 'hitai.csv', 'loadcases.csv', 'criteria.csv')
REPORT_DATE = '2024-06-01'
REPORT_EPOCH = '1717200000'  # 2024-06-01 00:00 UTC
# The targets, printed; as for the solve, a test fails only far above
# them (a machine too loaded to judge).
EDIT_MS_TARGET, REPORT_MS_TARGET, SEEK_MS_TARGET = 150.0, 1000.0, 2000.0
FAR_ABOVE = 4.0

# Drops files (name -> base64) onto the page at once.
DROP_FILES_JS = """
const [files] = arguments;
const data = new DataTransfer();
for (const [name, b64] of Object.entries(files))
  data.items.add(new File([Uint8Array.from(atob(b64), (c) => c.charCodeAt(0))], name));
document.dispatchEvent(new DragEvent('drop', {dataTransfer: data, bubbles: true, cancelable: true}));
"""

# The design's files as the desk holds them, in base64.
DESK_FILES_JS = """
const base64 = (u8) => { let s = ''; for (let i = 0; i < u8.length; i += 8192)
  s += String.fromCharCode.apply(null, u8.subarray(i, i + 8192)); return btoa(s); };
const out = {};
for (const [name, c] of Object.entries(window.tqweirDesk.files()))
  out[name] = base64(typeof c === 'string' ? new TextEncoder().encode(c) : c);
return out;
"""

# The report of files (name -> base64) for a date.
REPORT_JS = """
const [files, date] = arguments;
const bytes = {};
for (const [n, b64] of Object.entries(files)) bytes[n] = Uint8Array.from(atob(b64), (c) => c.charCodeAt(0));
return window.tqweir.report(bytes, {date});
"""

# 20 edits of the first case's first value, each with the checks updated
# (synchronous: the input event runs the design); the times in ms.
EDIT_TIMING_JS = """
const input = document.querySelector('#loadcase-rows tr input[aria-label="upstream_level of case 1"]');
const kept = input.value;
const times = [];
for (let i = 0; i < 20; i++) {
  const t0 = performance.now();
  input.value = (Number(kept) + 0.01 * (i + 1)).toFixed(2);
  input.dispatchEvent(new Event('input'));
  document.getElementById('desk-checks').getBoundingClientRect();
  times.push(performance.now() - t0);
}
input.value = kept;
input.dispatchEvent(new Event('input'));
return times;
"""

# The report tab opened 20 times: made in the module and loaded in its frame.
REPORT_TIMING_JS = """
const done = arguments[arguments.length - 1];
const frame = document.getElementById('report-frame');
const times = [];
const once = () => {
  const t0 = performance.now();
  frame.addEventListener('load', () => {
    times.push(performance.now() - t0);
    if (times.length < 20) setTimeout(once, 0); else done(times);
  }, {once: true});
  window.tqweirReportTab.show();
};
window.tqweirReportTab.open('design');
document.querySelector('#desk-tabs button[data-tab=report]').click();
setTimeout(once, 0);
"""


class CellTexts(html.parser.HTMLParser):
    """The text of every <td> inside <section id="checks">."""

    def __init__(self):
        super().__init__()
        self.depth = 0
        self.cells = []
        self.cell = None

    def handle_starttag(self, tag, attrs):
        if tag == 'section' and ('id', 'checks') in attrs:
            self.depth = 1
        elif tag == 'section' and self.depth:
            self.depth += 1
        elif tag == 'td' and self.depth:
            self.cell = ''

    def handle_endtag(self, tag):
        if tag == 'section' and self.depth:
            self.depth -= 1
        elif tag == 'td' and self.cell is not None:
            self.cells.append(' '.join(self.cell.split()))
            self.cell = None

    def handle_data(self, data):
        if self.cell is not None:
            self.cell += data


def checks_cells(report_html):
    parser = CellTexts()
    parser.feed(report_html)
    return parser.cells


def page_checks_cells(driver):
    return [' '.join(td.get_attribute('textContent').split())
            for td in driver.find_elements(By.CSS_SELECTOR, '#desk-checks td')]


def run_tool(command, files, args, env=None):
    """Runs `command` on a folder 'design' holding `files` (name -> bytes)."""
    parent = tempfile.mkdtemp(prefix='tqweir-desk-')
    try:
        folder = os.path.join(parent, 'design')
        os.mkdir(folder)
        for name, content in files.items():
            with open(os.path.join(folder, name), 'wb') as f:
                f.write(content)
        done = subprocess.run([command, 'design'] + args, cwd=parent, capture_output=True,
                              env=dict(os.environ, **(env or {})))
        written = {}
        for name in os.listdir(folder):
            if name not in files:
                with open(os.path.join(folder, name), 'rb') as f:
                    written[name] = f.read()
        return done, written
    finally:
        shutil.rmtree(parent)


def same_report(got, want, what):
    """True when the page's report `got` is the command's `want`, byte for
    byte (the self-check section included: its lengths avoid std::hypot,
    whose last bit differs between C libraries)."""
    if got is None or not want:
        return False
    if got != want:
        for number, (a, b) in enumerate(zip(got.splitlines(), want.splitlines()), 1):
            if a != b:
                print('%s: line %d differs from the command\'s:\n  %s\n  %s' % (what, number, a[:200], b[:200]))
                break
    return got == want


def desk_files(driver):
    return {n: base64.b64decode(b) for n, b in driver.execute_script(DESK_FILES_JS).items()}


def wait_for(driver, condition, what):
    for _ in range(100):
        if condition():
            return True
        time.sleep(0.05)
    return False


def load_rows(driver):
    return driver.find_elements(By.CSS_SELECTOR, '#loadcase-rows tr')


def check_against_report(checks, driver, report, what):
    """The page's checks are the checks section of tqweir-report's HTML for
    the files the desk offers."""
    if not report:
        return
    done, written = run_tool(report, desk_files(driver), [], {'SOURCE_DATE_EPOCH': REPORT_EPOCH})
    want = checks_cells(written.get('report.html', b'').decode('utf-8'))
    got = page_checks_cells(driver)
    # 1: written, a case that stops leaving its checks not determined.
    checks.check(done.returncode in (0, 1) and want and got == want,
                 '%s: the page\'s checks differ from tqweir-report\'s (%d cells, %d)'
                 % (what, len(got), len(want)))


def check_design_load(checks, driver, design_dir, report):
    picker = driver.find_element(By.ID, 'file-picker')
    picker.send_keys('\n'.join(os.path.abspath(os.path.join(design_dir, n)) for n in DESIGN_FILES))
    wait_for(driver, lambda: len(load_rows(driver)) == 4, 'rows')
    checks.check(len(load_rows(driver)) == 4, 'design by file picker: %d load cases shown'
                 % len(load_rows(driver)))
    checks.check(bool(page_checks_cells(driver)), 'design by file picker: no checks shown')
    # The stopped case: the message as error.csv has it (Japanese), its
    # English meaning beneath.
    status = load_rows(driver)[2].find_element(By.CSS_SELECTOR, '.status')
    meaning = status.find_element(By.CSS_SELECTOR, '.meaning').text
    message = status.text.replace(meaning, '').strip()
    checks.check('stopped' in status.get_attribute('class') and
                 message == 'stopped: TB < 0 袋体張力が不適切です' and meaning.startswith('The bag tension'),
                 'design by file picker: the stopped case shows %r' % status.text)
    check_against_report(checks, driver, report, 'design by file picker')
    load_rows(driver)[1].find_element(By.CSS_SELECTOR, 'button.open').click()
    opened = [driver.find_element(By.ID, 'field-' + f).get_attribute('value')
              for f in ('upstream_level', 'overflow_mode')]
    checks.check(opened == ['3.5', '3'], 'open load case 2: the form shows %s' % opened)
    given_base = {n: open(os.path.join(design_dir, n), 'rb').read() for n in DESIGN_FILES[:3]}
    checks.check({n: desk_files(driver)[n] for n in DESIGN_FILES[:3]} == given_base,
                 'open load case 2: the design\'s base case changed')
    driver.find_element(By.ID, 'desk-back').click()
    back = driver.find_element(By.ID, 'field-upstream_level').get_attribute('value')
    checks.check(back == '2.5', 'back to the base case: upstream_level %r' % back)
    given = {n: open(os.path.join(design_dir, n), 'rb').read() for n in DESIGN_FILES}
    checks.check(desk_files(driver) == given, 'design by file picker: the downloads are not the files')
    if report:
        done, written = run_tool(report, given, [], {'SOURCE_DATE_EPOCH': REPORT_EPOCH})
        got = driver.execute_script(REPORT_JS, {n: base64.b64encode(b).decode()
                                                for n, b in given.items()}, REPORT_DATE)
        checks.check(got['exitStatus'] == done.returncode in (0, 1) and
                     same_report(got['html'], written.get('report.html', b'').decode('utf-8'),
                                 'window.tqweir.report'),
                     'window.tqweir.report: not tqweir-report\'s HTML for the same files and date')


def csv_rows(data):
    return [line.split(',') for line in data.decode('utf-8').replace('\r\n', '\n').split('\n') if line]


def check_edits(checks, driver, report, design_dir):
    given = {n: open(os.path.join(design_dir, n), 'rb').read() for n in DESIGN_FILES}
    before = page_checks_cells(driver)
    first = driver.find_element(By.CSS_SELECTOR, '#loadcase-rows tr input[aria-label="upstream_level of case 1"]')
    first.clear()
    first.send_keys('3.2')
    checks.check(page_checks_cells(driver) != before, 'edited load case: checks unchanged')
    want = csv_rows(given['loadcases.csv'])
    want[1][1] = '3.2'
    checks.check(csv_rows(desk_files(driver)['loadcases.csv']) == want,
                 'edited load case: loadcases.csv offered is not the table as edited')
    check_against_report(checks, driver, report, 'edited load case')
    stopper = driver.find_element(By.ID, 'criterion-stopper_capacity')
    had_ng = len(driver.find_elements(By.CSS_SELECTOR, '#desk-checks tr[data-criterion=stopper] td.ng'))
    stopper.clear()
    stopper.send_keys('0.5')
    now_ng = len(driver.find_elements(By.CSS_SELECTOR, '#desk-checks tr[data-criterion=stopper] td.ng'))
    checks.check(now_ng > had_ng, 'stopper capacity 0.5: no stopper check turned NG (%d, then %d)'
                 % (had_ng, now_ng))
    check_against_report(checks, driver, report, 'criterion edited')
    want = dict(r for r in csv_rows(given['criteria.csv']) if r[0] != 'name')
    want['stopper_capacity'] = '0.5'
    got = csv_rows(desk_files(driver)['criteria.csv'])
    checks.check(got[0] == ['name', 'value'] and dict(got[1:]) == want,
                 'criterion edited: criteria.csv offered is not the criteria as edited')
    driver.find_element(By.ID, 'add-case').click()
    checks.check(len(load_rows(driver)) == 5, 'add a case: %d rows' % len(load_rows(driver)))
    times = driver.execute_script(EDIT_TIMING_JS)
    median = statistics.median(times)
    print('edit of a 5-case design with its checks: median %.1f ms (min %.1f, max %.1f, 20 edits;'
          ' target %.0f ms)' % (median, min(times), max(times), EDIT_MS_TARGET))
    checks.check(median < EDIT_MS_TARGET * FAR_ABOVE, 'edit of a 5-case design: median %.1f ms' % median)
    times = driver.execute_async_script(REPORT_TIMING_JS)
    median = statistics.median(times)
    print('report tab of a 5-case design: median %.1f ms (min %.1f, max %.1f, 20 openings;'
          ' target %.0f ms)' % (median, min(times), max(times), REPORT_MS_TARGET))
    checks.check(median < REPORT_MS_TARGET * FAR_ABOVE, 'report tab: median %.1f ms' % median)
    checks.check(driver.execute_script(
        "return document.getElementById('report-frame').srcdoc === "
        "window.tqweir.report(window.tqweirDesk.files()).html"),
        'report tab: the frame does not hold the report of the design as it stands')
    if report:
        done, written = run_tool(report, desk_files(driver), [], {'SOURCE_DATE_EPOCH': REPORT_EPOCH})
        got = driver.execute_script(REPORT_JS, {n: base64.b64encode(b).decode() for n, b in
                                                desk_files(driver).items()}, REPORT_DATE)
        checks.check(same_report(got['html'], written.get('report.html', b'').decode('utf-8'),
                                 'edited design'),
                     'edited design: the report differs from tqweir-report\'s')
    driver.find_element(By.CSS_SELECTOR, '#desk-tabs button[data-tab=design]').click()


def check_reload(checks, driver, reopen):
    before = desk_files(driver)
    reopen()
    checks.check(desk_files(driver) == before and len(load_rows(driver)) == 5,
                 'reload: the design was not kept')


def check_refused(checks, driver, report):
    before = desk_files(driver)
    bad = before['loadcases.csv'].replace(b'\r\n', b'\n').split(b'\n')
    cells = bad[2].split(b',')
    cells[2] = b'two'
    bad[2] = b','.join(cells)
    bad_text = b'\n'.join(bad)
    driver.execute_script(DROP_FILES_JS, {'loadcases.csv': base64.b64encode(bad_text).decode()})
    wait_for(driver, lambda: 'refused' in driver.find_element(By.ID, 'desk-message').text, 'refused')
    shown = driver.find_element(By.ID, 'desk-message').text
    want = ''
    if report:
        done, _ = run_tool(report, dict(before, **{'loadcases.csv': bad_text}), [])
        want = done.stderr.decode('utf-8').splitlines()[0].replace('tqweir-report: ', '', 1)
    checks.check('line 3' in shown and 'column 3' in shown and (not report or want in shown),
                 'bad loadcases.csv: message %r, the command says %r' % (shown, want))
    checks.check(desk_files(driver) == before, 'bad loadcases.csv: the design did not stay')


def check_drop(checks, driver, design_dir):
    driver.find_element(By.ID, 'clear-design').click()
    checks.check(not load_rows(driver), 'clear: load cases still shown')
    files = {n: base64.b64encode(open(os.path.join(design_dir, n), 'rb').read()).decode()
             for n in DESIGN_FILES}
    driver.execute_script(DROP_FILES_JS, files)
    wait_for(driver, lambda: len(load_rows(driver)) == 4, 'rows')
    checks.check(len(load_rows(driver)) == 4 and page_checks_cells(driver),
                 'design dropped: %d load cases' % len(load_rows(driver)))


def check_seek(checks, driver, seek, examples):
    case = os.path.join(examples, 'standard')
    given = {n: open(os.path.join(case, n), 'rb').read() for n in ('syogen.csv', 'parameter.csv',
                                                                   'hitai.csv')}
    args = ['--vary', 'upstream_level=1:4', '--until', 'bag_tension_kn_per_m=60']
    times = []
    for _ in range(5):
        t0 = time.perf_counter()
        found = driver.execute_script(
            'const [s, p, h] = arguments; const t0 = performance.now();'
            'const r = window.tqweir.seek({syogen: s, parameter: p, hitai: h},'
            ' {vary: "upstream_level", lo: 1, hi: 4, until: "bag_tension_kn_per_m", value: 60});'
            'r.ms = performance.now() - t0; delete r.files; return r;',
            *(given[n].decode('ascii') for n in ('syogen.csv', 'parameter.csv', 'hitai.csv')))
        times.append(found['ms'])
    median = statistics.median(times)
    print('seek in the page (upstream_level for bag tension 60 kN/m): median %.0f ms of 5, %s solves'
          ' (target %.0f ms)' % (median, found.get('solves'), SEEK_MS_TARGET))
    checks.check(median < SEEK_MS_TARGET * FAR_ABOVE, 'seek in the page: median %.0f ms' % median)
    checks.check(found['found'] and found['field'] == 'upstream_level' and found.get('reached'),
                 'window.tqweir.seek: %r' % found)
    if seek:
        done, _ = run_tool(seek, given, args)
        checks.check(done.returncode == found['exitStatus'] and
                     done.stdout.decode('utf-8').rstrip('\n') == found['output'].rstrip('\n'),
                     'window.tqweir.seek prints otherwise than tqweir-seek')
    driver.find_element(By.CSS_SELECTOR, '#desk-tabs button[data-tab=seek]').click()
    for id_, value in (('seek-lo', '1'), ('seek-hi', '4'), ('seek-value', '60')):
        box = driver.find_element(By.ID, id_)
        box.clear()
        box.send_keys(value)
    driver.execute_script("document.getElementById('seek-until').value = 'bag_tension';")
    driver.find_element(By.ID, 'seek-run').click()
    shown = driver.find_element(By.ID, 'field-upstream_level').get_attribute('value')
    checks.check(shown == found.get('value'), 'solve for: the form shows upstream_level %r, found %r'
                 % (shown, found.get('value')))
    driver.find_element(By.CSS_SELECTOR, '#desk-tabs button[data-tab=design]').click()


def check_desk(checks, driver, examples, tools, reopen, screenshot=None):
    """`tools`: {'report': path or None, 'seek': path or None}; `reopen`
    reloads the page and waits until it is ready."""
    design_dir = os.path.join(examples, 'design_standard')
    check_seek(checks, driver, tools.get('seek'), examples)
    check_design_load(checks, driver, design_dir, tools.get('report'))
    if screenshot:
        driver.execute_script("document.getElementById('desk').scrollIntoView()")
        driver.save_screenshot(screenshot)
    check_edits(checks, driver, tools.get('report'), design_dir)
    check_reload(checks, driver, reopen)
    check_refused(checks, driver, tools.get('report'))
    check_drop(checks, driver, design_dir)
    driver.find_element(By.ID, 'clear-design').click()
