"""Many variants of one case, as tqweir-sweep solves them."""

import os

import numpy as np
import pandas as pd

from . import _tqweir
from ._tables import result_frame


def _cell(value):
    if isinstance(value, str):
        return value
    if isinstance(value, (bool, np.bool_)):
        raise _tqweir.InputError(f"{value!r} is not a number")
    if isinstance(value, (int, np.integer)):
        return str(int(value))
    return repr(float(value))


def _cases_csv(table):
    frame = pd.DataFrame(table) if not isinstance(table, pd.DataFrame) else table
    lines = [",".join(str(c) for c in frame.columns)]
    for row in frame.itertuples(index=False):
        lines.append(",".join(_cell(v) for v in row))
    return "\n".join(lines) + "\n"


def sweep(base, table, threads=None):
    """Solves ``base`` (a tqweir.Case) with each row of ``table`` laid over it.

    ``table`` is a DataFrame or a dict of equal-length columns, named by the
    input fields (``tqweir.FIELDS``), one row per case. Returns tqweir-sweep's
    result table as a DataFrame indexed by the case number from 1: the
    values set (``in_<field>_<unit>``), ``status`` and ``message`` (UTF-8),
    and the 27 summary columns (``alpha``, ``bag_tension_kn_per_m``, ...)
    as printed, NaN for a case that stopped. ``threads`` worker threads
    (default: one per processor); the rows are the same for any number.
    A bad table raises InputError naming its line (line 1 is the header,
    line 2 the first case) and column.
    """
    count = 0 if threads is None else int(threads)
    if count < 0:
        raise _tqweir.InputError(f"threads must be at least 1, not {threads}")
    data = _tqweir.sweep_table(base._input, _cases_csv(table), "table", count or (os.cpu_count() or 1))
    return result_frame(data)
