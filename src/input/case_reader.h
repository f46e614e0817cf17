// Reading a whole case: the three input files, in the order and with the
// checks of a run, from wherever the run's files are (driver/run_files.h).
#ifndef TQWEIR_INPUT_CASE_READER_H_
#define TQWEIR_INPUT_CASE_READER_H_

#include <functional>
#include <string>

#include "core/run_state.h"

namespace tqweir {

// The three files' contents as given.
struct CaseTexts {
  std::string syogen;
  std::string parameter;
  std::string hitai;
};

// The member of `texts` that holds input file `name` ("syogen.csv",
// "parameter.csv", "hitai.csv"), or nullptr for any other name.
std::string* case_text(CaseTexts& texts, const std::string& name);
const std::string* case_text(const CaseTexts& texts, const std::string& name);

// Hands over the content of the input file `name` ("syogen.csv", ...).
// Returns false when there is no such file.
using CaseSource = std::function<bool(const char* name, std::string& content)>;

// Reads syogen.csv, parameter.csv, checks span and perimeter, then reads
// hitai.csv, each file fetched from `source` just before it is read. Throws
// StopRun for a missing file and for the readers' checks, in that order.
CaseInput read_case(const CaseSource& source);

// Checks a case given as values, not texts (a table's row, a search's
// trial) as the readers check the files: a value of syogen.csv that is not
// finite stops the run as syogen_invalid, then one of parameter.csv as
// parameter_invalid, then span and perimeter, then the profile's points
// (hitai_bad_coordinate, hitai_zero_segment, hitai_point_count), so that
// a case stops where the run on its files would stop.
void check_case_values(const CaseInput& input);

// The three files of `dir` as they are, for a caller that reads them more
// than once (a file that is missing gives an empty text and false).
bool read_case_files(const std::string& dir, CaseTexts& texts);

}  // namespace tqweir

#endif  // TQWEIR_INPUT_CASE_READER_H_
