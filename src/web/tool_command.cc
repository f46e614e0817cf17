#include "web/tool_command.h"

#include <sstream>

#include "tools/operate/operate_command.h"
#include "tools/report/report_command.h"
#include "tools/seek/seek_command.h"
#include "web/memory_folder.h"

namespace tqweir {
namespace web {
namespace {

using CommandLine = int (*)(int, const char* const*, std::ostream&, std::ostream&,
                           const std::string&);

// The tools the page runs, by their program names; null for any other.
CommandLine command_line_of(const std::string& tool) {
  if (tool == "tqweir-report") return report::run_report_command_line;
  if (tool == "tqweir-seek") {
    return [](int argc, const char* const* argv, std::ostream& out, std::ostream& err,
              const std::string&) { return seek::run_seek_command_line(argc, argv, out, err); };
  }
  if (tool == "tqweir-operate") {
    return [](int argc, const char* const* argv, std::ostream& out, std::ostream& err,
              const std::string&) { return operate::run_operate_command_line(argc, argv, out, err); };
  }
  return nullptr;
}

void replace_all(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

}  // namespace

ToolRun run_tool(const std::string& tool, const std::map<std::string, std::string>& files,
                 const std::string& folder, const std::vector<std::string>& args,
                 const std::string& today) {
  ToolRun run;
  const CommandLine command_line = command_line_of(tool);
  if (command_line == nullptr) {
    run.err = "unknown tool " + tool + "\n";
    return run;
  }
  const MemoryFolder dir(files, folder);
  const MemoryFolder out({}, "out");
  const WorkingFolder here(dir.parent());
  if (!here.ok()) {
    run.err = "the page's folder cannot be opened\n";
    return run;
  }
  const std::string name = dir.name();
  std::vector<std::string> words = {tool};
  for (std::string arg : args) {
    replace_all(arg, "{dir}", name);
    replace_all(arg, "{out}", out.path());
    words.push_back(arg);
  }
  std::vector<const char*> argv;
  for (const std::string& word : words) argv.push_back(word.c_str());
  argv.push_back(nullptr);
  std::ostringstream printed, errors;
  const int argc = static_cast<int>(words.size());
  run.exit_status = command_line(argc, argv.data(), printed, errors, today);
  run.out = printed.str();
  run.err = errors.str();
  for (std::string* text : {&run.out, &run.err}) {
    replace_all(*text, out.path() + "/", "");
    replace_all(*text, out.path(), ".");
  }
  run.files = out.files();
  return run;
}

}  // namespace web
}  // namespace tqweir
