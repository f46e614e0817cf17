#include "web/page_run.h"

namespace tqweir {
namespace web {

bool PageFiles::read(const char* name, std::string& content) {
  const auto it = case_.inputs.find(name);
  if (it == case_.inputs.end()) return false;
  content = it->second;
  return true;
}

bool PageFiles::write(const std::vector<NamedBytes>& files, std::string& failed) {
  for (const auto& [name, bytes] : files) {
    if (case_.blocked.count(name) != 0) {
      failed = name;
      return false;
    }
    written_[name] = *bytes;
  }
  return true;
}

MemoryRun run_page_case(const PageCase& c) {
  MemoryRun run;
  if (c.blocked.count("error.csv") != 0) return run;
  PageFiles files(c);
  const RunOutcome outcome = run_case(files);
  run.exit_status = outcome.exit_status;
  run.files = files.written();
  run.files["error.csv"] = outcome.log_line;
  return run;
}

}  // namespace web
}  // namespace tqweir
