#include "studies/report/section_heading.h"

namespace tqweir {
namespace report {

std::string open_section(const char* id, bool new_page, int number, const std::string& title) {
  return std::string("<section id=\"") + id + "\"" + (new_page ? " class=\"new-page\"" : "") +
         ">\n<h2>" + std::to_string(number) + ". " + title + "</h2>\n";
}

std::string Subsections::next(const std::string& title) {
  return "<h3>" + std::to_string(number_) + "." + std::to_string(++count_) + " " + title +
         "</h3>\n";
}

}  // namespace report
}  // namespace tqweir
