// The module's entry points for the design desk: a design's checks, and
// tqweir-report, tqweir-seek and tqweir-operate run on files the page
// holds. Blocks as in web_api.cc (web/file_block.h).
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "web/design_desk.h"
#include "web/file_block.h"
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

}  // extern "C"
