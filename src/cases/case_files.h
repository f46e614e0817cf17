// The three input files of a case held in memory, as a tool writes them for
// tqweir to read.
#ifndef TQWEIR_CASES_CASE_FILES_H_
#define TQWEIR_CASES_CASE_FILES_H_

#include <string>

#include "input/case_reader.h"

namespace tqweir {
namespace cases {

// syogen.csv and parameter.csv of `input` with every value written exactly
// (the shortest text that reads back to the same double), hitai.csv as
// given.
CaseTexts exact_case_texts(const CaseInput& input, const std::string& hitai);

}  // namespace cases
}  // namespace tqweir

#endif  // TQWEIR_CASES_CASE_FILES_H_
