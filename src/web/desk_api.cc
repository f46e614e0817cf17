// The module's entry points for the design desk: a design's checks, and
// tqweir-report, tqweir-seek and tqweir-operate run on files the page
// holds. Blocks as in web_api.cc (web/file_block.h).
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "web/design_desk.h"
#include "web/file_block.h"
#include "web/flood_view.h"
#include "web/operation_section_page.h"
#include "web/tool_command.h"

namespace {

std::map<std::string, std::string> files_of(const unsigned char* block, int size) {
  return tqweir::web::take_files(block, size > 0 ? static_cast<std::size_t>(size) : 0);
}

}  // namespace

extern "C" {

// The design desk's view of a design folder named `folder`
// (web/design_desk.h): `files` laid out as put_files lays them out.
// Returns a sized block holding the JSON text. Null when memory runs out.
unsigned char* tqweir_design(const unsigned char* files, int size, const char* folder) {
  try {
    return tqweir::web::sized_block(tqweir::web::design_json(files_of(files, size), folder));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

// Runs `tool` (web/tool_command.h) on `files` in a folder named `folder`
// with `args`, one argument a line, and `today` for the report's date. Returns a sized block holding
// the exit status, what it printed and its messages (each its 32-bit size
// and bytes), then the files it wrote into {out} as put_files lays them
// out. Null when memory runs out.
unsigned char* tqweir_tool(const char* tool, const unsigned char* files, int size,
                           const char* folder, const char* args, const char* today) {
  try {
    std::vector<std::string> words;
    std::istringstream lines(args);
    for (std::string line; std::getline(lines, line);) words.push_back(line);
    const tqweir::web::ToolRun run = tqweir::web::run_tool(tool, files_of(files, size), folder, words, today);
    std::string body;
    tqweir::web::put_u32(body, static_cast<std::uint32_t>(run.exit_status));
    tqweir::web::put_text(body, run.out);
    tqweir::web::put_text(body, run.err);
    tqweir::web::put_files(body, run.files);
    return tqweir::web::sized_block(body);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

// The flood view of the design in `files` (web/flood_view.h) for the
// inflow file `inflow` among them. Returns a sized block holding, with
// power and then without, the exit status, what it printed and its
// messages (each text its 32-bit size and bytes), then the report's page
// with its flood section alone. Null when memory runs out.
unsigned char* tqweir_flood_view(const unsigned char* files, int size, const char* folder,
                                 const char* inflow) {
  try {
    const tqweir::web::FloodView view = tqweir::web::flood_view(files_of(files, size), folder, inflow);
    std::string body;
    for (const tqweir::web::FloodPrintout* p : {&view.with_power, &view.without_power}) {
      tqweir::web::put_u32(body, static_cast<std::uint32_t>(p->exit_status));
      tqweir::web::put_text(body, p->out);
      tqweir::web::put_text(body, p->err);
    }
    tqweir::web::put_text(body, view.section_page);
    return tqweir::web::sized_block(body);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

// The report's page with its operation section alone for the design in
// `files` (web/operation_section_page.h). Returns a sized block holding 1
// and the page, or 0 and what the report says refusing the design (the
// text its 32-bit size and bytes). Null when memory runs out.
unsigned char* tqweir_operation_section(const unsigned char* files, int size, const char* folder) {
  try {
    const tqweir::web::SectionPage page = tqweir::web::operation_section_page(files_of(files, size), folder);
    std::string body;
    tqweir::web::put_u32(body, page.made ? 1 : 0);
    tqweir::web::put_text(body, page.text);
    return tqweir::web::sized_block(body);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // extern "C"
