#include "split_input.h"

namespace tqweir_fuzz {

CaseFiles split_case_input(const std::uint8_t* data, std::size_t size) {
  const std::string all(reinterpret_cast<const char*>(data), size);
  CaseFiles files;
  const std::size_t end1 = all.find(kPartSeparator);
  files.syogen = all.substr(0, end1);
  if (end1 == std::string::npos) return files;
  const std::size_t end2 = all.find(kPartSeparator, end1 + 1);
  files.parameter = all.substr(end1 + 1, end2 == std::string::npos ? end2 : end2 - end1 - 1);
  if (end2 == std::string::npos) return files;
  files.hitai = all.substr(end2 + 1);
  return files;
}

}  // namespace tqweir_fuzz
