// tqweir-report, tqweir-seek and tqweir-operate run in the page: their own
// command lines over a design or case folder held in memory.
#ifndef TQWEIR_WEB_TOOL_COMMAND_H_
#define TQWEIR_WEB_TOOL_COMMAND_H_

#include <map>
#include <string>
#include <vector>

namespace tqweir {
namespace web {

struct ToolRun {
  int exit_status = 2;
  std::string out, err;  // what the command prints, folder names taken out
  std::map<std::string, std::string> files;  // what it wrote into OUT
};

// Runs `tool` ("tqweir-report", "tqweir-seek" or "tqweir-operate"; any
// other: status 2 and a message) with `args`, where "{dir}" stands for a folder named
// `folder` holding `files` and "{out}" for an empty folder whose files are
// returned. It runs in the folder's parent, so that what it prints and
// writes names the folder as the command run beside `folder` does; the
// out folder's place is taken out of the printed texts. `today` is the
// report's date (YYYY-MM-DD).
ToolRun run_tool(const std::string& tool, const std::map<std::string, std::string>& files,
                 const std::string& folder, const std::vector<std::string>& args,
                 const std::string& today);

}  // namespace web
}  // namespace tqweir

#endif  // TQWEIR_WEB_TOOL_COMMAND_H_
