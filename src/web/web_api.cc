// The functions a page calls in the WebAssembly module (exported by name in
// src/web/CMakeLists.txt). Plain C entry points over memory the page reads
// and frees: no binding library, so the module stays small.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "web/field_tables_json.h"
#include "web/page_run.h"

namespace {

void put_u32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xff);
}

// A block the page owns and frees with free(): the 32-bit little-endian
// size of what follows, then `body`. Null when memory runs out.
unsigned char* sized_block(const std::string& body) {
  auto* block = static_cast<unsigned char*>(std::malloc(body.size() + 4));
  if (block == nullptr) return nullptr;
  std::string size;
  put_u32(size, static_cast<std::uint32_t>(body.size()));
  std::memcpy(block, size.data(), 4);
  std::memcpy(block + 4, body.data(), body.size());
  return block;
}

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
// 32-bit little-endian). Null when memory runs out.
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
    put_u32(body, static_cast<std::uint32_t>(run.files.size()));
    for (const auto& file : run.files) {
      put_u32(body, static_cast<std::uint32_t>(file.first.size()));
      body += file.first;
      put_u32(body, static_cast<std::uint32_t>(file.second.size()));
      body += file.second;
    }
    return sized_block(body);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // extern "C"
