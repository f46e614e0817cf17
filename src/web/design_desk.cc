#include "web/design_desk.h"

#include <vector>

#include "design/design.h"
#include "operation/operation_file.h"
#include "text/input_error.h"
#include "text/number_text.h"
#include "studies/report/case_run.h"
#include "studies/report/report_document.h"
#include "studies/report/report_sections.h"
#include "web/field_tables_json.h"
#include "web/memory_folder.h"

namespace tqweir {
namespace web {
namespace {

std::string json_list(const std::vector<std::string>& items) {
  std::string out;
  for (const std::string& item : items) out += (out.empty() ? "" : ",") + item;
  return "[" + out + "]";
}

std::string json_bool(bool value) { return value ? "true" : "false"; }

std::string limit_json(const design::Limit& limit) {
  return limit.given ? json_string(limit.text) : "null";
}

std::string text_json(const design::GivenText& text) {
  return text.given ? json_string(text.text) : "null";
}

std::string criteria_json(const design::Criteria& c) {
  const std::vector<std::pair<const char*, std::string>> items = {
      {"title", json_string(c.title)},
      {"project", json_string(c.project)},
      {"prepared_by", json_string(c.prepared_by)},
      {"date", json_string(c.date)},
      {"membrane_strength", limit_json(c.membrane_strength)},
      {"membrane_safety_factor", limit_json(c.membrane_safety_factor)},
      {"stopper_capacity", limit_json(c.stopper_capacity)},
      {"max_bag_pressure", limit_json(c.max_bag_pressure)},
      {"floor_anchor_capacity", limit_json(c.floor_anchor_capacity)},
      {"max_lowering_time", limit_json(c.max_lowering_time)},
      {"max_raising_time", limit_json(c.max_raising_time)},
      {"limit_variable", text_json(c.search.limit_variable)},
      {"limit_range", text_json(c.search.limit_range)},
      {"sealed_range", text_json(c.search.sealed_range)},
      {"flood_inflow", text_json(c.flood_inflow)}};
  std::string out;
  for (const auto& [key, value] : items) out += (out.empty() ? "" : ",") + json_string(key) + ":" + value;
  return "{" + out + "}";
}

// operation.csv's rows as written, each null when not given; null for a
// design without the file.
std::string operation_json(bool given, const operation::OperationFile& file) {
  if (!given) return "null";
  return "{\"valve_area\":" + limit_json(file.valve_area) +
         ",\"valve_coefficient\":" + limit_json(file.valve_coefficient) +
         ",\"blower_curve\":" + (file.has_blower ? json_string(file.blower_text) : "null") +
         ",\"lowered_angle\":" + limit_json(file.lowered_angle) + "}";
}

std::string case_json(const design::Design& design, std::size_t i, const report::CaseRun& run) {
  const design::LoadCase& lc = design.cases[i];
  std::vector<std::string> values;
  for (const std::string& v : lc.values) values.push_back(json_string(v));
  const CaseTexts texts = report::case_texts(lc.input, design.base.texts.hitai);
  return "{\"name\":" + json_string(lc.name) + ",\"values\":" + json_list(values) +
         ",\"converged\":" + json_bool(run.converged) + ",\"messageJa\":" +
         json_string(run.message_ja) + ",\"messageEn\":" + json_string(run.message_en) +
         ",\"syogen\":" + json_string(texts.syogen) + ",\"parameter\":" +
         json_string(texts.parameter) + ",\"seismic\":" +
         json_string(lc.input.seismic_coefficient > 0.0
                         ? text::exact_text(lc.input.seismic_coefficient)
                         : std::string()) +
         "}";
}

}  // namespace

std::string design_json(const std::map<std::string, std::string>& files,
                        const std::string& folder) {
  const MemoryFolder dir(files, folder);
  design::Design design;
  operation::OperationFile operation;
  bool has_operation = false;
  try {
    // Read from the parent, so that a message names the folder as the
    // command run beside it does.
    const WorkingFolder here(dir.parent());
    if (!here.ok()) throw text::InputError("the page's folder cannot be opened");
    design = design::read_design(dir.name(), {});
    // Refused here as tqweir-operate and tqweir-report refuse it, so that
    // the desk never keeps a file the tools would not read.
    has_operation = operation::read_operation_in(dir.name(), operation);
  } catch (const text::InputError& error) {
    return "{\"ok\":false,\"message\":" + json_string(error.what()) + "}";
  }
  const std::vector<report::CaseRun> runs = report::run_design(design);
  std::vector<std::string> fields, cases;
  for (const InputField* field : design.fields) fields.push_back(json_string(field->name));
  for (std::size_t i = 0; i < runs.size(); ++i) cases.push_back(case_json(design, i, runs[i]));
  return "{\"ok\":true,\"fields\":" + json_list(fields) + ",\"casesFrom\":" +
         json_string(design.cases_from) + ",\"note\":" + json_string(design.note) +
         ",\"cases\":" + json_list(cases) + ",\"criteria\":" + criteria_json(design.criteria) +
         ",\"hasCriteria\":" + json_bool(design.has_criteria) +
         ",\"operation\":" + operation_json(has_operation, operation) +
         ",\"checksHtml\":" + json_string(report::numbered_checks_section(design, runs)) + "}";
}

}  // namespace web
}  // namespace tqweir
