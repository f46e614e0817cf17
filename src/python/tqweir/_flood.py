"""A design flood through the pond with the gate operated by its rule, as
tqweir-operate --flood gives it."""

import os

import pandas as pd

from ._tables import result_frame, same_slots


class Flood:
    """What ``tqweir-operate DESIGN_DIR --flood INFLOW.csv [--power-failure]``
    answers, from the command's own code (``Design.flood`` gives one).

    status          the command's exit status: 0 the route reached the
                    hydrograph's end, 1 it stopped (or could not start)
    printout        the command's printout, as it prints it without ``-o``
    finished        True when the route reached the hydrograph's end
    stop            why the route stopped, with the time; None if it did not
    start_level     m, the pond's level at the first row
    peak_level      m, the highest level, and peak_time (s) when
    peak_inflow     m3/s, and peak_inflow_time (s)
    peak_outflow    m3/s over the gate and the other outlets, and
                    peak_outflow_time (s)
    attenuation     m3/s, peak inflow less peak outflow
    lowering        (start, end) in s of the leaf going down, in the
                    hydrograph's own time (it may be negative); None where
                    it did not happen. A leaf down at the start already has
                    (None, start) unless the valve opened then too
    down_at_start   True when the leaf lies at lowered_angle at the first row
    raising         (start, end) in s of the blower raising it; as lowering
    folds           DataFrame, one row per fold met: time_s (s), level_m (m,
                    the grid level whose path folds), from_deg, to_deg
                    (degree, the leaf's jump)
    checks          DataFrame, one row per given criterion: key, name,
                    ratio (the highest over the flood), time_s (s) when,
                    ok: True when the ratio stays at most 1 to the flood's
                    end, False once it is above 1, None (not determined)
                    when the route stopped with the ratio at most 1 so far
    freeboard       m, max_upstream_level less the peak level reached; None
                    when criteria.csv gives no max_upstream_level
    freeboard_ok    True when freeboard >= 0 and the route reached the
                    flood's end, False when freeboard < 0, None when the
                    route stopped before with freeboard >= 0 so far (not
                    determined: the printout says "not determined", the
                    status is 1), and None as freeboard
    series          the ``-o SERIES.csv`` table as a DataFrame: exactly its
                    columns (time_s, inflow_m3s, outflow_m3s, ...) and
                    numbers; None when the flood could not start
    """

    __slots__ = ("status", "printout", "finished", "stop", "start_level", "peak_level",
                 "peak_time", "peak_inflow", "peak_inflow_time", "peak_outflow",
                 "peak_outflow_time", "attenuation", "lowering", "down_at_start", "raising", "folds",
                 "checks",
                 "freeboard", "freeboard_ok", "series")

    def __init__(self, raw):
        self.status = raw["status"]
        self.printout = raw["printout"]
        self.finished = raw.get("finished", False)
        self.stop = raw.get("stop")
        self.start_level = raw.get("start_level")
        self.peak_level = raw.get("peak_level")
        self.peak_time = raw.get("peak_time")
        self.lowering = raw.get("lowering", (None, None))
        self.down_at_start = raw.get("down_at_start", False)
        self.raising = raw.get("raising", (None, None))
        self.folds = pd.DataFrame(raw.get("folds", []),
                                  columns=["time_s", "level_m", "from_deg", "to_deg"])
        self.checks = pd.DataFrame(raw.get("checks", []),
                                   columns=["key", "name", "ratio", "time_s", "ok"])
        self.freeboard = raw.get("freeboard")
        self.freeboard_ok = raw.get("freeboard_ok")
        series = raw.get("series")
        self.series = None if series is None else result_frame(series, index=None)
        self.peak_inflow = self.peak_inflow_time = None
        self.peak_outflow = self.peak_outflow_time = self.attenuation = None
        if self.series is not None and len(self.series):
            self._peaks(self.series)

    def _peaks(self, s):
        # The first of equal peaks, as the printout takes it.
        inflow = s["inflow_m3s"].idxmax()
        total = s["outflow_m3s"] + s["other_outflow_m3s"]
        outflow = total.idxmax()
        self.peak_inflow = float(s["inflow_m3s"][inflow])
        self.peak_inflow_time = float(s["time_s"][inflow])
        self.peak_outflow = float(total[outflow])
        self.peak_outflow_time = float(s["time_s"][outflow])
        self.attenuation = self.peak_inflow - self.peak_outflow

    __eq__ = same_slots
    __hash__ = None

    def __repr__(self):
        return (f"Flood(peak {self.peak_level!r} m at {self.peak_time!r} s, "
                f"status {self.status})")


def _rows(inflow):
    """The hydrograph's hours and m3/s as two lists of floats: a DataFrame's
    first two columns (as the CSV's), or a pair of arrays."""
    if isinstance(inflow, pd.DataFrame):
        if inflow.shape[1] < 2:
            raise ValueError(f"inflow: a DataFrame of {inflow.shape[1]} columns; "
                             "the first two are hours and m3/s")
        hours, flows = inflow.iloc[:, 0], inflow.iloc[:, 1]
    else:
        hours, flows = inflow
    return [float(h) for h in hours], [float(q) for q in flows]


def _inflow(inflow):
    """(path, hours, flows) for the binding: a path, or the rows as numbers."""
    if isinstance(inflow, (str, os.PathLike)):
        return os.fspath(inflow), [], []
    hours, flows = _rows(inflow)
    return None, hours, flows


def _whole(value):
    """True for a whole number (not a bool), as an int or a float."""
    try:
        return not isinstance(value, bool) and int(value) == value
    except (TypeError, ValueError):
        return False


def _gates(failed):
    """The gate numbers of ``failed`` as ints, refused in the keyword's words
    when one is not a whole number."""
    gates = []
    for gate in failed:
        if not _whole(gate):
            raise ValueError(f"failed={list(failed)!r}: {gate!r} is not a whole gate number from 1")
        gates.append(int(gate))
    return gates


def flood(runs, inflow, power_failure, failed=()):
    """The flood ``inflow`` (a path, a DataFrame or (hours, m3/s) arrays)
    through the design ``runs``, the gates numbered ``failed`` failed."""
    return Flood(runs.flood(*_inflow(inflow), bool(power_failure), _gates(failed)))


def fail_frame(runs, inflow, count, power):
    """The K-failed table of ``inflow`` through the design ``runs`` as a
    DataFrame."""
    if count is not None and not _whole(count):
        raise ValueError(f"count={count!r}: give a whole number of gates from 0")
    rows = runs.fail_table(*_inflow(inflow), None if count is None else int(count),
                           None if power is None else bool(power))
    return pd.DataFrame(rows, columns=["failed", "power", "every_choice", "choices", "determined",
                                       "peak_level_m", "peak_time_s", "gates", "stop", "printed"])
