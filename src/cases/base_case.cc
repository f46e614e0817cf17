#include "cases/base_case.h"

#include "core/file_io.h"
#include "core/messages.h"
#include "core/stop.h"
#include "text/input_error.h"

namespace tqweir {
namespace cases {

BaseCase read_base_case(const std::string& dir) {
  FolderTexts folder = FolderTexts::on_disk(dir);
  return read_base_case(folder);
}

BaseCase read_base_case(FolderTexts& folder) {
  BaseCase base;
  std::string path;
  const CaseSource source = [&](const char* name, std::string& content) {
    path = join_path(folder.dir(), name);
    const FolderFile& file = folder.file(name);
    if (file.found != FileFound::read) throw text::InputError("base case: cannot open " + path);
    content = file.bytes;
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
