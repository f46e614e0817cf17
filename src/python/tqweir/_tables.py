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

