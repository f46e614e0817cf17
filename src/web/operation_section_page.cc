#include "web/operation_section_page.h"

#include "text/input_error.h"
#include "studies/report/report_document.h"
#include "web/memory_folder.h"

namespace tqweir {
namespace web {

SectionPage operation_section_page(const std::map<std::string, std::string>& files,
                                   const std::string& folder) {
  const MemoryFolder dir(files, folder);
  const WorkingFolder here(dir.parent());
  SectionPage page;
  if (!here.ok()) {
    page.text = "the page's folder cannot be opened";
    return page;
  }
  try {
    const design::Design design = design::read_design(dir.name(), {});
    page.text = report::operation_section_page(design, report::run_design(design));
    page.made = true;
  } catch (const text::InputError& error) {
    page.text = std::string("tqweir-report: ") + error.what();
  }
  return page;
}

}  // namespace web
}  // namespace tqweir
