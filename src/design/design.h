// A design as its folder gives it: the base case, the load cases laid over
// it, the criteria, and every input file as given.
#ifndef TQWEIR_DESIGN_DESIGN_H_
#define TQWEIR_DESIGN_DESIGN_H_

#include <string>
#include <vector>

#include "core/input_fields.h"
#include "cases/base_case.h"
#include "design/criteria.h"

namespace tqweir {
namespace design {

// Most cases a report holds: beyond this a table of results (tqweir-sweep)
// serves better than pages of drawings.
constexpr std::size_t kMaxReportCases = 200;

struct LoadCase {
  std::string name;                 // UTF-8
  std::vector<std::string> values;  // one per Design::fields, as written
  CaseInput input;                  // the base case with the values in their fields
};

// An input file as given, its text in UTF-8.
struct GivenFile {
  std::string name;
  std::string text;
};

struct Design {
  std::string dir;
  cases::BaseCase base;
  std::vector<const InputField*> fields;  // what the load cases set, in column order
  std::vector<LoadCase> cases;            // at least one
  std::string cases_from;  // "loadcases.csv", the --range arguments, or "" (the base case alone)
  std::string note;        // a remark on what was read, or ""
  bool has_criteria = false;
  Criteria criteria;
  std::vector<GivenFile> files;  // every file read, in the order read
  // The folder's files as read, to the byte: the base case, loadcases.csv,
  // criteria.csv and its flood_inflow, operation.csv and risk.csv, each as found
  // (operation.csv, risk.csv and the inflow are read here and refused only by the
  // study that needs them). A design made again from them is this design.
  FolderTexts folder;
};

// The name the base case gets when it is the only case.
constexpr const char* kBaseCaseName = u8"基本ケース base case";

// Reads the design in `dir`: the base case (it must read, as for the
// sweep), then the cases from `ranges` ("NAME=FROM:TO:STEP", every
// combination) or else loadcases.csv or else the base case alone, then
// criteria.csv when present. loadcases.csv and criteria.csv may be UTF-8
// or CP932; their values must be finite numbers. Throws text::InputError
// naming the file, line and column of what is wrong, or when there would
// be more than kMaxReportCases cases.
Design read_design(const std::string& dir, const std::vector<std::string>& ranges);
// The same from `folder`: on disk, or the files a design held (Design::folder).
Design read_design(FolderTexts folder, const std::vector<std::string>& ranges);

// The operation.csv of the design's folder: the name the gate's studies
// read (src/operation), kept here so that the design reads it with the rest.
constexpr const char* kOperationFileName = "operation.csv";

// The flood risk's file of the design's folder (src/risk reads it), kept
// with the rest likewise.
constexpr const char* kRiskFileName = "risk.csv";

}  // namespace design
}  // namespace tqweir

#endif  // TQWEIR_DESIGN_DESIGN_H_
