"""tqweir's result tables (RESULT.csv, sealed.csv, the operation's) as DataFrames."""

import csv
import io
import math

import pandas as pd


_TEXT_COLUMNS = {"status", "message", "regime", "gate"}
_INTEGER_COLUMNS = {"case", "in_overflow_mode"}


def _number(cell):
    return float(cell) if cell.strip() else math.nan


def _column(name, cells):
    if name in _TEXT_COLUMNS:
        return cells
    if name in _INTEGER_COLUMNS:
        return [int(c) if c.strip() else pd.NA for c in cells]
    return [_number(c) for c in cells]


def same_value(a, b):
    """Whether two results hold the same: tables by their cells, names and
    types (NaN equal to NaN), dicts and sequences item by item, the rest by ==."""
    if isinstance(a, pd.DataFrame) or isinstance(b, pd.DataFrame):
        return (isinstance(a, pd.DataFrame) and isinstance(b, pd.DataFrame) and a.equals(b)
                and list(a.columns) == list(b.columns) and a.attrs == b.attrs)
    if isinstance(a, dict) and isinstance(b, dict):
        return a.keys() == b.keys() and all(same_value(a[k], b[k]) for k in a)
    if isinstance(a, (list, tuple)) and isinstance(b, (list, tuple)):
        return type(a) is type(b) and len(a) == len(b) and all(map(same_value, a, b))
    return bool(a == b)


def same_slots(a, b):
    """__eq__ of a result class: the same class, every slot the same value."""
    if type(a) is not type(b):
        return NotImplemented
    return all(same_value(getattr(a, name), getattr(b, name)) for name in type(a).__slots__)


def result_frame(table_bytes, index="case"):
    """A table tqweir writes (CP932, CR LF, a header row) as a DataFrame:
    texts for status, message, regime and gate, whole numbers for the case number
    and overflow mode, floats (NaN when empty) for the rest, each the number
    its cell prints; indexed by the column ``index`` (None: by row number)."""
    rows = list(csv.reader(io.StringIO(table_bytes.decode("cp932"), newline="")))
    header, body = rows[0], rows[1:]
    columns = list(zip(*body)) if body else [()] * len(header)
    frame = pd.DataFrame({name: _column(name, list(cells)) for name, cells in zip(header, columns)})
    return frame if index is None else frame.set_index(index)

