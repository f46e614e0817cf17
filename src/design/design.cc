#include "design/design.h"

#include <utility>

#include "core/file_io.h"
#include "cases/case_table.h"
#include "text/input_error.h"
#include "cases/range_spec.h"
#include "text/text_encoding.h"

namespace tqweir {
namespace design {
namespace {

// The text of an optional file of the design in UTF-8 (refused when its
// encoding is mixed or broken); false when it is absent.
bool read_optional(FolderTexts& folder, const char* name, std::string& text) {
  const std::string path = join_path(folder.dir(), name);
  const FolderFile& file = folder.file(name);
  if (file.found == FileFound::absent) return false;
  if (file.found != FileFound::read) throw text::InputError("cannot read " + path);
  text = text::decoded_text(file.bytes, path);
  return true;
}

std::string range_case_name(const cases::CaseTable& table, std::size_t row) {
  std::string name;
  for (std::size_t c = 0; c < table.fields.size(); ++c) {
    if (c > 0) name += ", ";
    name += std::string(table.fields[c]->name) + " = " + table.rows[row][c].text;
  }
  return name;
}

std::string over_max_cases() {
  return "a report holds at most " + std::to_string(kMaxReportCases) +
         " (tqweir-sweep tabulates more)";
}

void take_cases(const cases::CaseTable& table, Design& design) {
  if (table.rows.size() > kMaxReportCases) {
    throw text::InputError(design.cases_from + ": " + std::to_string(table.rows.size()) +
                            " cases; " + over_max_cases());
  }
  design.fields = table.fields;
  for (std::size_t row = 0; row < table.rows.size(); ++row) {
    LoadCase c;
    c.name = table.names.empty() ? range_case_name(table, row) : table.names[row];
    for (const cases::FieldValue& value : table.rows[row]) c.values.push_back(value.text);
    c.input = cases::case_input(design.base.input, table, row);
    design.cases.push_back(c);
  }
}

}  // namespace

Design read_design(const std::string& dir, const std::vector<std::string>& ranges) {
  return read_design(FolderTexts::on_disk(dir), ranges);
}

Design read_design(FolderTexts folder, const std::vector<std::string>& ranges) {
  Design design;
  const std::string dir = folder.dir();
  design.dir = dir;
  design.base = cases::read_base_case(folder);
  design.files = {{"syogen.csv", text::text_as_utf8(design.base.texts.syogen)},
                  {"parameter.csv", text::text_as_utf8(design.base.texts.parameter)},
                  {"hitai.csv", text::text_as_utf8(design.base.texts.hitai)}};

  std::string text;
  if (!ranges.empty()) {
    std::vector<cases::RangeSpec> specs;
    for (const std::string& arg : ranges) {
      specs.push_back(cases::parse_range(arg));
      design.cases_from += (design.cases_from.empty() ? "--range " : " --range ") + arg;
    }
    take_cases(cases::expand_ranges(specs, kMaxReportCases), design);
    if (folder.file("loadcases.csv").found != FileFound::absent) {
      design.note = "loadcases.csv is not used: --range gives the cases";
    }
  } else if (read_optional(folder, "loadcases.csv", text)) {
    design.cases_from = "loadcases.csv";
    const cases::CaseTableRules rules{true, true, kMaxReportCases, over_max_cases()};
    take_cases(cases::read_case_table(text, join_path(dir, "loadcases.csv"), rules), design);
    design.files.push_back({"loadcases.csv", text});
  } else {
    design.cases.push_back({kBaseCaseName, {}, design.base.input});
  }

  if (read_optional(folder, "criteria.csv", text)) {
    design.criteria = read_criteria(text, join_path(dir, "criteria.csv"));
    check_flood_inflow(design.criteria.flood_inflow, folder, join_path(dir, "criteria.csv"));
    design.has_criteria = true;
    design.files.push_back({"criteria.csv", text});
  }
  folder.file(kOperationFileName);
  folder.file(kRiskFileName);
  design.folder = std::move(folder);
  return design;
}

}  // namespace design
}  // namespace tqweir
