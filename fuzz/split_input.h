// How a fuzz target cuts one fuzz input into several files: the three input
// files of a case, or the files of a finished run.
#ifndef TQWEIR_FUZZ_SPLIT_INPUT_H_
#define TQWEIR_FUZZ_SPLIT_INPUT_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "input/case_reader.h"

namespace tqweir_fuzz {

// A NUL byte separates the parts. The readers treat a NUL inside a file as
// an ordinary invalid character, so the separator takes nothing away that a
// file could mean.
constexpr char kPartSeparator = '\0';

using CaseFiles = tqweir::CaseTexts;

// `count` parts (count >= 1): a part whose separator is missing is empty,
// and the last part runs to the end (further NULs included).
std::vector<std::string> split_parts(const std::uint8_t* data, std::size_t size,
                                     std::size_t count);

// syogen.csv, parameter.csv and hitai.csv in that order, as split_parts cuts them.
CaseFiles split_case_input(const std::uint8_t* data, std::size_t size);

}  // namespace tqweir_fuzz

#endif  // TQWEIR_FUZZ_SPLIT_INPUT_H_
