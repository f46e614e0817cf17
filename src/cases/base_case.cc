#include "cases/base_case.h"

#include "core/file_io.h"
#include "core/messages.h"
#include "core/stop.h"
#include "text/input_error.h"

namespace tqweir {
namespace cases {

BaseCase read_base_case(const std::string& dir) {
  BaseCase base;
  std::string path;
  const CaseSource source = [&](const char* name, std::string& content) {
    path = join_path(dir, name);
    if (!read_file(path, content)) throw text::InputError("base case: cannot open " + path);
    *case_text(base.texts, name) = content;
    return true;
  };
  try {
    base.input = read_case(source);
  } catch (const StopRun& stop) {
    throw text::InputError("base case: " + path + ": " + message_meaning(stop.message()));
  }
  return base;
}

std::vector<std::string> base_case_paths(const std::string& dir) {
  return {join_path(dir, "syogen.csv"), join_path(dir, "parameter.csv"),
          join_path(dir, "hitai.csv")};
}

}  // namespace cases
}  // namespace tqweir
