// The base case of a tool that varies a case: its three files, which must
// read as the program reads them, because the values of the variants are
// laid over a base that is whole.
#ifndef TQWEIR_CASES_BASE_CASE_H_
#define TQWEIR_CASES_BASE_CASE_H_

#include <string>
#include <vector>

#include "core/folder_texts.h"
#include "core/run_state.h"
#include "input/case_reader.h"

namespace tqweir {
namespace cases {

struct BaseCase {
  CaseTexts texts;  // the files as given
  CaseInput input;  // as read
};

// Reads syogen.csv, parameter.csv and hitai.csv of `dir` in the order and
// with the checks of a run. Throws InputError naming the file for one that
// cannot be opened, or with the meaning of the message a run would stop
// with.
BaseCase read_base_case(const std::string& dir);
// The same from `folder`, whose files are read (or taken as held) in turn.
BaseCase read_base_case(FolderTexts& folder);

// The paths of the three files read_base_case reads in `dir`, for keeping a
// tool's outputs off them.
std::vector<std::string> base_case_paths(const std::string& dir);

}  // namespace cases
}  // namespace tqweir

#endif  // TQWEIR_CASES_BASE_CASE_H_
