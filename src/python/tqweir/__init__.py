"""tqweir for Python: the cross-section of an air-bag-supported steel gate weir.

Every number comes from tqweir's own C++ code, run in this process:

    import tqweir
    case = tqweir.Case.from_folder("examples/standard")
    run = tqweir.solve(case.with_(upstream_level=3.0))
    run["bag_tension"], run.texts["bag_tension"]     # kN/m, as printed

Units are those of tqweir's files: metres, degrees, kN/m for the bag's
tension, kN for the stopper's, MPa for the bag's pressure (see FIELDS and
RESULTS for every field's unit).
"""

from ._tqweir import InputError, RunFilesError, __version__
from ._case import FIELDS, RESULTS, Case
from ._run import Run, solve
from ._sweep import sweep
from ._design import Design, sealed, seek
from ._flood import Flood
from ._operation import Operation
from ._risk import Risk, risk

__all__ = [
    "Case", "Design", "FIELDS", "Flood", "InputError", "Operation", "RESULTS", "Risk", "Run", "RunFilesError",
    "__version__", "risk", "sealed", "seek", "solve", "sweep",
]
