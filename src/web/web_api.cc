// The functions a page calls in the WebAssembly module (exported by name in
// src/web/CMakeLists.txt). Plain C entry points over memory the page reads
// and frees: no binding library, so the module stays small.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <new>
#include <string>
#include <utility>

#include "web/field_tables_json.h"
#include "web/file_block.h"
#include "web/page_run.h"
#include "web/page_section.h"

namespace {

using tqweir::web::put_files;
using tqweir::web::put_u32;
using tqweir::web::sized_block;
using tqweir::web::take_files;

void add_input(tqweir::web::PageCase& c, const char* name, const char* bytes, int size) {
  if (size >= 0) c.inputs[name].assign(bytes, static_cast<std::size_t>(size));
}

}  // namespace

extern "C" {

// The core's field and message tables as UTF-8 JSON (web/field_tables_json.h),
// in a sized block.
unsigned char* tqweir_field_tables() { return sized_block(tqweir::web::field_tables_json()); }

// Runs a case (web/page_run.h). Each input is its bytes and their count, a
// count of -1 for a missing file; `blocked` lists output names that cannot
// be written, separated by '/', or is empty. Returns a sized block holding
// the exit status, the number of files, then for each file the run writes
// its name's length and name and its content's length and bytes (counts
// 32-bit little-endian, as put_files). Null when memory runs out.
unsigned char* tqweir_solve(const char* syogen, int syogen_size, const char* parameter,
                            int parameter_size, const char* hitai, int hitai_size,
                            const char* blocked) {
  try {
    tqweir::web::PageCase c;
    add_input(c, "syogen.csv", syogen, syogen_size);
    add_input(c, "parameter.csv", parameter, parameter_size);
    add_input(c, "hitai.csv", hitai, hitai_size);
    std::string names = blocked;
    for (std::size_t start = 0; start < names.size();) {
      std::size_t end = names.find('/', start);
      if (end == std::string::npos) end = names.size();
      if (end > start) c.blocked.insert(names.substr(start, end - start));
      start = end + 1;
    }
    const tqweir::MemoryRun run = tqweir::web::run_page_case(c);
    std::string body;
    put_u32(body, static_cast<std::uint32_t>(run.exit_status));
    put_files(body, run.files);
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

}  // extern "C"
