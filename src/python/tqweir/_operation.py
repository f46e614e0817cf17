"""A design's leaf lowered through its exhaust or raised with its blower, as
tqweir-operate does it."""

import pandas as pd

from ._tables import result_frame, same_slots


class Operation:
    """What ``tqweir-operate DESIGN_DIR --lower|--raise`` answers, from the
    command's own code (``Design.lower`` and ``Design.raise_`` give one).

    case          the load case's name (UTF-8)
    direction     "lower" or "raise"
    status        the command's exit status: 0 the whole way, 1 not
    whole         True when the leaf goes the whole way
    printout      the command's printout, as it prints it without ``-o``
    time          s, to the last state reached (to the lowest state when a
                  run stops on the path); None where the command prints
                  "not the whole way" (the blower's limit) or the case stops
    stopper_time  s: lowering, when the stopper goes slack; raising, when
                  the leaf reaches the raised angle and it begins to pull
    choked        lowering: the stretches (from, to) in s over which the
                  exhaust's flow is choked; raising, or a case that
                  stops: None
    folds         DataFrame, one row per fold: ``time_s`` (s) when it begins,
                  ``from_deg`` and ``to_deg`` (degree) the leaf's fall or
                  rise at once, ``air_m3_per_m`` (m3/m at atmospheric
                  pressure) the air it holds, ``to_end`` when it goes to the
                  path's end
    blower_limit  raising the blower cannot pass: a dict with ``angle_deg``
                  and ``stopper_tension_kn`` where the leaf stays, the
                  ``needed_kpa`` (kPa gauge) the rest of the path needs, the
                  curve's ``limit_kpa`` and ``shuts_off``; else None
    stop          the run that stops past the path's last state (or the case
                  itself): ``theta1_deg``, ``stopper_tension_kn``, ``status``,
                  ``message``; None when none stops
    sizing        with ``within``: lowering the valve_area (m2, at the file's
                  valve_coefficient), raising the factor on the blower's
                  delivery, for that time; None otherwise
    table         the ``-o TABLE.csv`` table as a DataFrame (time_s,
                  air_m3_per_m, regime, in_theta1_deg, in_stopper_tension_kn,
                  bag_pressure_kpa gauge, flow_m3_per_min free air for the
                  whole gate, then the sweep's status, message and 27
                  results as printed; NaN for an empty cell); None when the
                  case stops and the command writes none
    """

    __slots__ = ("case", "direction", "status", "whole", "printout", "time", "stopper_time",
                 "choked", "folds", "blower_limit", "stop", "sizing", "table")

    def __init__(self, raw):
        self.case = raw["case"]
        self.direction = raw["direction"]
        self.status = raw["status"]
        self.whole = raw.get("whole", False)
        self.printout = raw["printout"]
        self.time = raw.get("time")
        self.stopper_time = raw.get("stopper_time")
        choked = raw.get("choked")
        self.choked = None if choked is None else [tuple(c) for c in choked]
        self.folds = pd.DataFrame(raw.get("folds", []),
                                  columns=["time_s", "from_deg", "to_deg", "air_m3_per_m", "to_end"])
        self.blower_limit = raw.get("blower_limit")
        self.stop = raw["stop"]
        self.sizing = raw.get("sizing")
        table = raw.get("table")
        self.table = None if table is None else result_frame(table, index=None)

    __eq__ = same_slots
    __hash__ = None

    def __repr__(self):
        time = "no time" if self.time is None else f"{self.time!r} s"
        return f"Operation({self.direction} {self.case}: {time}, status {self.status})"


def operate(runs, lower, case, within):
    """The operation of the design ``runs`` (a _tqweir.DesignRuns)."""
    return Operation(runs.operate(lower, case, None if within is None else float(within)))
