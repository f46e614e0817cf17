// The command line of tqweir-seek.
#ifndef TQWEIR_TOOLS_SEEK_SEEK_OPTIONS_H_
#define TQWEIR_TOOLS_SEEK_SEEK_OPTIONS_H_

#include <string>

#include "studies/seek/seek_request.h"

namespace tqweir {
namespace seek {

constexpr const char* kSeekUsage =
    "usage: tqweir-seek CASE_DIR --vary FIELD=LO:HI --until RESULT=VALUE [-o OUT_DIR]\n"
    "                   [--pick N] [--tol T] [--scan N]\n"
    "       tqweir-seek DESIGN_DIR --vary FIELD=LO:HI --until CRITERION [--case NAME] ...\n"
    "       tqweir-seek CASE_DIR --vary FIELD=LO:HI --until stop [-o OUT_DIR] ...\n"
    "       tqweir-seek CASE_DIR --sealed FIELD=FROM:TO:STEP [-o CURVE.csv]\n"
    "       tqweir-seek --help | --version\n";

struct SeekOptions {
  bool help = false;
  bool version = false;
  std::string dir;
  std::string vary;       // "FIELD=LO:HI"
  std::string until;      // "RESULT=VALUE", a criterion's name, or "stop"
  std::string case_name;  // --case, empty when not given
  bool has_case = false;
  std::string sealed;     // "FIELD=FROM:TO:STEP", empty unless --sealed
  std::string output;     // OUT_DIR or CURVE.csv; empty: none (seek), sealed.csv (sealed)
  int pick = 1;           // which edge from LO, from 1
  double tolerance = 0.0; // 0: adjacent doubles
  int scan = 8;           // scan intervals
};

// Parses argv[1..]. Each option also takes its value after "=" (--vary=...).
// Throws text::InputError saying what is wrong: an unknown option, a
// missing value, --pick or --scan not a whole number in range, --tol not a
// finite number >= 0, an option given twice, --sealed together with any
// of --vary, --until, --case, --pick, --scan, --tol, or --vary or --until
// missing.
SeekOptions parse_seek_options(int argc, const char* const* argv);

// The seek the options ask for. Throws text::InputError for a --vary that
// is not FIELD=LO:HI, an unknown or whole-number field, and LO or HI that
// the case reader would not read as the field's value; the rest is checked
// by the plan (an --until VALUE that is no number arrives as a NaN).
SeekRequest seek_request(const SeekOptions& options);

// A refusal of the request or the sealed curve's in the command line's
// words: the option and its value, then the reason.
std::string refusal_text(const SeekRefusal& refusal, const SeekOptions& options);

}  // namespace seek
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_SEEK_SEEK_OPTIONS_H_
