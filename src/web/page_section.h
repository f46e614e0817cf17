// The section drawing of a page's run: the plot tool's own SVG, made from
// the files the run wrote, so that the page and tqweir-plot draw one
// picture from one piece of code.
#ifndef TQWEIR_WEB_PAGE_SECTION_H_
#define TQWEIR_WEB_PAGE_SECTION_H_

#include <map>
#include <string>

namespace tqweir {
namespace web {

struct PageSection {
  bool drawn = false;
  // The <svg> element (UTF-8) when drawn; otherwise why there is none, a
  // short English sentence for the page to show.
  std::string text;
};

// `files` are a run's files by name (MemoryRun::files) with the case's
// syogen.csv added, which gives the floor's angle when the stopper's foot
// lies at the hinge. A run that did not write the coordinate files (it
// stopped) has no drawing; neither have files the plot refuses.
// `case_name` and `id_prefix` are those of plot::section_svg_from_texts.
PageSection page_section_svg(const std::map<std::string, std::string>& files,
                             const std::string& case_name, const std::string& id_prefix);

}  // namespace web
}  // namespace tqweir

#endif  // TQWEIR_WEB_PAGE_SECTION_H_
