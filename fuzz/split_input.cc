#include "split_input.h"

namespace tqweir_fuzz {

std::vector<std::string> split_parts(const std::uint8_t* data, std::size_t size,
                                     std::size_t count) {
  const std::string all(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> parts(count);
  std::size_t start = 0;
  for (std::size_t i = 0; i + 1 < count; ++i) {
    const std::size_t end = all.find(kPartSeparator, start);
    if (end == std::string::npos) {
      parts[i] = all.substr(start);
      return parts;
    }
    parts[i] = all.substr(start, end - start);
    start = end + 1;
  }
  parts[count - 1] = all.substr(start);
  return parts;
}

CaseFiles split_case_input(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> parts = split_parts(data, size, 3);
  CaseFiles files;
  files.syogen = parts[0];
  files.parameter = parts[1];
  files.hitai = parts[2];
  return files;
}

}  // namespace tqweir_fuzz
