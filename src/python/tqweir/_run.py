"""One case solved: tqweir's six files and its printed results."""

from . import _tqweir
from ._case import RESULTS

_RESULT_NAMES = tuple(RESULTS.index)


class Run:
    """The outcome of ``tqweir.solve``: what tqweir leaves in a folder for the case.

    finished   True when the run ended normally (exit status 0)
    status     "ok" or the kind of stop ("bisection_no_sign_change", ...)
    message    error.csv's message line in UTF-8; ``meaning`` in English
    files      every file written, by name, as bytes (error.csv in CP932, CR LF)
    results    the 27 summary fields by name, each the number its printed text
               prints, in the units of ``tqweir.RESULTS``; ``texts`` the printed
               texts, ``unrounded`` the values before printing
    leaf       XYGate.csv's nodes from the hinge, n x 2 (x, y in m)
    stopper    XYStopper.csv: anchor on the leaf and foot on the floor, 2 x 2 (m)
    bag        XYBalloon.csv's outline, closed, n x 2 (m)
    surface    suimen.csv: x, surface elevation, depth, leaf elevation, n x 4 (m)

    A run that stops is a Run with its message; it has no results or arrays
    (they are empty, and ``run[name]`` raises KeyError).
    """

    __slots__ = ("finished", "status", "message", "meaning", "files", "results", "texts",
                 "unrounded", "leaf", "stopper", "bag", "surface", "floor_point")

    def __init__(self, raw):
        self.finished = raw["finished"]
        self.status = raw["status"]
        self.message = raw["message"]
        self.meaning = raw["meaning"]
        self.files = raw["files"]
        if self.finished:
            self.texts = dict(zip(_RESULT_NAMES, raw["texts"]))
            self.results = dict(zip(_RESULT_NAMES, raw["values"]))
            self.unrounded = dict(zip(_RESULT_NAMES, raw["unrounded"]))
            self.leaf, self.stopper, self.bag = raw["leaf"], raw["stopper"], raw["bag"]
            self.surface, self.floor_point = raw["surface"], raw["floor_point"][0]
        else:
            self.texts, self.results, self.unrounded = {}, {}, {}
            self.leaf = self.stopper = self.bag = self.surface = self.floor_point = None

    def __getitem__(self, name):
        """Summary field ``name`` as printed, as a float."""
        if not self.finished:
            raise KeyError(f"{name}: the run stopped: {self.meaning}")
        return self.results[name]

    def write(self, folder):
        """Writes the run's files into ``folder``, together and each whole, never
        onto the folder's input files or anything but a regular file."""
        _tqweir.write_files(str(folder), self.files)

    def __repr__(self):
        if self.finished:
            return f"Run(finished, alpha={self.results['alpha']!r})"
        return f"Run(stopped: {self.status}, {self.message!r})"


def solve(case):
    """Solves ``case`` (a tqweir.Case) in memory exactly as tqweir solves its
    files, and returns the Run. Other threads keep running meanwhile."""
    return Run(_tqweir.solve(case._input))
