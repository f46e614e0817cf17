"""A design folder (its checks, limit states, report and operation) and tqweir-seek."""

import os
import tempfile

import pandas as pd

from . import _tqweir
from ._flood import fail_frame, flood
from ._operation import operate
from ._tables import result_frame


class Design:
    """A design as tqweir-report reads its folder: the base case, loadcases.csv
    (or ``ranges``, "NAME=FROM:TO:STEP" each), criteria.csv with its
    flood_inflow, and operation.csv, each read once. The cases are solved
    once, when first needed. A design pickles by its files' bytes, not by
    the folder's path: unpickled where the folder does not exist, it gives
    the same results."""

    __slots__ = ("_runs",)

    def __init__(self, runs):
        self._runs = runs

    @classmethod
    def from_folder(cls, path, ranges=()):
        """Reads the design in ``path``; raises InputError naming the file, line
        and column of what is wrong."""
        return cls(_tqweir.DesignRuns.read(str(path), list(ranges)))

    def __eq__(self, other):
        """The same folder's path, ranges and files, to the byte."""
        return self._runs == other._runs if isinstance(other, Design) else NotImplemented

    __hash__ = None

    @property
    def cases(self):
        """The load cases' names."""
        return list(self._runs.case_names)

    def checks(self):
        """The design checks: one row per criterion given and load case, with the
        printed result (``value_text``, in ``unit``), its magnitude, the limit,
        the ratio (nine decimals) and ``ok``; NaN for a case that stopped;
        ``governing`` marks each criterion's largest ratio."""
        return pd.DataFrame(self._runs.checks())

    def limit_states(self, threads=None):
        """Where each check's ratio reaches 1, and where the runs begin to stop,
        over criteria.csv's limit_variable and limit_range: one row per load
        case and limit ("membrane", ..., "stop"), ``value`` in the variable's
        unit, NaN when none lies in the range."""
        found = self._runs.limit_states(0 if threads is None else int(threads))
        rows = []
        for case in found["cases"]:
            limits = dict(case["checks"], stop=case["stop"])
            for key, limit in limits.items():
                rows.append({
                    "case": case["case"], "limit": key, "variable": found["variable"],
                    "found": limit["found"],
                    "value": limit["value"] if limit["found"] else float("nan"),
                    "ratio_text": limit.get("ratio_text", ""),
                    "message": limit.get("message", "") if limit["found"] else "",
                    "governing": case["governing_found"] and case["governing_by"] == key,
                })
        return pd.DataFrame(rows)

    def report(self):
        """tqweir-report's HTML page of the design (its date SOURCE_DATE_EPOCH's
        day when that is set, as the command takes it)."""
        return self._runs.report()

    def lower(self, case=None, within=None):
        """tqweir-operate --lower: the leaf of load case ``case`` (a name of
        loadcases.csv; default the base case) let down through the exhaust
        of the folder's operation.csv to its lowered_angle. ``within``
        (minutes) asks for the valve_area that lowers in that time. Returns
        an Operation (time in s, folds, the table, ...). Raises InputError as
        the command refuses its input: a bad operation.csv names its line
        and column."""
        return operate(self._runs, True, case, within)

    def raise_(self, case=None, within=None):
        """tqweir-operate --raise: the leaf raised from the lowered angle with
        the blower of operation.csv; ``within`` (minutes) asks for the factor
        on the blower's delivery. Otherwise as ``lower``."""
        return operate(self._runs, False, case, within)

    def flood(self, inflow, power_failure=False, failed=()):
        """tqweir-operate --flood: the hydrograph ``inflow`` (a CSV path:
        hours, m3/s; or a DataFrame whose first two columns are those; or
        a pair (hours, m3/s) of arrays) through the pond of operation.csv over the base case's
        gate, operated by its rule (without power, ``power_failure``: the
        float valve only). Returns a Flood: levels in m, flows in m3/s,
        times in s, the series as a DataFrame equal to the -o CSV. Raises
        InputError as the command refuses its input (a bad row names its
        line and column; a row given as data is held to the same rules and
        named "inflow row N: hours=...") and when the base case stops. The
        design's files are read once, by from_folder: a flood routes from
        memory."""
        return flood(self._runs, inflow, power_failure, failed)

    def fail_table(self, inflow, count=None, power=None):
        """tqweir-operate --fail-count: the highest peak level of the flood
        ``inflow`` (as ``flood`` takes it) with K gates failed, K = 0 to
        ``count`` (None: every gate of the weir), with power and without
        (``power`` True: only the rows with power, False: only those without).
        Every choice of K gates is routed on a weir of up to 4 gates; above,
        the K that lower first. One row per K and way, in the command's
        order: failed (K), power, every_choice, choices (routes made),
        determined (every choice routed to the flood's end), peak_level_m and
        peak_time_s (NaN when not determined), gates (the worst choice's, or
        the one that stopped), stop (why, when not determined), printed (the
        command's line). Raises InputError as ``flood`` does, and naming
        ``count`` below 0 or above the weir's gates."""
        return fail_frame(self._runs, inflow, count, power)

    def rating(self, lo, hi, step, angles=None):
        """tqweir-operate --rating: the discharge over the leaf (m3/s per m and
        over the span) at upstream levels lo to hi (m) in steps of ``step``
        (m), for the leaf held at each of ``angles`` (degree; default the
        base case's) and for the sealed bag, as a DataFrame equal to the -o
        RATING.csv table. Any finite floats: when lo, hi and step as Python
        shows them are decimals --rating takes (2.5, 0.1, 1e-05), the levels
        are --rating's, formed in exact decimals (0.1 steps reach 0.3, not
        0.30000000000000004); otherwise (1/3, 0.1*3) lo + k*step, up to hi
        plus a billionth of a step (the last level then hi itself). Raises
        InputError naming the keyword and its value for a number not finite,
        step not above 0, hi below lo, more than 2000 levels or angles, or
        a step too small to tell the levels apart."""
        table = self._runs.rating(lo, hi, step, None if angles is None else list(angles))
        return result_frame(table, index=None)


def _vary_fields(vary):
    """(field, lo, hi) from "FIELD=LO:HI" or a triple."""
    if isinstance(vary, str):
        field, eq, span = vary.partition("=")
        lo, colon, hi = span.partition(":")
        if not eq or not colon:
            raise ValueError(f"vary={vary!r}: give FIELD=LO:HI or (field, lo, hi)")
        vary = (field, lo, hi)
    field, lo, hi = vary
    try:
        return str(field), float(lo), float(hi)
    except ValueError:
        raise ValueError(f"vary={vary!r}: LO and HI are numbers") from None


def _until_fields(until):
    """(kind, name, target) from "stop", a criterion's name, "RESULT=VALUE"
    or a pair."""
    if isinstance(until, str):
        if until == "stop":
            return "stop", "", 0.0
        if "=" not in until:
            return "criterion", until, 0.0
        until = tuple(until.split("=", 1))
    result, value = until
    try:
        return "result", str(result), float(value)
    except ValueError:
        raise ValueError(f"until={until!r}: VALUE is a number") from None


def seek(folder, vary, until, case=None, pick=1, tol=0.0, scan=8):
    """tqweir-seek: the value of one input where a result reaches a target, a
    design check its limit, or the runs begin to stop.

    folder  a case or design folder's path, or a Design (its files as read,
            none read again: a loop of seeks on one Design reads no file)

    vary    "FIELD=LO:HI" or (field, lo, hi), a real input field and its range
    until   "RESULT=VALUE" or (result column, value), e.g. ("bag_tension_kn_per_m", 30);
            a criterion ("membrane_strength", ...) of the design's criteria.csv;
            or "stop"
    case    the load case of loadcases.csv for a criterion
    pick    the pick-th edge from LO; tol: stop narrowing at this width (0:
            adjacent doubles); scan: intervals of the first scan

    Returns a dict: ``found``; ``value`` (the input found, in its field's
    unit), ``reached`` (the result there, unrounded), ``printed`` (as
    tqweir prints it), ``ratio`` (criterion), ``bracket`` (lo, hi),
    ``beyond`` (stop: the stopping side and its message), ``solves``, and
    the scan and edges as DataFrames.
    """
    field, lo, hi = _vary_fields(vary)
    kind, name, target = _until_fields(until)
    keywords = (field, lo, hi, kind, name, target, case, int(pick), float(tol), int(scan))
    if isinstance(folder, Design):
        raw = folder._runs.seek(*keywords)
    else:
        raw = _tqweir.seek_search(str(folder), *keywords)
    wanted = "boundary" if raw["kind"] == "stop" else "crossing"
    edges = [e for e in raw["edges"] if e["kind"] == wanted]
    answer = {"field": raw["field"], "until": raw["until"], "solves": raw["solves"],
              "found": len(edges) >= pick,
              "scan": pd.DataFrame(raw["scan"]),
              "edges": pd.DataFrame([dict(kind=e["kind"], lo=e["lo"]["x"], hi=e["hi"]["x"],
                                          refined=e["refined"]) for e in raw["edges"]])}
    if not answer["found"]:
        return answer
    edge = edges[pick - 1]
    value = edge["value"]
    answer.update(value=value["x"], bracket=(edge["lo"]["x"], edge["hi"]["x"]),
                  refined=edge["refined"], interrupted=edge["interrupted"])
    if raw["kind"] == "stop":
        far = edge["hi"] if edge["lo"]["finished"] else edge["lo"]
        answer.update(beyond=far["x"], message=far["message"])
    else:
        printed = raw["printed"][value["x"]][raw["result_index"]]
        answer.update(reached=value["reached"], printed=printed, column=raw["result_column"])
        if raw["kind"] == "criterion":
            answer.update(ratio=raw["ratio_of"](printed), limit=raw["limit"])
    return answer


def sealed(folder, loads):
    """tqweir-seek --sealed: the bag with its air valve closed on the base case
    in ``folder``, the state holding that air at each load ("FIELD=FROM:TO:STEP",
    usually upstream_level): the command's table as a DataFrame (regime, leaf
    angle in degrees, stopper tension in kN, then the sweep's columns).
    ``folder`` is a path or a Design (its base case as read, not read again).
    ``attrs["summary"]`` holds the command's closing line."""
    with tempfile.TemporaryDirectory() as scratch:
        path = os.path.join(scratch, "sealed.csv")
        if isinstance(folder, Design):
            line = folder._runs.sealed(loads, path)
        else:
            line = _tqweir.sealed_table(str(folder), loads, path)
        with open(path, "rb") as table:
            frame = result_frame(table.read())
    frame.attrs["summary"] = line.strip()
    return frame
