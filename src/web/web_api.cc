// The functions a page calls in the WebAssembly module (exported by name in
// src/web/CMakeLists.txt). Plain C entry points over memory the page reads
// and frees: no binding library, so the module stays small.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <new>
#include <string>
#include <utility>

#include "web/field_tables_json.h"
#include "cases/field_value.h"
#include "core/input_fields.h"
#include "driver/memory_run.h"
#include "text/csv_cells.h"
#include "text/run_results.h"
#include "web/file_block.h"
#include "web/page_section.h"

namespace {

using tqweir::web::put_files;
using tqweir::web::put_u32;
using tqweir::web::sized_block;
using tqweir::web::take_files;

// Input `name` of a case: its bytes, or absent for a count of -1.
void add_input(tqweir::CaseTexts& texts, tqweir::FolderLike& folder, const char* name,
               const char* bytes, int size) {
  if (size >= 0) {
    tqweir::case_text(texts, name)->assign(bytes, static_cast<std::size_t>(size));
  } else {
    folder.absent.insert(name);
  }
}

// The three inputs as the page passes them: each its bytes and their
// count, a count of -1 for a missing file.
struct InputBytes {
  const char* syogen;
  int syogen_size;
  const char* parameter;
  int parameter_size;
  const char* hitai;
  int hitai_size;
};

// The run of `inputs` in an earthquake of `kh` (0: none; driver/memory_run.h),
// `blocked` listing output names that cannot be written, separated by '/':
// the exit status, the number of files, then for each file the run writes
// its name's length and name and its content's length and bytes (counts
// 32-bit little-endian, as put_files).
std::string run_body(const InputBytes& inputs, const char* blocked, double kh) {
  tqweir::CaseTexts texts;
  tqweir::FolderLike folder;
  add_input(texts, folder, "syogen.csv", inputs.syogen, inputs.syogen_size);
  add_input(texts, folder, "parameter.csv", inputs.parameter, inputs.parameter_size);
  add_input(texts, folder, "hitai.csv", inputs.hitai, inputs.hitai_size);
  std::string names = blocked;
  for (std::size_t start = 0; start < names.size();) {
    std::size_t end = names.find('/', start);
    if (end == std::string::npos) end = names.size();
    if (end > start) folder.blocked.insert(names.substr(start, end - start));
    start = end + 1;
  }
  const tqweir::MemoryRun run = tqweir::run_in_memory(texts, folder, kh);
  std::string body;
  put_u32(body, static_cast<std::uint32_t>(run.exit_status));
  put_files(body, run.files);
  return body;
}

// TQSpec.csv's fields as JSON, [{"text", "value"}, ...] in file order, or
// [] for a summary that is not the program's one line of numbers.
std::string printed_summary_json(const std::string& summary) {
  tqweir::text::PrintedSummary printed;
  try {
    printed = tqweir::text::read_printed_summary(summary);
  } catch (const tqweir::text::RunFilesError&) {
    return "[]";
  }
  std::string json = "[";
  for (std::size_t i = 0; i < printed.text.size(); ++i) {
    char value[32];
    std::snprintf(value, sizeof value, "%.17g", printed.value[i]);
    json += std::string(i == 0 ? "" : ",") + "{\"text\":" +
            tqweir::web::json_string(printed.text[i]) + ",\"value\":" + value + "}";
  }
  return json + "]";
}

}  // namespace

extern "C" {

// The core's field and message tables as UTF-8 JSON (web/field_tables_json.h),
// in a sized block.
unsigned char* tqweir_field_tables() { return sized_block(tqweir::web::field_tables_json()); }

// Runs a case in memory (driver/memory_run.h). Each input is its bytes and their count, a
// count of -1 for a missing file; `blocked` lists output names that cannot
// be written, separated by '/', or is empty. Returns a sized block holding
// the exit status, the number of files, then for each file the run writes
// its name's length and name and its content's length and bytes (counts
// 32-bit little-endian, as put_files). Null when memory runs out.
unsigned char* tqweir_solve(const char* syogen, int syogen_size, const char* parameter,
                            int parameter_size, const char* hitai, int hitai_size,
                            const char* blocked) {
  try {
    return sized_block(
        run_body({syogen, syogen_size, parameter, parameter_size, hitai, hitai_size}, blocked, 0.0));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

// tqweir_solve in an earthquake: `seismic` is the horizontal seismic
// coefficient kh as the form holds it (UTF-8), empty for none. Returns a
// sized block holding 1 and then what tqweir_solve's block holds, or 0 and
// why kh is refused (read as loadcases.csv's column is read). Empty and 0
// run the case exactly as tqweir_solve. Null when memory runs out.
unsigned char* tqweir_solve_seismic(const char* syogen, int syogen_size, const char* parameter,
                                    int parameter_size, const char* hitai, int hitai_size,
                                    const char* blocked, const char* seismic) {
  try {
    const std::string kh_text = seismic;
    tqweir::cases::FieldValue kh;
    std::string why;
    std::string body;
    if (!kh_text.empty() &&
        !tqweir::cases::parse_design_value(tqweir::seismic_field(), kh_text, kh, why)) {
      put_u32(body, 0);
      body += tqweir::seismic_field().name + std::string(": ") +
              tqweir::text::shown_cell(kh_text) + " " + why;
      return sized_block(body);
    }
    put_u32(body, 1);
    body += run_body({syogen, syogen_size, parameter, parameter_size, hitai, hitai_size}, blocked,
                     kh.real);
    return sized_block(body);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

// The section drawing of a run (web/page_section.h): `files` is a block of
// `size` bytes laid out as put_files lays it out, the run's files with the
// case's syogen.csv; `case_name` and `id_prefix` are UTF-8 texts. Returns a
// sized block holding 1 and the <svg> element, or 0 and why there is no
// drawing. Null when memory runs out.
unsigned char* tqweir_section_svg(const unsigned char* files, int size, const char* case_name,
                                  const char* id_prefix) {
  try {
    const tqweir::web::PageSection section = tqweir::web::page_section_svg(
        take_files(files, size > 0 ? static_cast<std::size_t>(size) : 0), case_name, id_prefix);
    std::string body;
    put_u32(body, section.drawn ? 1 : 0);
    body += section.text;
    return sized_block(body);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

// TQSpec.csv's fields as the tools read them (`summary`, `size` bytes):
// a sized block holding the JSON text of printed_summary_json. Null when
// memory runs out.
unsigned char* tqweir_printed_summary(const char* summary, int size) {
  try {
    return sized_block(
        printed_summary_json(std::string(summary, size > 0 ? static_cast<std::size_t>(size) : 0)));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // extern "C"
