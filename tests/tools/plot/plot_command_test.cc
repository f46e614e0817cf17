// The tqweir-plot program on real run folders: a drawing for a finished
// run, and a clear refusal (status 1, a message, no drawing) otherwise.
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "support/case_runner.h"

using tqweir_test::ScratchDir;

namespace {

struct Result {
  int status;
  std::string out;
  std::string err;
};

// Runs tqweir-plot in `dir` with `args`, its output kept in `logs`.
Result run_plot(const ScratchDir& dir, const std::string& args) {
  static const ScratchDir logs;
  const std::string command = "cd '" + dir.path() + "' && '" TQWEIR_PLOT_BINARY "' " + args +
                              " </dev/null >'" + logs.file("out") + "' 2>'" +
                              logs.file("err") + "'";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, logs.read("out"), logs.read("err")};
}

// A folder holding the standard example after a normal run.
void finished_run(const ScratchDir& dir) {
  dir.copy_from(std::string(TQWEIR_SOURCE_DIR) + "/examples/standard");
  ASSERT_EQ(tqweir_test::run_tqweir(dir), 0);
}

TEST(PlotCommand, DrawsAFinishedRunIntoItsFolderOrTheNamedFile) {
  ScratchDir dir;
  finished_run(dir);
  Result r = run_plot(dir, "");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(dir.read("section.svg").rfind("<svg", 0), 0u);
  r = run_plot(dir, "--dxf");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(dir.read("section.dxf").find("AC1009"), std::string::npos);

  ScratchDir elsewhere;
  r = run_plot(elsewhere, "'" + dir.path() + "' -o picture.svg");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(elsewhere.exists("picture.svg"));
  EXPECT_EQ(elsewhere.read("picture.svg"), dir.read("section.svg"));
}

TEST(PlotCommand, RefusesARunThatDidNotFinish) {
  ScratchDir dir;
  finished_run(dir);
  // An earlier run's outputs are still there, but the last run stopped.
  dir.write("error.csv", "TB < 0 \x91\xdc\x91\xcc\x92\xa3\x97\xcd\x82\xaa\x95s\x93K\x90\xd8\x82\xc5\x82\xb7\r\n");
  const Result r = run_plot(dir, "");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("did not finish normally"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find(u8"TB < 0 袋体張力が不適切です"), std::string::npos) << r.err;
  EXPECT_FALSE(dir.exists("section.svg"));
  EXPECT_EQ(run_plot(dir, "--dxf").status, 1);
  EXPECT_FALSE(dir.exists("section.dxf"));
}

TEST(PlotCommand, RefusesAMissingOrMalformedFile) {
  struct Case {
    const char* file;
    const char* bytes;  // nullptr: remove the file
    const char* expected;
  };
  const Case cases[] = {
      {"error.csv", nullptr, "error.csv is missing"},
      {"XYBalloon.csv", nullptr, "XYBalloon.csv is missing"},
      {"TQSpec.csv", nullptr, "TQSpec.csv is missing"},
      {"XYGate.csv", "3.0,-0.26\r\n0,0\r\n1,1,1\r\n", "XYGate.csv line 3"},
      {"suimen.csv", "0,2.5,2.5\r\n", "suimen.csv line 1"},
      {"TQSpec.csv", "1, 2.500", "TQSpec.csv"},
  };
  for (const Case& c : cases) {
    ScratchDir dir;
    finished_run(dir);
    if (c.bytes == nullptr) {
      std::remove(dir.file(c.file).c_str());
    } else {
      dir.write(c.file, c.bytes);
    }
    for (const char* format : {"", "--dxf"}) {
      const Result r = run_plot(dir, format);
      EXPECT_EQ(r.status, 1) << c.file << format;
      EXPECT_NE(r.err.find(c.expected), std::string::npos) << c.file << ": " << r.err;
    }
    EXPECT_FALSE(dir.exists("section.svg") || dir.exists("section.dxf")) << c.file;
  }
}

TEST(PlotCommand, RefusesAFolderThatIsNotThere) {
  ScratchDir dir;
  const Result r = run_plot(dir, "no-such-run -o x.svg");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("no-such-run: there is no such folder"), std::string::npos) << r.err;
  EXPECT_TRUE(dir.files().empty());
}

TEST(PlotCommand, ReadsTheFloorAngleFromSyogenOnlyWhenTheGateFileLacksIt) {
  ScratchDir dir;
  finished_run(dir);
  // A floor point at the hinge shows no direction.
  dir.write("XYGate.csv",
            "0.00000000,0.00000000\r\n0.00000000,0.00000000\r\n2.12132034,2.12132034\r\n");
  EXPECT_EQ(run_plot(dir, "").status, 0);
  std::remove(dir.file("section.svg").c_str());
  std::remove(dir.file("syogen.csv").c_str());
  const Result r = run_plot(dir, "");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("syogen.csv is missing"), std::string::npos) << r.err;
  EXPECT_FALSE(dir.exists("section.svg"));
}

TEST(PlotCommand, AnUnwritableOutputIsAFailureWithNoFileLeft) {
  ScratchDir dir;
  finished_run(dir);
  const Result r = run_plot(dir, "-o no/such/folder/x.svg");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("cannot write no/such/folder/x.svg"), std::string::npos) << r.err;
}

TEST(PlotCommand, RefusesToDrawOverItsRunOrOntoAFifo) {
  namespace fs = std::filesystem;
  ScratchDir dir;
  finished_run(dir);
  ASSERT_EQ(mkfifo(dir.file("fifo").c_str(), 0644), 0);
  fs::create_symlink("TQSpec.csv", dir.file("section.svg"));  // the default drawing
  const std::map<std::string, std::string> before = dir.files();
  const struct {
    const char* args;
    const char* why;
  } refused[] = {
      {"-o XYGate.csv", "cannot write XYGate.csv: it is XYGate.csv, which this command reads"},
      {"", "cannot write section.svg: it is TQSpec.csv, which this command reads"},
      {"-o fifo", "cannot write fifo: it is a device, FIFO or socket, not a regular file"},
  };
  for (const auto& r : refused) {
    const Result result = run_plot(dir, r.args);
    EXPECT_EQ(result.status, 1) << r.args;
    EXPECT_EQ(result.err, std::string("tqweir-plot: ") + r.why + "\n");
  }
  EXPECT_EQ(dir.files(), before);
  EXPECT_TRUE(fs::is_fifo(dir.file("fifo")));
}

// The leaf's forces of a run: a table from the hinge, CR LF; never over an
// input of the case it solves again, and refused once the inputs no longer
// give the run's results.
TEST(PlotCommand, TabulatesTheLeafForcesOfItsOwnRun) {
  ScratchDir dir;
  finished_run(dir);
  Result r = run_plot(dir, "--leaf-forces");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string table = dir.read("leaf_forces.csv");
  EXPECT_EQ(table.rfind("s (m),x (m),y (m),N (kN/m),V (kN/m),M (kN m/m)\r\n0.000000,0.000000,0.000000,", 0), 0u);
  r = run_plot(dir, "--leaf-forces -o hitai.csv");
  EXPECT_EQ(r.err, "tqweir-plot: cannot write hitai.csv: it is hitai.csv, which this command reads\n");
  std::string summary = dir.read("TQSpec.csv");
  summary[summary.find_first_of("123456789")] = '0';
  dir.write("TQSpec.csv", summary);
  r = run_plot(dir, "--leaf-forces -o other.csv");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("no longer give the run's TQSpec.csv"), std::string::npos) << r.err;
  EXPECT_FALSE(dir.exists("other.csv"));
}

TEST(PlotCommand, HelpDocumentsTheCommandAndBadUsageIsStatusTwo) {
  ScratchDir dir;
  const Result help = run_plot(dir, "--help");
  EXPECT_EQ(help.status, 0);
  for (const char* part : {"tqweir-plot [DIR] [--dxf | --leaf-forces] [-o FILE]", "error.csv", "section.svg",
                           "section.dxf", "leaf_forces.csv", "Exit status"}) {
    EXPECT_NE(help.out.find(part), std::string::npos) << part;
  }
  EXPECT_EQ(run_plot(dir, "--version").status, 0);
  for (const char* args : {"--bogus", "a b", "-o", "-o --dxf", "-o x.svg -o y.svg", "--dxf --dxf", "--dxf --leaf-forces", "--help extra"}) {
    const Result r = run_plot(dir, args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_NE(r.err.find("usage:"), std::string::npos) << args;
  }
  EXPECT_NE(run_plot(dir, "--bogus").err.find("unknown option --bogus"), std::string::npos);
  EXPECT_TRUE(dir.files().empty());
}

}  // namespace
