// What is asked of a seek and of a sealed curve, as typed values, and the
// refusal of a value that cannot be asked, naming which one so that each
// front end words it as its caller wrote it.
#ifndef TQWEIR_STUDIES_SEEK_SEEK_REQUEST_H_
#define TQWEIR_STUDIES_SEEK_SEEK_REQUEST_H_

#include <string>
#include <vector>

#include "studies/study_refusal.h"

namespace tqweir {
namespace seek {

enum class SeekKind { result, criterion, stop };

// Most scan intervals, and the highest pick.
constexpr int kMaxScanIntervals = 1000;

struct SeekRequest {
  std::string dir;         // the case's folder (a design folder for a criterion or a load case)
  std::string field;       // the real input field varied, by name
  double lo = 0.0, hi = 0.0;  // its range, in the field's unit
  SeekKind kind = SeekKind::result;
  std::string until;       // the result (column or name) or the criterion's name
  double target = 0.0;     // the result's target (SeekKind::result)
  bool has_case = false;
  std::string case_name;   // a load case of loadcases.csv
  int pick = 1;            // which edge from lo, from 1
  double tolerance = 0.0;  // 0: narrowed to adjacent doubles
  int scan = 8;            // scan intervals
};

struct SealedRequest {
  std::string dir;                  // the base case's folder
  std::string load;                 // the real input field that loads the sealed bag
  std::vector<std::string> levels;  // its values as decimal texts, in order
};

// The inputs a refusal can name.
enum class SeekInput { field, range, result, criterion, target, criteria, load_case, pick,
                       scan, tolerance, load, levels };

// A value of a seek's or a sealed curve's request refused.
using SeekRefusal = StudyRefusal<SeekInput>;

}  // namespace seek
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_SEEK_SEEK_REQUEST_H_
