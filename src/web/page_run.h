// A run for a page: the three input texts (any of them may be missing), the
// written files kept in memory, and optionally output names that cannot be
// written, as when a folder stands where the program would write a file.
// So a page reproduces every outcome the program has in a case folder.
#ifndef TQWEIR_WEB_PAGE_RUN_H_
#define TQWEIR_WEB_PAGE_RUN_H_

#include <map>
#include <set>
#include <string>
#include <vector>

#include "driver/run_directory.h"
#include "driver/run_files.h"

namespace tqweir {
namespace web {

struct PageCase {
  // syogen.csv, parameter.csv, hitai.csv by name; an absent name is a
  // missing file.
  std::map<std::string, std::string> inputs;
  // Output names (error.csv included) whose writing fails.
  std::set<std::string> blocked;
};

class PageFiles : public RunFiles {
 public:
  explicit PageFiles(const PageCase& c) : case_(c) {}
  bool read(const char* name, std::string& content) override;
  // Like a folder's batch: files are stored in order until the first
  // blocked one, which fails the batch.
  bool write(const std::vector<NamedBytes>& files, std::string& failed) override;
  const std::map<std::string, std::string>& written() const { return written_; }

 private:
  const PageCase& case_;
  std::map<std::string, std::string> written_;
};

// Runs the case as the program does in a folder holding those files: every
// file the run writes, error.csv included, and the exit status. A blocked
// error.csv ends the run before it starts (status 1, nothing written).
MemoryRun run_page_case(const PageCase& c);

}  // namespace web
}  // namespace tqweir

#endif  // TQWEIR_WEB_PAGE_RUN_H_
