// What a run leaves on disk: the message log's exact bytes, which files a
// stop leaves alone, and what happens when a file cannot be written.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/case_runner.h"

using tqweir_test::ScratchDir;

namespace {

const char kSyogen[] = "0,10,0,5000,1,1,2,2.5,5,1,9800,9800\n";
const char kParameter[] = "1,2.5,0.3,0.5,15,45,2,3,10\n";
const char kHitai[] = "0,0\n3,0\n4,0.3\n";

// CP932 bytes of the messages this file checks, with CR LF.
const char kSyogenMissing[] =
    "syogen \x82\xaa\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82\xf1\r\n";
const char kFinished[] = "\x90\xb3\x8f\xed\x82\xc9\x8fI\x97\xb9\x82\xb5\x82\xdc\x82\xb5\x82\xbd\r\n";

void write_standard_case(const ScratchDir& dir) {
  dir.write("syogen.csv", kSyogen);
  dir.write("parameter.csv", kParameter);
  dir.write("hitai.csv", kHitai);
}

std::string log_text(const ScratchDir& dir) {
  bool ok = false;
  std::string text = tqweir_test::cp932_to_utf8(dir.read("error.csv"), ok);
  EXPECT_TRUE(ok) << "error.csv is not valid CP932";
  return text;
}

TEST(MessageLog, MissingSyogenIsTheOnlyLineEvenWithTheOtherInputsPresent) {
  ScratchDir dir;
  dir.write("parameter.csv", kParameter);
  dir.write("hitai.csv", kHitai);
  EXPECT_EQ(tqweir_test::run_tqweir(dir), 1);
  EXPECT_EQ(dir.read("error.csv"), kSyogenMissing);
  EXPECT_EQ(dir.files().size(), 3u);  // the two inputs and the log
}

TEST(MessageLog, EachMissingInputNamesItsFile) {
  ScratchDir dir;
  dir.write("syogen.csv", kSyogen);
  EXPECT_EQ(tqweir_test::run_tqweir(dir), 1);
  EXPECT_EQ(log_text(dir), u8"parameter.csv が見つかりません\r\n");
  dir.write("parameter.csv", kParameter);
  EXPECT_EQ(tqweir_test::run_tqweir(dir), 1);
  EXPECT_EQ(log_text(dir), u8"hitai.csv が見つかりません\r\n");
}

TEST(MessageLog, SuccessReplacesAnEarlierLog) {
  ScratchDir dir;
  write_standard_case(dir);
  dir.write("error.csv", "old line one\r\nold line two\r\n");
  EXPECT_EQ(tqweir_test::run_tqweir(dir), 0);
  EXPECT_EQ(dir.read("error.csv"), kFinished);
}

TEST(MessageLog, CrLfInputFilesSolveLikeLfFiles) {
  ScratchDir lf;
  write_standard_case(lf);
  ScratchDir crlf;
  crlf.write("syogen.csv", "0,10,0,5000,1,1,2,2.5,5,1,9800,9800\r\n");
  crlf.write("parameter.csv", "1,2.5,0.3,0.5,\r\n15,45,2,3,10\r\n");
  crlf.write("hitai.csv", "0,0\r\n3,0\r\n4,0.3\r\n");
  ASSERT_EQ(tqweir_test::run_tqweir(lf), 0);
  ASSERT_EQ(tqweir_test::run_tqweir(crlf), 0);
  for (const char* name : {"TQSpec.csv", "XYBalloon.csv", "XYGate.csv", "XYStopper.csv", "suimen.csv"}) {
    EXPECT_EQ(lf.read(name), crlf.read(name)) << name;
  }
}

TEST(StoppedRun, FirstTrialStopLeavesOldOutputsAlone) {
  ScratchDir dir;
  dir.write("syogen.csv", kSyogen);
  dir.write("parameter.csv", "1,2.5,3.0,0.5,15,45,2,3,10\n");  // hd_nd 3: TB < 0 at alpha 2
  dir.write("hitai.csv", kHitai);
  for (const char* name : {"suimen.csv", "XYGate.csv", "XYStopper.csv", "XYBalloon.csv", "TQSpec.csv"}) {
    dir.write(name, "old");
  }
  EXPECT_EQ(tqweir_test::run_tqweir(dir), 1);
  EXPECT_EQ(log_text(dir), u8"TB < 0 袋体張力が不適切です\r\n");
  for (const char* name : {"suimen.csv", "XYGate.csv", "XYStopper.csv", "XYBalloon.csv", "TQSpec.csv"}) {
    EXPECT_EQ(dir.read(name), "old") << name;
  }
}

TEST(StoppedRun, RangeStopHasWrittenTheSurfaceButNoResults) {
  ScratchDir dir;
  // A leaf weight so large that no bag pressure up to 500 holds the leaf.
  dir.write("syogen.csv", "0,10,0,5e9,1,1,2,2.5,5,1,9800,9800\n");
  dir.write("parameter.csv", kParameter);
  dir.write("hitai.csv", kHitai);
  dir.write("suimen.csv", "old");
  EXPECT_EQ(tqweir_test::run_tqweir(dir), 1);
  EXPECT_EQ(log_text(dir), u8"2.0 <α< 500 の範囲に解はありません(α>500)\r\n");
  EXPECT_NE(dir.read("suimen.csv"), "old");
  EXPECT_FALSE(dir.exists("TQSpec.csv"));
  EXPECT_FALSE(dir.exists("XYGate.csv"));
}

TEST(StoppedRun, NonFiniteResultWritesNoCoordinateOrSummaryFile) {
  ScratchDir dir;
  // A discharge coefficient of 1e308 over 2 m of overflow: the discharge
  // C h^1.5 overflows to infinity although the section itself balances.
  dir.write("syogen.csv", "0,10,0,5000,1,1,2,2.5,5,1e308,9800,9800\n");
  dir.write("parameter.csv", "1,5,0.3,0.5,15,45,2,3,10\n");
  dir.write("hitai.csv", kHitai);
  for (const char* name : {"XYGate.csv", "XYStopper.csv", "XYBalloon.csv", "TQSpec.csv"}) {
    dir.write(name, "old");
  }
  EXPECT_EQ(tqweir_test::run_tqweir(dir), 1);
  EXPECT_EQ(log_text(dir), u8"計算結果に有限でない値があります\r\n");
  for (const char* name : {"XYGate.csv", "XYStopper.csv", "XYBalloon.csv", "TQSpec.csv"}) {
    EXPECT_EQ(dir.read(name), "old") << name;
  }
  EXPECT_TRUE(dir.exists("suimen.csv"));
}

TEST(UnwritableOutput, SummaryInPlaceOfAFolderIsReportedByName) {
  ScratchDir dir;
  write_standard_case(dir);
  ASSERT_EQ(mkdir(dir.file("TQSpec.csv").c_str(), 0755), 0);
  EXPECT_EQ(tqweir_test::run_tqweir(dir), 1);
  EXPECT_EQ(log_text(dir), u8"TQSpec.csv に書き込めません\r\n");
}

TEST(UnwritableOutput, BlockedFileStopsTheRunAndWritesNothingAfterIt) {
  // A folder in place of an output file: the run names the file, and no
  // file that comes after it in the run is written.
  const struct {
    const char* blocked;
    std::vector<const char*> not_written;
  } cases[] = {
      {"suimen.csv", {"XYGate.csv", "TQSpec.csv"}},
      {"XYBalloon.csv", {"TQSpec.csv"}},
  };
  for (const auto& c : cases) {
    ScratchDir dir;
    write_standard_case(dir);
    ASSERT_EQ(mkdir(dir.file(c.blocked).c_str(), 0755), 0);
    EXPECT_EQ(tqweir_test::run_tqweir(dir), 1) << c.blocked;
    EXPECT_EQ(log_text(dir), std::string(c.blocked) + u8" に書き込めません\r\n");
    for (const char* name : c.not_written) EXPECT_FALSE(dir.exists(name)) << c.blocked << ": " << name;
  }
}

// Runs tqweir in `dir` with files limited to `max_bytes`: a write past the
// limit fails with EFBIG after the bytes below it are on disk, as on a
// device that fills up part way through a file. SIGXFSZ is ignored so that
// the failed write returns to the program instead of killing it.
int run_tqweir_with_file_size_limit(const ScratchDir& dir, rlim_t max_bytes) {
  const pid_t child = fork();
  if (child == 0) {
    const rlimit limit = {max_bytes, max_bytes};
    if (chdir(dir.path().c_str()) != 0 || signal(SIGXFSZ, SIG_IGN) == SIG_ERR ||
        setrlimit(RLIMIT_FSIZE, &limit) != 0) {
      _exit(127);
    }
    execl(TQWEIR_BINARY, TQWEIR_BINARY, static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

TEST(UnwritableOutput, WriteFailingHalfWayKeepsTheOldFilesAndNoTemporary) {
  // The bag outline (about 9 kB) is the only output above 4 kB: its write
  // stops after 4096 bytes, the smaller files of the same batch are
  // complete by then.
  ScratchDir dir;
  write_standard_case(dir);
  for (const char* name : {"XYGate.csv", "XYStopper.csv", "XYBalloon.csv", "TQSpec.csv"}) {
    dir.write(name, "old");
  }
  EXPECT_EQ(run_tqweir_with_file_size_limit(dir, 4096), 1);
  EXPECT_EQ(log_text(dir), u8"XYBalloon.csv に書き込めません\r\n");
  for (const char* name : {"XYGate.csv", "XYStopper.csv", "XYBalloon.csv", "TQSpec.csv"}) {
    EXPECT_EQ(dir.read(name), "old") << name;
  }
  EXPECT_TRUE(dir.exists("suimen.csv"));
  EXPECT_EQ(dir.files().size(), 9u) << "a temporary file is left behind";
}

TEST(UnwritableOutput, LinkOntoAnInputIsNotWrittenThrough) {
  // A link elsewhere is written through; one onto the run's own input
  // would overwrite it, and is refused like an unwritable file.
  ScratchDir dir;
  write_standard_case(dir);
  ASSERT_EQ(symlink("syogen.csv", dir.file("XYGate.csv").c_str()), 0);
  EXPECT_EQ(tqweir_test::run_tqweir(dir), 1);
  EXPECT_EQ(log_text(dir), u8"XYGate.csv に書き込めません\r\n");
  EXPECT_EQ(dir.read("syogen.csv"), kSyogen);
}

TEST(UnwritableOutput, LogThatCannotBeCreatedGivesStatusOne) {
  // A folder cannot be opened; a FIFO would block the run and a link onto
  // an input would truncate it before it is read: all are refused.
  const std::vector<std::pair<const char*, int (*)(const ScratchDir&)>> logs = {
      {"folder", [](const ScratchDir& d) { return mkdir(d.file("error.csv").c_str(), 0755); }},
      {"FIFO", [](const ScratchDir& d) { return mkfifo(d.file("error.csv").c_str(), 0644); }},
      {"link onto an input",
       [](const ScratchDir& d) { return symlink("hitai.csv", d.file("error.csv").c_str()); }},
  };
  for (const auto& [what, make] : logs) {
    ScratchDir dir;
    write_standard_case(dir);
    ASSERT_EQ(make(dir), 0) << what;
    EXPECT_EQ(tqweir_test::run_tqweir(dir), 1) << what;
    EXPECT_FALSE(dir.exists("TQSpec.csv")) << what;
    EXPECT_EQ(dir.read("hitai.csv"), kHitai) << what;
  }
}

}  // namespace
