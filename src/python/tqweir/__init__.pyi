# Type stubs of the tqweir package, for editors and type checkers.
from os import PathLike
from typing import Any, Iterable, Mapping, Sequence, overload

import numpy as np
import numpy.typing as npt
import pandas as pd

__version__: str

class InputError(ValueError):
    """Bad input: a folder, table or value that does not read; says where."""

class RunFilesError(RuntimeError):
    """A run's files that do not read back."""

FIELDS: pd.DataFrame
"""The 21 input fields by name: file, position, unit, meaning, integer."""
RESULTS: pd.DataFrame
"""The 27 summary fields by name: sweep column, unit, printf format, label."""

_Path = str | PathLike[str]
_Points = npt.ArrayLike

class Case:
    overflow_mode: float
    upstream_level: float        # m
    hd_nd: float                 # downstream depth in bag heights
    layer_level: float           # m
    air_temperature: float       # degree Celsius
    theta1_deg: float            # degree
    tip_moment: float            # kN m/m
    perimeter: float             # m
    stopper_tension: float       # kN
    reserved_1: float
    span: float                  # m
    reserved_3: float
    leaf_weight: float           # N/m
    leaf_weight_arm: float       # m
    stopper_multiplier: float
    anchor_distance: float       # m
    base_distance: float         # m
    theta2_deg: float            # degree
    discharge_coefficient: float
    water_unit_weight: float     # N/m^3
    layer_unit_weight: float     # N/m^3
    def __init__(self, points: _Points, **fields: float) -> None: ...
    @classmethod
    def from_folder(cls, path: _Path) -> Case: ...
    def with_(self, points: _Points | None = None, **changes: float) -> Case: ...
    def __getitem__(self, name: str) -> float: ...
    @property
    def points(self) -> npt.NDArray[np.float64]: ...
    def fields(self) -> dict[str, float]: ...

class Run:
    finished: bool
    status: str
    message: str
    meaning: str
    files: dict[str, bytes]
    results: dict[str, float]
    texts: dict[str, str]
    unrounded: dict[str, float]
    leaf: npt.NDArray[np.float64] | None
    stopper: npt.NDArray[np.float64] | None
    bag: npt.NDArray[np.float64] | None
    surface: npt.NDArray[np.float64] | None
    floor_point: npt.NDArray[np.float64] | None
    balance: dict[str, float]
    hinge_reaction: dict[str, float] | None
    def leaf_forces(self) -> pd.DataFrame | None: ...
    def __getitem__(self, name: str) -> float: ...
    def write(self, folder: _Path) -> None: ...

def solve(case: Case) -> Run: ...
def sweep(base: Case, table: pd.DataFrame | Mapping[str, Sequence[float] | npt.ArrayLike],
          threads: int | None = None) -> pd.DataFrame: ...

class Design:
    @classmethod
    def from_folder(cls, path: _Path, ranges: Iterable[str] = ()) -> Design: ...
    @property
    def cases(self) -> list[str]: ...
    def checks(self) -> pd.DataFrame: ...
    def limit_states(self, threads: int | None = None) -> pd.DataFrame: ...
    def report(self) -> str: ...
    def lower(self, case: str | None = None, within: float | None = None) -> Operation: ...
    def raise_(self, case: str | None = None, within: float | None = None) -> Operation: ...
    def flood(self, inflow: _Path | pd.DataFrame | tuple[npt.ArrayLike, npt.ArrayLike],
              power_failure: bool = False, failed: Sequence[int] = ()) -> Flood: ...
    def fail_table(self, inflow: _Path | pd.DataFrame | tuple[npt.ArrayLike, npt.ArrayLike],
                   count: int | None = None, power: bool | None = None) -> pd.DataFrame: ...
    def rating(self, lo: float, hi: float, step: float,
               angles: Sequence[float] | None = None) -> pd.DataFrame: ...

class Operation:
    case: str
    direction: str                          # "lower" or "raise"
    status: int                             # tqweir-operate's exit status: 0 the whole way, 1 not
    whole: bool
    printout: str                           # the command's printout
    time: float | None                      # s
    stopper_time: float | None              # s: the stopper goes slack (lower) or begins to pull (raise)
    choked: list[tuple[float, float]] | None  # s, lowering only
    folds: pd.DataFrame                     # time_s, from_deg, to_deg, air_m3_per_m, to_end
    blower_limit: dict[str, Any] | None     # angle_deg, stopper_tension_kn, needed_kpa, limit_kpa, shuts_off
    stop: dict[str, Any] | None             # theta1_deg, stopper_tension_kn, status, message
    sizing: float | None                    # valve_area m2 (lower) or factor on the blower (raise)
    table: pd.DataFrame | None              # the -o TABLE.csv table

class Flood:
    status: int                             # tqweir-operate's exit status: 0 finished, 1 stopped
    printout: str                           # the command's printout
    finished: bool
    stop: str | None
    start_level: float | None               # m
    peak_level: float | None                # m
    peak_time: float | None                 # s
    peak_inflow: float | None               # m3/s
    peak_inflow_time: float | None          # s
    peak_outflow: float | None              # m3/s, gate and other outlets
    peak_outflow_time: float | None         # s
    attenuation: float | None               # m3/s
    lowering: tuple[float | None, float | None]  # s, start and end
    down_at_start: bool                     # the leaf down at the first row already
    raising: tuple[float | None, float | None]   # s, start and end
    folds: pd.DataFrame                     # time_s, level_m, from_deg, to_deg
    checks: pd.DataFrame                    # key, name, ratio, time_s, ok
    freeboard: float | None                 # m to max_upstream_level
    freeboard_ok: bool | None               # None: not determined (the route stopped)
    series: pd.DataFrame | None             # the -o SERIES.csv table

def seek(folder: _Path | Design, vary: str | tuple[str, float, float], until: str | tuple[str, float],
         case: str | None = None, pick: int = 1, tol: float = 0.0, scan: int = 8) -> dict[str, Any]: ...

class Risk:
    curve: pd.DataFrame                     # level_m, aep (and aep_5, aep_95 with realizations): -o CURVE.csv
    aep_of_limit: float | None              # AEP of passing max_upstream_level; None without that row
    aep_of_limit_5: float | None            # 5 % and 95 % over the realizations (None with one)
    aep_of_limit_95: float | None
    limit_level: float | None               # m
    limit_error: float | None               # stratified sampling error at the limit
    branches: dict[str, float]              # "no failure", "power failure", "gate failed", "rarer than aep_to"
    realizations: int
    events: int
    routes: int                             # flood passages
    unfinished: int                         # events with a route that stopped (count as passing every level)
    determined: bool                        # False: every AEP an upper bound (tqweir-risk's status 1)
    failed_fits: int

def risk(design: Design, client: Any | None = None, threads: int | None = None,
         blocks: int | None = None) -> Risk: ...
def sealed(folder: _Path | Design, loads: str) -> pd.DataFrame: ...
