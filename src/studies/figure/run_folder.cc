#include "studies/figure/run_folder.h"

#include <filesystem>

#include "core/file_io.h"
#include "core/messages.h"

namespace tqweir {
namespace plot {
namespace {

std::string without_line_end(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

std::string read_whole(const std::string& dir, const char* name) {
  std::string text;
  if (!read_file(join_path(dir, name), text)) {
    throw PlotInputError(std::string(name) + " is missing or cannot be read");
  }
  return text;
}

}  // namespace

bool holds_success_notice(const std::string& log) {
  return without_line_end(log) == message_cp932(Message::finished);
}

std::string describe_log(const std::string& log) {
  const std::string line = without_line_end(log);
  if (line.empty()) return "error.csv is empty";
  for (int i = 0; i < kMessageCount; ++i) {
    const auto message = static_cast<Message>(i);
    const std::string fixed = message_cp932(message);
    // The write failure names a file in front of its fixed text.
    const bool names_file = message == Message::write_failed;
    const std::size_t at = names_file && line.size() > fixed.size() ? line.size() - fixed.size() : 0;
    if (line.compare(at, std::string::npos, fixed) == 0 && (at > 0) == names_file) {
      return "error.csv says \"" + message_utf8(message, line.substr(0, at)) + "\" (" +
             message_meaning(message) + ")";
    }
  }
  return "error.csv does not hold the notice that the run finished normally";
}

OutputTexts read_run_folder(const std::string& dir) {
  std::error_code ec;
  if (!std::filesystem::is_directory(dir, ec)) throw PlotInputError("there is no such folder");
  const std::string log = read_whole(dir, "error.csv");
  if (!holds_success_notice(log)) {
    throw PlotInputError("the run did not finish normally: " + describe_log(log));
  }
  OutputTexts texts;
  for (const text::OutputFile& file : text::kOutputFiles) texts.*file.text = read_whole(dir, file.name);
  read_file(join_path(dir, "syogen.csv"), texts.syogen);  // needed only for a foot at the hinge
  return texts;
}

}  // namespace plot
}  // namespace tqweir
