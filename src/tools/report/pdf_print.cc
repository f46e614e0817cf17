#include "tools/report/pdf_print.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "core/file_io.h"

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
extern char** environ;
#endif

namespace tqweir {
namespace report {
namespace {

namespace fs = std::filesystem;

}  // namespace

std::string find_browser() {
  std::error_code error;
  const char* chosen = std::getenv("TQWEIR_CHROMIUM");
  if (chosen != nullptr && *chosen != '\0') {
    return fs::is_regular_file(chosen, error) ? chosen : "";
  }
  const char* path = std::getenv("PATH");
  if (path == nullptr) return "";
  const std::string dirs = path;
  for (const char* name : {"chromium", "chromium-browser"}) {
    std::size_t start = 0;
    for (;;) {
      const std::size_t end = dirs.find(':', start);
      const std::string dir = dirs.substr(start, end - start);
      const fs::path candidate = fs::path(dir.empty() ? "." : dir) / name;
      if (fs::is_regular_file(candidate, error)) return candidate.string();
      if (end == std::string::npos) break;
      start = end + 1;
    }
  }
  return "";
}

#ifdef _WIN32

bool print_pdf(const std::string&, const std::string&, const std::string&, int,
               std::string& why) {
  why = "--pdf is not available on Windows: open the report in a browser and print it to PDF";
  return false;
}

#else

namespace {

// A file URL for `path`: every byte outside the unreserved set and "/"
// percent-encoded, so spaces, '#', '?' and non-ASCII names survive.
std::string file_url(const std::string& path) {
  std::error_code error;
  const std::string absolute = fs::absolute(path, error).generic_string();
  std::string url = "file://";
  for (unsigned char c : absolute) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                       (c >= '0' && c <= '9') || c == '/' || c == '-' || c == '_' ||
                       c == '.' || c == '~';
    if (plain) {
      url += static_cast<char>(c);
    } else {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", c);
      url += hex;
    }
  }
  return url;
}

bool starts_as_pdf(const std::string& path) {
  std::string bytes;
  return read_file(path, bytes) && bytes.compare(0, 5, "%PDF-") == 0;
}

}  // namespace

bool print_pdf(const std::string& browser, const std::string& html_path,
               const std::string& pdf_path, int timeout_seconds, std::string& why) {
  // Beside the file replaced: through a symbolic link, beside its target,
  // so that the link stays and the move stays on one file system.
  const std::string target = output_target(pdf_path);
  const std::string temporary = target + ".printing";
  std::vector<std::string> args = {browser, "--headless", "--disable-gpu",
                                   "--no-pdf-header-footer", "--print-to-pdf=" + temporary};
  if (geteuid() == 0) args.push_back("--no-sandbox");
  args.push_back(file_url(html_path));
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(&arg[0]);
  argv.push_back(nullptr);

  // The browser's chatter on its own output would bury the tool's message.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, browser.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    why = "cannot start " + browser;
    return false;
  }
  int status = 0;
  const timespec pause{0, 50 * 1000 * 1000};
  for (int waited = 0;; ++waited) {
    if (waitpid(pid, &status, WNOHANG) == pid) break;
    if (waited >= timeout_seconds * 20) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      std::remove(temporary.c_str());
      why = browser + " did not finish within " + std::to_string(timeout_seconds) + " s";
      return false;
    }
    nanosleep(&pause, nullptr);
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !starts_as_pdf(temporary)) {
    std::remove(temporary.c_str());
    why = browser + " did not print the report";
    return false;
  }
  std::error_code error;
  fs::rename(temporary, target, error);
  if (error) {
    std::remove(temporary.c_str());
    why = "cannot write " + pdf_path;
    return false;
  }
  return true;
}

#endif

}  // namespace report
}  // namespace tqweir
