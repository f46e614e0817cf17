// The headings of the report's numbered sections. report_html gives each
// section its number in the order of the document, so that a section
// added or left out never leaves a number wrong.
#ifndef TQWEIR_STUDIES_REPORT_SECTION_HEADING_H_
#define TQWEIR_STUDIES_REPORT_SECTION_HEADING_H_

#include <string>

namespace tqweir {
namespace report {

// <section id="id"> (with class="new-page" when `new_page`) and its
// heading <h2>N. title</h2>; `title` is HTML.
std::string open_section(const char* id, bool new_page, int number, const std::string& title);

// The <h3> headings of section `number`, numbered N.1, N.2, ... in the
// order they are asked for.
class Subsections {
 public:
  explicit Subsections(int number) : number_(number) {}
  // <h3>N.k title</h3> of the next subsection; `title` is HTML.
  std::string next(const std::string& title);

 private:
  int number_;
  int count_ = 0;
};

}  // namespace report
}  // namespace tqweir

#endif  // TQWEIR_STUDIES_REPORT_SECTION_HEADING_H_
