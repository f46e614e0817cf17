// The Operation tab's section on lowering and raising: the report's page
// with that section alone, made without the rest of the report (whose
// flood routes alone take seconds in the module).
#ifndef TQWEIR_WEB_OPERATION_SECTION_PAGE_H_
#define TQWEIR_WEB_OPERATION_SECTION_PAGE_H_

#include <map>
#include <string>

namespace tqweir {
namespace web {

struct SectionPage {
  bool made = false;
  std::string text;  // the page (UTF-8), or what tqweir-report says refusing the design
};

// The section of tqweir-report FOLDER for the design held in `files`, in a
// folder named `folder` as run_tool lays it out.
SectionPage operation_section_page(const std::map<std::string, std::string>& files,
                                   const std::string& folder);

}  // namespace web
}  // namespace tqweir

#endif  // TQWEIR_WEB_OPERATION_SECTION_PAGE_H_
