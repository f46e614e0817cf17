// Printing the report to PDF with a headless browser (Debian's chromium).
#ifndef TQWEIR_TOOLS_REPORT_PDF_PRINT_H_
#define TQWEIR_TOOLS_REPORT_PDF_PRINT_H_

#include <string>

namespace tqweir {
namespace report {

// The browser program: $TQWEIR_CHROMIUM when set (and "" when that is not
// a file), else the first of "chromium", "chromium-browser" found on PATH;
// "" when there is none.
std::string find_browser();

// Prints the page `html_path` to `pdf_path` with `browser` run headless
// (without its sandbox when running as root, which it refuses otherwise).
// The PDF is written beside its target first (a symbolic link is written
// through) and moved into place only when complete, so a failed print
// leaves an older PDF alone. The browser gets
// at most `timeout_seconds`. Returns false with `why` when it cannot start,
// fails, times out or leaves no PDF.
bool print_pdf(const std::string& browser, const std::string& html_path,
               const std::string& pdf_path, int timeout_seconds, std::string& why);

// How to get the browser, for the message when there is none.
constexpr const char* kBrowserHint =
    "--pdf needs a headless browser: install Debian's chromium "
    "(sudo apt-get install chromium), or set TQWEIR_CHROMIUM to the browser's path";

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_REPORT_PDF_PRINT_H_
