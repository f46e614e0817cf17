// How the whole-run fuzz target cuts one fuzz input into the three input
// files of a case.
#ifndef TQWEIR_FUZZ_SPLIT_INPUT_H_
#define TQWEIR_FUZZ_SPLIT_INPUT_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "input/case_reader.h"

namespace tqweir_fuzz {

// A NUL byte separates the parts. The readers treat a NUL inside a file as
// an ordinary invalid character, so the separator takes nothing away that a
// file could mean.
constexpr char kPartSeparator = '\0';

using CaseFiles = tqweir::CaseTexts;

// syogen.csv, parameter.csv and hitai.csv in that order; a part whose
// separator is missing is empty, and the last part runs to the end (further
// NULs included).
CaseFiles split_case_input(const std::uint8_t* data, std::size_t size);

}  // namespace tqweir_fuzz

#endif  // TQWEIR_FUZZ_SPLIT_INPUT_H_
