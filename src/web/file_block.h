// The blocks the page and the module hand each other: sized blocks the
// page frees, and named files laid out one after another.
#ifndef TQWEIR_WEB_FILE_BLOCK_H_
#define TQWEIR_WEB_FILE_BLOCK_H_

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

namespace tqweir {
namespace web {

// Appends `v` as 4 bytes, little-endian.
void put_u32(std::string& out, std::uint32_t v);

// Appends the 32-bit size of `text`, then `text`.
void put_text(std::string& out, const std::string& text);

// A block the page owns and frees with free(): the 32-bit little-endian
// size of what follows, then `body`. Null when memory runs out.
unsigned char* sized_block(const std::string& body);

// Named files: their count, then per file its name's length and name and
// its content's length and bytes (counts 32-bit little-endian).
void put_files(std::string& out, const std::map<std::string, std::string>& files);

// The files of a block laid out as put_files lays it out; reading stops at
// the first count that runs past the block's `size` bytes.
std::map<std::string, std::string> take_files(const unsigned char* block, std::size_t size);

}  // namespace web
}  // namespace tqweir

#endif  // TQWEIR_WEB_FILE_BLOCK_H_
