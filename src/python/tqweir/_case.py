"""A case: the 21 input numbers by the core's names and the leaf profile."""

import numpy as np
import pandas as pd

from . import _tqweir

InputError = _tqweir.InputError

FIELDS = pd.DataFrame(
    _tqweir.input_field_table(),
    columns=["name", "file", "position", "unit", "meaning", "integer"],
).set_index("name")

RESULTS = pd.DataFrame(
    _tqweir.summary_field_table(),
    columns=["name", "column", "unit", "format", "label"],
).set_index("name")

_NAMES = tuple(FIELDS.index)


class Case:
    """One design case: syogen.csv's and parameter.csv's fields and hitai.csv's points.

    Build it from a folder (``Case.from_folder``) or from values:
    ``Case(points, overflow_mode=1, upstream_level=2.5, ...)`` with every
    field of ``tqweir.FIELDS`` given (metres, degrees, N/m, N/m^3, kN, kN m/m
    as listed there) and ``points`` the leaf profile as (x, y) pairs in
    metres, and optionally ``seismic_coefficient`` (kh >= 0, an earthquake
    towards downstream; no input file holds it). A case is a value:
    ``with_`` gives a changed copy.
    """

    __slots__ = ("_input",)

    def __init__(self, points, **fields):
        missing = [name for name in _NAMES if name not in fields]
        if missing:
            raise InputError("a case needs every input field; missing: " + ", ".join(missing))
        self._input = _tqweir.CaseInput()
        self._set(points, fields)

    @classmethod
    def from_folder(cls, path):
        """The case in folder ``path`` (syogen.csv, parameter.csv, hitai.csv), read
        as tqweir reads it. Raises InputError naming the file for one that does
        not read."""
        case = cls.__new__(cls)
        case._input = _tqweir.read_case_folder(str(path))
        return case

    def with_(self, points=None, **changes):
        """A copy with the fields in ``changes`` (and the profile, when given) replaced."""
        case = Case.__new__(Case)
        case._input = self._input.copy()
        case._set(points, changes)
        return case

    def _set(self, points, fields):
        for name, value in fields.items():
            self._input.set(name, float(value))
        if points is not None:
            array = np.asarray(points, dtype=float)
            if array.ndim != 2 or array.shape[1] != 2:
                raise InputError("points must be (x, y) pairs in metres")
            self._input.points = [(float(x), float(y)) for x, y in array]

    def __getitem__(self, name):
        """The field's value as read (overflow_mode as a float)."""
        return self._input.get(name)

    def __getattr__(self, name):
        if name in _NAMES or name == "seismic_coefficient":
            return self._input.get(name)
        raise AttributeError(name)

    @property
    def points(self):
        """hitai.csv's points: an n x 2 array of x, y in metres."""
        return np.array(self._input.points, dtype=float).reshape(-1, 2)

    def fields(self):
        """Every field by name, in FIELDS' order."""
        return {name: self._input.get(name) for name in _NAMES}

    def __eq__(self, other):
        """The same fields, points and kh, to the bit."""
        return self._input == other._input if isinstance(other, Case) else NotImplemented

    __hash__ = None

    def __repr__(self):
        shown = ", ".join(f"{name}={self[name]!r}" for name in ("overflow_mode", "upstream_level", "theta1_deg"))
        return f"Case({shown}, ... {len(self._input.points)} points)"

