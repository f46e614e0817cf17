#include "web/file_block.h"

#include <cstdlib>
#include <cstring>
#include <utility>

namespace tqweir {
namespace web {

void put_u32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xff);
}

void put_text(std::string& out, const std::string& text) {
  put_u32(out, static_cast<std::uint32_t>(text.size()));
  out += text;
}

unsigned char* sized_block(const std::string& body) {
  auto* block = static_cast<unsigned char*>(std::malloc(body.size() + 4));
  if (block == nullptr) return nullptr;
  std::string size;
  put_u32(size, static_cast<std::uint32_t>(body.size()));
  std::memcpy(block, size.data(), 4);
  std::memcpy(block + 4, body.data(), body.size());
  return block;
}

void put_files(std::string& out, const std::map<std::string, std::string>& files) {
  put_u32(out, static_cast<std::uint32_t>(files.size()));
  for (const auto& file : files) {
    put_text(out, file.first);
    put_text(out, file.second);
  }
}

std::map<std::string, std::string> take_files(const unsigned char* block, std::size_t size) {
  std::size_t at = 0;
  std::uint32_t value = 0;
  const auto u32 = [&] {
    if (size - at < 4) return false;
    value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(block[at++]) << (8 * i);
    return true;
  };
  const auto bytes = [&](std::string& out) {
    if (!u32() || size - at < value) return false;
    out.assign(reinterpret_cast<const char*>(block + at), value);
    at += value;
    return true;
  };
  std::map<std::string, std::string> files;
  if (!u32()) return files;
  for (std::uint32_t count = value; count > 0; --count) {
    std::string name, content;
    if (!bytes(name) || !bytes(content)) break;
    files[name] = std::move(content);
  }
  return files;
}

}  // namespace web
}  // namespace tqweir
