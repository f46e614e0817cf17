"""tqweir.risk: the command's curve in this process, and the same curve to
the bit from a Dask cluster of worker processes."""

import atexit
import csv
import functools
import os
import pathlib
import shutil
import subprocess
import tempfile

import pytest

import tqweir

SOURCE = os.environ.get("TQWEIR_SOURCE_DIR", os.path.join(os.path.dirname(__file__), "..", ".."))
BUILD = os.environ.get("TQWEIR_BUILD_DIR", "")
FLOOD = os.path.join(SOURCE, "examples", "design_flood")
# A few events in every branch (a failed gate's sealed states included) and
# two realizations, so that the curve has its 5 % and 95 % columns.
SMALL = {"bins": 2, "events_per_bin": 3, "realizations": 2, "record_years": 30,
         "aep_to": 0.01, "power_failure_probability": 0.1, "gate_failure_probability": 0.05}


@functools.lru_cache(maxsize=None)
def small_folder():
    """design_flood with SMALL's rows in its risk.csv, in a folder of its own."""
    path = pathlib.Path(tempfile.mkdtemp(prefix="tqweir-risk-")) / "design"
    atexit.register(shutil.rmtree, path.parent, True)
    shutil.copytree(FLOOD, path)
    lines = (path / "risk.csv").read_text().splitlines()
    kept = [line for line in lines if line.split(",", 1)[0] not in SMALL]
    (path / "risk.csv").write_text("\n".join(kept + [f"{k},{v}" for k, v in SMALL.items()]) + "\n")
    return path


@functools.lru_cache(maxsize=None)
def small_risk():
    """tqweir.risk of small_folder() in this process (shared with test_pickle)."""
    return tqweir.risk(tqweir.Design.from_folder(small_folder()), threads=2)


@pytest.fixture()
def folder():
    return small_folder()


@pytest.fixture()
def here():
    return small_risk()


def test_curve_is_the_commands(folder, here, tmp_path):
    """Every cell of tqweir-risk's CURVE.csv is the Risk's number, to the bit."""
    tool = os.path.join(BUILD, "tqweir-risk")
    if not os.path.exists(tool):
        pytest.skip("tqweir-risk is not built")
    out = tmp_path / "curve.csv"
    subprocess.run([tool, str(folder), "-o", str(out), "--threads", "2"], check=True, capture_output=True)
    with open(out, encoding="cp932", newline="") as f:
        rows = list(csv.reader(f))
    assert rows[0] == list(here.curve.columns) == ["level_m", "aep", "aep_5", "aep_95"]
    assert [[float(c) for c in row] for row in rows[1:]] == here.curve.values.tolist()
    assert here.determined and here.aep_of_limit is not None


def test_dask_cluster_gives_the_same_risk(folder, here):
    """Blocks of events on two worker processes merge into the local Risk,
    every number the same; the design reaches them pickled, not by its folder."""
    distributed = pytest.importorskip("dask.distributed")
    with distributed.LocalCluster(n_workers=2, processes=True, threads_per_worker=1,
                                  dashboard_address=None) as cluster, distributed.Client(cluster) as client:
        assert tqweir.risk(tqweir.Design.from_folder(folder), client=client, blocks=5) == here


def test_refusals_name_the_keyword(folder):
    design = tqweir.Design.from_folder(folder)
    for kwargs, words in [({"threads": 0}, "threads=0: give a whole number from 1 to 64"),
                          ({"threads": 1.5}, "threads=1.5"),
                          ({"blocks": 2}, "blocks=2: blocks split the events among a client's workers"),
                          ({"client": "tcp://host:8786"}, "client='tcp://host:8786': give a dask.distributed.Client")]:
        with pytest.raises(tqweir.InputError, match=words.replace("(", r"\(")):
            tqweir.risk(design, **kwargs)
