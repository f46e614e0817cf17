// The functions a page calls in the WebAssembly module (exported by name in
// scripts/build-web.sh). Plain C entry points over memory the page reads:
// no binding library, so the module stays small.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "driver/run_directory.h"
#include "web/field_tables_json.h"

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

}  // namespace

extern "C" {

// The core's field and message tables as UTF-8 JSON (web/field_tables_json.h),
// in a sized block.
unsigned char* tqweir_field_tables() { return sized_block(tqweir::web::field_tables_json()); }

// Runs the case given as three texts (bytes as in the files, each with its
// length) and returns a sized block holding: the exit status, the number of
// files, then for each file the run writes, its name's length and name and
// its content's length and bytes (all counts 32-bit little-endian). Null
// when memory runs out.
unsigned char* tqweir_solve(const char* syogen, int syogen_size, const char* parameter,
                            int parameter_size, const char* hitai, int hitai_size) {
  tqweir::CaseTexts texts;
  texts.syogen.assign(syogen, static_cast<std::size_t>(syogen_size));
  texts.parameter.assign(parameter, static_cast<std::size_t>(parameter_size));
  texts.hitai.assign(hitai, static_cast<std::size_t>(hitai_size));
  const tqweir::MemoryRun run = tqweir::run_in_memory(texts);
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
}

}  // extern "C"
