"""One case solved: tqweir's six files and its printed results."""

from . import _tqweir
from ._case import RESULTS

_RESULT_NAMES = tuple(RESULTS.index)


class Run:
    """The outcome of ``tqweir.solve``: what tqweir leaves in a folder for the case.

    finished   True when the run ended normally (exit status 0)
    status     "ok" or the kind of stop ("no_solution_above", ...)
    message    error.csv's message line in UTF-8; ``meaning`` in English
    files      every file written, by name, as bytes (error.csv in CP932, CR LF)
    results    the 27 summary fields by name, each the number its printed text
               prints, in the units of ``tqweir.RESULTS``; ``texts`` the printed
               texts, ``unrounded`` the values before printing
    leaf       XYGate.csv's nodes from the hinge, n x 2 (x, y in m)
    stopper    XYStopper.csv: anchor on the leaf and foot on the floor, 2 x 2 (m)
    bag        XYBalloon.csv's outline, closed, n x 2 (m)
    surface    suimen.csv: x, surface elevation, depth, leaf elevation, n x 4 (m)
    floor_point  XYGate.csv's first row, a point of the floor line (m)
    balance    the moment balance about the hinge at the converged trial,
               unrounded, by name: each load's moment as the balance sums it
               (N m/m, closing the gate positive; upstream, downstream,
               layer, water, weight per metre of span, seismic (0 without
               kh), loads = ((weight + water) + seismic) x width_factor,
               bag, tip, stopper) and the residual
               they leave; the forces behind them (N/m: leaf_weight,
               bag_force, stopper_force, tip_force, support_force; the
               water's upstream_load_v, upstream_arm_x, upstream_load_h,
               upstream_arm_y and the same for downstream and layer, arms
               in m), bag_pressure (Pa), chord1_m (m), stopper_angle (rad)
    hinge_reaction  the hinge's force on the leaf, per metre in the balance's
               frame: horizontal, vertical, size (kN/m), direction_deg
    leaf_forces()  the leaf's N, V, M along it as a DataFrame (see there)

    A run that stops is a Run with its message; it has no results (empty
    dicts, arrays None, and ``run[name]`` raises KeyError). Files and
    results are read back from the run when first asked for.
    """

    __slots__ = ("_solved", "finished", "status", "message", "meaning", "_files", "_results",
                 "_balance", "_leaf")

    def __init__(self, solved):
        self._solved = solved
        self.finished, self.status, self.message, self.meaning = solved.outcome()
        self._files = None
        self._results = None
        self._balance = None
        self._leaf = None

    @property
    def files(self):
        if self._files is None:
            self._files = self._solved.files()
        return self._files

    def _read(self, key):
        if not self.finished:
            return {} if key in ("texts", "values", "unrounded") else None
        if self._results is None:
            self._results = {name: dict(zip(_RESULT_NAMES, values))
                             for name, values in self._solved.summary().items()}
        if key not in self._results:
            shapes = self._solved.shapes()
            shapes["floor_point"] = shapes["floor_point"][0]
            self._results.update(shapes)
        return self._results[key]

    texts = property(lambda self: self._read("texts"), doc="the 27 results as printed, by name")
    results = property(lambda self: self._read("values"), doc="the 27 results as floats, by name")
    unrounded = property(lambda self: self._read("unrounded"), doc="the 27 results before printing")
    leaf = property(lambda self: self._read("leaf"))
    stopper = property(lambda self: self._read("stopper"))
    bag = property(lambda self: self._read("bag"))
    surface = property(lambda self: self._read("surface"))
    floor_point = property(lambda self: self._read("floor_point"))

    @property
    def balance(self):
        if not self.finished:
            return {}
        if self._balance is None:
            self._balance = self._solved.balance()
        return self._balance

    def _leaf_forces(self):
        if self._leaf is None:
            self._leaf = self._solved.leaf_forces()
        return self._leaf

    def leaf_forces(self):
        """The leaf as a free body of the finished run, per metre in the balance's
        frame (the water and the weight times width_factor): a DataFrame with a
        row per station from the hinge to the tip, columns s, x, y (m), N, V
        (kN/m) and M (kN m/m); a node or a point load gives two rows at one s.
        N is tension positive, V positive where the water pushes the leaf
        towards the bag, M positive with the water face in tension. None for a
        run that stopped."""
        if not self.finished:
            return None
        import pandas as pd
        return pd.DataFrame(self._leaf_forces()["stations"], columns=["s", "x", "y", "N", "V", "M"])

    @property
    def hinge_reaction(self):
        """The hinge's force on the leaf: horizontal (downstream), vertical (up),
        size in kN/m and direction_deg from downstream; None for a run that stopped."""
        if not self.finished:
            return None
        return dict(self._leaf_forces()["hinge_reaction"])

    def __getitem__(self, name):
        """Summary field ``name`` as printed, as a float."""
        if not self.finished:
            raise KeyError(f"{name}: the run stopped: {self.meaning}")
        return self.results[name]

    def write(self, folder):
        """Writes the run's files into ``folder``, together and each whole. Raises
        InputError for a target that is one of the folder's input files (also
        through a link) or not a regular file, OSError when writing fails."""
        _tqweir.write_files(str(folder), self.files)

    def __eq__(self, other):
        """The same case with the same outcome, files, summary and balance."""
        return self._solved == other._solved if isinstance(other, Run) else NotImplemented

    __hash__ = None

    def __reduce__(self):
        # The run as values (not what was read back from it): the case, the
        # outcome, the files, the summary unrounded and the balance.
        return Run, (self._solved,)

    def __repr__(self):
        if self.finished:
            return f"Run(finished, alpha={self.results['alpha']!r})"
        return f"Run(stopped: {self.status}, {self.message!r})"


def solve(case):
    """Solves ``case`` (a tqweir.Case) in memory exactly as tqweir solves its
    files, and returns the Run. Other threads keep running meanwhile."""
    return Run(_tqweir.solve(case._input))
