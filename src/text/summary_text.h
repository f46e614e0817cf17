// The fields of a summary line (TQSpec.csv) as the program printed them.
#ifndef TQWEIR_TEXT_SUMMARY_TEXT_H_
#define TQWEIR_TEXT_SUMMARY_TEXT_H_

#include <string>
#include <vector>

namespace tqweir {
namespace text {

// The line split at its commas, each field exactly as printed, padding
// included ("%6.3f" pads 1.5 to " 1.500"). A well-formed line gives
// kSummaryFieldCount fields; an empty line gives none.
std::vector<std::string> summary_field_texts(const std::string& line);

}  // namespace text
}  // namespace tqweir

#endif  // TQWEIR_TEXT_SUMMARY_TEXT_H_
