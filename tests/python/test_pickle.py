"""What Python hands out pickles: each class and each study's result comes
back equal, and a design unpickled where its folder is gone computes the same."""

import inspect
import os
import pickle
import shutil

import pandas as pd
import pytest

import tqweir
from tqweir._tables import same_value
from test_risk import small_risk

SOURCE = os.environ.get("TQWEIR_SOURCE_DIR", os.path.join(os.path.dirname(__file__), "..", ".."))
EXAMPLES = os.path.join(SOURCE, "examples")
STANDARD = os.path.join(EXAMPLES, "standard")
FLOOD = os.path.join(EXAMPLES, "design_flood")
# A short flood: the pond's rise without the gate's passage, a second's route.
HYDROGRAPH = ([0.0, 1.0, 2.0], [2.0, 5.27, 2.0])


def case():
    return tqweir.Case.from_folder(STANDARD)


def flood_design():
    return tqweir.Design.from_folder(FLOOD)


# One sample of every class the package exposes and of every study's result.
SAMPLES = {
    "Case": case,
    "Run": lambda: tqweir.solve(case()),
    "Run stopped": lambda: tqweir.solve(case().with_(hd_nd=3.0)),
    "Design": flood_design,
    "Flood": lambda: flood_design().flood(HYDROGRAPH),
    "Operation": lambda: tqweir.Design.from_folder(os.path.join(EXAMPLES, "design_operation")).lower(),
    "rating": lambda: flood_design().rating(2, 3, 0.5),
    "checks": lambda: flood_design().checks(),
    "sweep": lambda: tqweir.sweep(case(), {"upstream_level": [1.0, 9.0]}, threads=1),
    "seek": lambda: tqweir.seek(STANDARD, ("upstream_level", 0, 4), ("bag_tension_kn_per_m", 40), tol=0.01),
    "sealed": lambda: tqweir.sealed(STANDARD, "upstream_level=1:2:0.5"),
    "Risk": small_risk,
}


def test_every_class_has_a_sample():
    """A class added to the package is held to pickling here too."""
    classes = {name for name in tqweir.__all__
               if inspect.isclass(getattr(tqweir, name)) and not issubclass(getattr(tqweir, name), Exception)}
    assert classes <= set(SAMPLES)


@pytest.mark.parametrize("name", sorted(SAMPLES))
def test_pickles_equal(name):
    value = SAMPLES[name]()
    again = pickle.loads(pickle.dumps(value))
    assert type(again) is type(value)
    if inspect.isclass(getattr(tqweir, name.split()[0], None)):
        assert again == value
    assert same_value(again, value)


def test_design_unpickled_without_its_folder(tmp_path, monkeypatch):
    """The design travels by its files: with the folder gone, the checks, the
    report (its flood from criteria.csv's file), a flood, a rating, a seek of
    a criterion and a sealed curve are the same, and so is a run's free body."""
    monkeypatch.setenv("SOURCE_DATE_EPOCH", "0")
    folder = tmp_path / "design"
    shutil.copytree(FLOOD, folder)
    hydrograph = pd.DataFrame({"hours": HYDROGRAPH[0], "m3/s": HYDROGRAPH[1]})
    hydrograph.to_csv(folder / "design_flood.csv", index=False)
    design = tqweir.Design.from_folder(folder)
    before = (design.checks(), design.report(), design.flood(hydrograph, power_failure=True),
              design.rating(2, 3, 0.5))
    seek = dict(vary=("upstream_level", 1, 6), until="membrane_strength", tol=0.01)
    sought = tqweir.seek(str(folder), **seek)
    sealed = tqweir.sealed(str(folder), "upstream_level=1:2:0.5")
    sent = pickle.dumps(design)
    shutil.rmtree(folder)
    arrived = pickle.loads(sent)
    after = (arrived.checks(), arrived.report(), arrived.flood(hydrograph, power_failure=True),
             arrived.rating(2, 3, 0.5))
    assert same_value(after[0], before[0]) and after[1] == before[1]
    assert after[2] == before[2] and same_value(after[3], before[3])
    again = tqweir.seek(arrived, **seek)
    assert sought["found"] and (again["value"], again["ratio"]) == (sought["value"], sought["ratio"])
    assert tqweir.sealed(arrived, "upstream_level=1:2:0.5").equals(sealed)
    run = tqweir.solve(case())
    assert pickle.loads(pickle.dumps(run)).leaf_forces().equals(run.leaf_forces())
