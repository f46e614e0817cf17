"""The module against the programs: the same bytes, tables and answers."""

import csv
import io
import math
import os
import subprocess

import pandas as pd
import pytest

import tqweir

SOURCE = os.environ.get("TQWEIR_SOURCE_DIR", os.path.join(os.path.dirname(__file__), "..", ".."))
BUILD = os.environ.get("TQWEIR_BUILD_DIR", os.path.join(SOURCE, "build"))
CASES = os.path.join(SOURCE, "tests", "data", "cases")
EXPECTED = os.path.join(SOURCE, "tests", "data", "expected")
STANDARD = os.path.join(SOURCE, "examples", "standard")
INPUTS = {"syogen.csv", "parameter.csv", "hitai.csv", "_exit_status"}


def expected_files(name):
    folder = os.path.join(EXPECTED, name)
    files = {}
    for file in sorted(set(os.listdir(folder)) - INPUTS):
        with open(os.path.join(folder, file), "rb") as f:
            files[file] = f.read()
    return files


@pytest.mark.parametrize("name", sorted(os.listdir(CASES)))
def test_stored_case_bytes(name):
    """Every stored case: the run's files are tqweir's, byte for byte; a case
    whose files do not read is refused naming the file, as the tools refuse it."""
    try:
        case = tqweir.Case.from_folder(os.path.join(CASES, name))
    except tqweir.InputError as error:
        with open(os.path.join(EXPECTED, name, "_exit_status")) as status:
            assert status.read().strip() == "1"
        assert ".csv" in str(error)
        return
    run = tqweir.solve(case)
    assert run.files == expected_files(name)
    if run.finished:
        printed = run.files["TQSpec.csv"].decode("ascii").split(",")
        assert [run.texts[n] for n in tqweir.RESULTS.index] == [p.strip() for p in printed]
        assert len(run.bag) == run.files["XYBalloon.csv"].count(b"\n")
        # The balance's terms by their names: they add up to the residual
        # in the balance's order, each water moment is its loads on their arms.
        b = run.balance
        assert b["stopper"] + ((b["loads"] + b["bag"]) + b["tip"]) == b["residual"]
        assert b["support_force"] / 1000 == run.unrounded["support_force"]
        for water in ("upstream", "downstream", "layer"):
            moment = b[water + "_load_h"] * b[water + "_arm_y"] + b[water + "_load_v"] * b[water + "_arm_x"]
            assert moment == (-b[water] if water == "downstream" else b[water])


def test_case_from_values_is_the_folders_case(tmp_path):
    base = tqweir.Case.from_folder(STANDARD)
    run = tqweir.solve(tqweir.Case(base.points, **base.fields()))
    assert run.files == tqweir.solve(base).files
    run.write(tmp_path)
    assert {p.name: p.read_bytes() for p in tmp_path.iterdir()} == run.files


def test_leaf_forces_are_the_plots_table(tmp_path):
    """The leaf's stations and reaction: tqweir-plot --leaf-forces's table
    from the hinge, in kN; the reaction closes the loads of the free body."""
    run = tqweir.solve(tqweir.Case.from_folder(STANDARD))
    run.write(tmp_path)
    for name in ("syogen.csv", "parameter.csv", "hitai.csv"):
        with open(os.path.join(STANDARD, name), "rb") as f:
            (tmp_path / name).write_bytes(f.read())
    subprocess.run([os.path.join(BUILD, "tqweir-plot"), str(tmp_path), "--leaf-forces"], check=True)
    with open(tmp_path / "leaf_forces.csv", newline="") as f:
        table = list(csv.reader(f))
    frame = run.leaf_forces()
    assert list(frame.columns) == ["s", "x", "y", "N", "V", "M"]
    assert len(frame) == len(table) - 1
    for row, cells in zip(frame.itertuples(index=False), table[1:]):
        assert all(abs(value - float(cell)) <= 5e-7 for value, cell in zip(row, cells))
    reaction = run.hinge_reaction
    assert abs(reaction["size"] - 106.370) < 5e-4
    assert abs(math.hypot(reaction["horizontal"], reaction["vertical"]) - reaction["size"]) < 1e-12


def test_seismic_keyword_reaches_the_balance():
    """kh given to a Case loads the gate through the same solve: its moment is
    among the balance's loads and the bag must push harder; 0 is the calm case."""
    base = tqweir.Case.from_folder(STANDARD)
    calm, quake = tqweir.solve(base), tqweir.solve(base.with_(seismic_coefficient=0.12))
    assert tqweir.solve(base.with_(seismic_coefficient=0.0)).files == calm.files
    b = quake.balance
    assert calm.balance["seismic"] == 0 and b["seismic"] > 0
    assert ((b["weight"] + b["water"]) + b["seismic"]) * b["width_factor"] == b["loads"]
    assert quake.unrounded["pressure_at_temperature"] > calm.unrounded["pressure_at_temperature"]


def test_changed_copy_that_stops_is_a_run():
    base = tqweir.Case.from_folder(STANDARD)
    run = tqweir.solve(base.with_(upstream_level=30.0))
    assert base.upstream_level == 2.5
    assert not run.finished and run.status == "no_solution_above"
    assert run.files["error.csv"] == (run.message.encode("cp932") + b"\r\n")
    assert "TQSpec.csv" not in run.files and run.leaf is None
    with pytest.raises(KeyError):
        run["alpha"]


@pytest.mark.parametrize("call, words", [
    (lambda: tqweir.Case.from_folder(os.path.join(CASES, "i01_syogen_eleven_fields")), "syogen.csv"),
    (lambda: tqweir.sweep(tqweir.Case.from_folder(STANDARD), {"hd_nd": [0.3, "O.3"]}),
     "table line 3, column 1 (hd_nd): 'O.3' is not a number"),
    (lambda: tqweir.Case.from_folder(STANDARD).with_(overflow_mode=1.5), "overflow_mode"),
    (lambda: tqweir.Case.from_folder(STANDARD).with_(upstream_levl=1.0), "unknown input field"),
    (lambda: tqweir.Case.from_folder(STANDARD).with_(seismic_coefficient=-0.1), "seismic_coefficient"),
])
def test_bad_input_is_a_value_error_saying_where(call, words):
    with pytest.raises(ValueError) as caught:
        call()
    assert isinstance(caught.value, tqweir.InputError)
    assert words in str(caught.value)


def read_result_csv(path):
    with open(path, "rb") as f:
        return list(csv.reader(io.StringIO(f.read().decode("cp932"), newline="")))


def test_sweep_frame_is_the_sweep_table(tmp_path):
    """The DataFrame holds tqweir-sweep's cells, finished and stopped rows
    alike, and does not depend on the number of threads."""
    out = tmp_path / "sweep.csv"
    subprocess.run([os.path.join(BUILD, "tqweir-sweep"), STANDARD, "--range", "overflow_mode=1:3:1",
                    "--range", "upstream_level=0:20:1.75", "-j", "2", "-o", str(out)],
                   check=True, capture_output=True)
    rows = read_result_csv(out)
    table = {"overflow_mode": [int(r[1]) for r in rows[1:]],
             "upstream_level": [float(r[2]) for r in rows[1:]]}
    frame = tqweir.sweep(tqweir.Case.from_folder(STANDARD), table, threads=2)
    assert [frame.index.name] + list(frame.columns) == rows[0]
    assert set(frame["status"]) > {"ok"}
    for row in rows[1:]:
        got = frame.loc[int(row[0])]
        assert list(got[["status", "message"]]) == row[3:5]
        for column, cell in zip(rows[0][5:], row[5:]):
            value = got[column]
            assert (math.isnan(value) and cell == "") or value == float(cell), (row[0], column)
    assert frame.equals(tqweir.sweep(tqweir.Case.from_folder(STANDARD), table, threads=1))


def test_report_and_seek_answer_as_the_commands(tmp_path):
    design = os.path.join(SOURCE, "examples", "design_standard")
    env = dict(os.environ, SOURCE_DATE_EPOCH="1700000000")
    out = tmp_path / "report.html"
    done = subprocess.run([os.path.join(BUILD, "tqweir-report"), design, "-o", str(out)],
                          capture_output=True, env=env)
    assert done.returncode == 1  # written; case 3 stops, so its checks are not determined
    os.environ["SOURCE_DATE_EPOCH"] = "1700000000"
    try:
        html = tqweir.Design.from_folder(design).report()
    finally:
        del os.environ["SOURCE_DATE_EPOCH"]
    assert html.encode("utf-8") == out.read_bytes()

    printed = subprocess.run([os.path.join(BUILD, "tqweir-seek"), STANDARD, "--vary",
                              "upstream_level=1:20", "--until", "bag_tension_kn_per_m=74"],
                             check=True, capture_output=True, text=True).stdout
    answer = tqweir.seek(STANDARD, ("upstream_level", 1, 20), ("bag_tension_kn_per_m", 74))
    assert len(answer["edges"]) > 1  # a crossing and the boundary where the runs stop
    assert f"value found: upstream_level = {answer['value']!r}\n" in printed
    assert f"bag_tension_kn_per_m {answer['printed']} as printed" in printed


OPERATION = os.path.join(SOURCE, "examples", "design_operation")
FLOOD = os.path.join(SOURCE, "examples", "design_flood")


def assert_frame_is_table(frame, path):
    """The frame has the table's columns and, cell by cell, its texts and numbers."""
    rows = read_result_csv(path)
    assert list(frame.columns) == rows[0]
    for (_, got), row in zip(frame.iterrows(), rows[1:], strict=True):
        for column, cell in zip(rows[0], row):
            value = got[column]
            if column in ("regime", "status", "message", "gate"):
                assert value == cell, column
            else:
                assert (math.isnan(value) and cell == "") or value == float(cell), column


@pytest.mark.parametrize("args", [
    ["--lower", "--case", "中間水位 tailwater on the leaf"],   # a fold, choked for part of the way
    ["--raise", "--case", "中間水位 tailwater on the leaf", "--within", "4"],   # sized
    ["--raise", "--case", "洪水時 flood with overflow", "--within", "5"],   # the blower's limit
])
def test_operation_answers_as_the_command(tmp_path, args):
    """The printout and status are tqweir-operate's, the frame holds its
    table's cells, and each time found is the time of its row."""
    out = tmp_path / "operation.csv"
    command = subprocess.run([os.path.join(BUILD, "tqweir-operate"), OPERATION, *args, "-o", str(out)],
                             capture_output=True, text=True)
    design = tqweir.Design.from_folder(OPERATION)
    within = float(args[-1]) if "--within" in args else None
    op = (design.lower if args[0] == "--lower" else design.raise_)(case=args[2], within=within)
    assert op.status == command.returncode
    assert op.printout + f"  table in {out}\n" == command.stdout
    assert_frame_is_table(op.table, out)
    times = op.table["time_s"]
    regimes = list(op.table["regime"])
    stopper = [times[i] for i, r in enumerate(regimes) if r == "stopper"] or [None]
    assert op.stopper_time == stopper[-1 if op.direction == "lower" else 0]
    assert list(op.folds["time_s"]) == [times[i - 1] for i, r in enumerate(regimes) if r == "fold"]
    if op.blower_limit is None:
        assert op.time == times.iloc[-1] and len(op.folds) == 1
        assert (op.choked[-1][1] == op.time) if op.direction == "lower" else (op.choked is None)
        assert (op.sizing is None) == (within is None)
        assert within is None or f" {op.sizing!r} times the curve" in op.printout
    else:
        assert op.time is None and op.sizing is None and regimes[-1] == "blocked"
        assert op.blower_limit["angle_deg"] == op.table["in_theta1_deg"].iloc[-1]


def test_bad_operation_file_names_its_line_and_column(tmp_path):
    for name in os.listdir(OPERATION):
        with open(os.path.join(OPERATION, name), "rb") as f:
            (tmp_path / name).write_bytes(f.read())
    (tmp_path / "operation.csv").write_text("valve_area,0.0002\nvalve_coefficient,O.6\nlowered_angle,5\n")
    with pytest.raises(tqweir.InputError, match=r"operation.csv line 2, column 2 \(valve_coefficient\)"):
        tqweir.Design.from_folder(tmp_path).lower()


@pytest.mark.parametrize("power_failure", [False, True])
def test_flood_answers_as_the_command(tmp_path, power_failure):
    """The printout and status are tqweir-operate --flood's, the series frame
    holds its CSV's cells, and the peaks are the printout's."""
    inflow = os.path.join(FLOOD, "design_flood.csv")
    out = tmp_path / "series.csv"
    command = subprocess.run([os.path.join(BUILD, "tqweir-operate"), FLOOD, "--flood", inflow, "-o",
                              str(out)] + (["--power-failure"] if power_failure else []),
                             capture_output=True, text=True)
    got = tqweir.Design.from_folder(FLOOD).flood(inflow, power_failure=power_failure)
    assert got.status == command.returncode == 0
    assert got.printout + f"  series in {out}\n" == command.stdout
    assert_frame_is_table(got.series, out)
    assert f"peak level {got.peak_level:.3f} m" in got.printout
    assert f"peak outflow {got.peak_outflow:.3f} m3/s at" in got.printout
    assert f"attenuation {got.attenuation:.3f} m3/s" in got.printout
    assert got.freeboard_ok == (got.freeboard >= 0) and len(got.checks) == 4
    assert (got.raising[0] is None) == power_failure


def test_flood_of_a_data_frame_is_the_flood_of_its_csv(tmp_path):
    """The hydrograph given as data routes as the CSV it was read from."""
    inflow = os.path.join(FLOOD, "design_flood.csv")
    out = tmp_path / "series.csv"
    subprocess.run([os.path.join(BUILD, "tqweir-operate"), FLOOD, "--flood", inflow, "-o", str(out)],
                   check=True, capture_output=True)
    got = tqweir.Design.from_folder(FLOOD).flood(pd.read_csv(inflow, float_precision="round_trip"))
    assert got.status == 0 and got.printout.startswith(f"tqweir-operate: flood inflow through {FLOOD}\n")
    assert_frame_is_table(got.series, out)


@pytest.mark.parametrize("call, words", [
    (lambda d: d.flood(([0, 1, 1], [2.0, 3.0, 4.0])),
     r"^inflow row 2: hours=1 does not come after the row before it$"),
    (lambda d: d.flood(pd.DataFrame({"h": [0, 1], "q": [2.0, -1.0]})),
     r"^inflow row 1: m3/s=-1 is not a finite number at least 0$"),
    (lambda d: d.lower(within=0), r"^within=0.0: give a number of minutes from 0.01 to 1000000$"),
    (lambda d: d.raise_(case="nope"), r"^case='nope': no such load case in "),
    (lambda d: tqweir.seek(FLOOD, ("upstream_level", 0, 4), "stop", pick=0),
     r"^pick=0: give a whole number from 1 to 1000$"),
    (lambda d: tqweir.sealed(FLOOD, "upstream_level=0:4:x"),
     r"^loads='upstream_level=0:4:x': FROM, TO and STEP are plain decimal numbers"),
    (lambda d: d.flood(os.path.join(FLOOD, "design_flood.csv"), failed=[1, 2]),
     r"^failed=\[1, 2\]: gate 2 is not one of the weir's 1 gate \(operation.csv's gates\)$"),
    (lambda d: d.fail_table(os.path.join(FLOOD, "design_flood.csv"), count=2),
     r"^count=2: the weir has 1 gate$"),
])
def test_keywords_are_refused_in_their_own_words(call, words):
    with pytest.raises(tqweir.InputError, match=words):
        call(tqweir.Design.from_folder(FLOOD))


def test_rating_frame_is_the_commands_table_and_bad_input_raises(tmp_path):
    out = tmp_path / "rating.csv"
    subprocess.run([os.path.join(BUILD, "tqweir-operate"), FLOOD, "--rating", "2.5:3.5:0.5",
                    "--angles", "20,40", "-o", str(out)], check=True, capture_output=True)
    design = tqweir.Design.from_folder(FLOOD)
    assert_frame_is_table(design.rating(2.5, 3.5, 0.5, angles=[20, 40]), out)
    with pytest.raises(tqweir.InputError, match=r"^rating: hi=2.5 is below lo=3.5$"):
        design.rating(3.5, 2.5, 0.5)
    with pytest.raises(tqweir.InputError, match="no_such.csv"):
        design.flood(tmp_path / "no_such.csv")


def test_rating_takes_any_finite_float():
    """Floats that are no short decimals (0.1 * 3, 1 / 3) give the levels lo +
    k*step up to hi; refusals name the keyword and its value."""
    design = tqweir.Design.from_folder(FLOOD)
    for hi, step in ((2.5 + 0.1 * 3, 0.1), (3.5, 1 / 3)):
        levels = design.rating(2.5, hi, step)["upstream_level_m"].unique().tolist()
        assert levels == [2.5 + k * step for k in range(3)] + [hi]
    for args, words in (((2.5, 3.5, 0.0), "step=0.0 is not above 0"),
                        ((math.inf, 3.5, 0.1), "lo=inf is not a finite number"),
                        ((2.5, 3.5, 1e-05), "step=1e-05 gives more than 2000 levels")):
        with pytest.raises(tqweir.InputError, match=words):
            design.rating(*args)


def flood_design(tmp_path, limit, operation_extra=""):
    """examples/design_flood in tmp_path with max_upstream_level `limit`."""
    import shutil
    folder = tmp_path / "design"
    shutil.copytree(FLOOD, folder, dirs_exist_ok=True)
    rows = [r for r in (folder / "criteria.csv").read_text(encoding="utf-8").splitlines()
            if not r.startswith("max_upstream_level")]
    (folder / "criteria.csv").write_text("\n".join(rows + [f"max_upstream_level,{limit!r}"]) + "\n",
                                         encoding="utf-8")
    if operation_extra:
        rows = [r for r in (folder / "operation.csv").read_text(encoding="utf-8").splitlines()
                if not r.startswith("pond_area")]
        (folder / "operation.csv").write_text("\n".join(rows + [operation_extra]) + "\n",
                                              encoding="utf-8")
    return tqweir.Design.from_folder(folder)


def test_weir_of_three_gates_answers_as_the_command(tmp_path):
    """A weir of three gates and a fixed crest: the K-failed table's rows, a
    flood with gate 2 failed and the rating's weir columns are the command's."""
    design = flood_design(tmp_path, 4.0, "pond_area,200000\ngates,3\nfixed_crest,20 3.3 1.7")
    folder, inflow = str(tmp_path / "design"), os.path.join(FLOOD, "design_flood.csv")

    def command(*args):
        return subprocess.run([os.path.join(BUILD, "tqweir-operate"), folder, *args],
                              capture_output=True, text=True)
    rows = command("--flood", inflow, "--fail-count", "1").stdout.splitlines(keepends=True)[1:5]
    table = design.fail_table(inflow, count=1)
    assert list(table["printed"]) == rows and list(table["power"]) == [True, False, True, False]
    assert list(design.fail_table(inflow, count=1, power=False)["printed"]) == rows[1::2]
    failed = command("--flood", inflow, "--failed", "2")
    assert design.flood(inflow, failed=[2]).printout == failed.stdout
    out = tmp_path / "rating.csv"
    assert command("--rating", "3:4:0.5", "-o", str(out)).returncode == 0
    assert_frame_is_table(design.rating(3, 4, 0.5), out)


def test_freeboard_is_ok_at_the_limit_and_not_determined_where_the_route_stops(tmp_path):
    """A constant inflow: its peak as the limit is OK, 5 mm less is NG, and no
    negative zero is printed. The route that stops before the flood's peak
    within the limit determines nothing: freeboard_ok and the checks' ok
    are None, the status 1, and the printout says why."""
    inflow = tmp_path / "constant.csv"
    inflow.write_text("hours,m3/s\n0,2\n1,2\n")
    peak = flood_design(tmp_path, 4.0).flood(inflow).peak_level
    at = flood_design(tmp_path, peak).flood(inflow)
    assert at.freeboard == 0.0 and at.freeboard_ok is True and at.status == 0
    assert "-0.0" not in at.printout
    assert flood_design(tmp_path, peak - 0.005).flood(inflow).freeboard_ok is False

    stops = flood_design(tmp_path, 3.7, "storage_curve,0:0 3.6:720000").flood(
        os.path.join(FLOOD, "design_flood.csv"))
    assert not stops.finished and stops.status == 1
    assert stops.freeboard > 0 and stops.freeboard_ok is None
    assert all(ok is None for ok in stops.checks["ok"])
    assert "  OK" not in stops.printout
    assert "m  not determined: the route stops at 10 h" in stops.printout
