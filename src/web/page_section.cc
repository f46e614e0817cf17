#include "web/page_section.h"

#include "studies/figure/section_svg.h"

namespace tqweir {
namespace web {

PageSection page_section_svg(const std::map<std::string, std::string>& files,
                             const std::string& case_name, const std::string& id_prefix) {
  PageSection section;
  // The coordinate files and the summary are written together at the end
  // of a finished run; a stop leaves error.csv and at most suimen.csv.
  plot::OutputTexts texts;
  if (!text::output_texts(files, texts).empty()) {
    section.text = "no section: the run wrote no coordinates";
    return section;
  }
  try {
    section.text = plot::section_svg_from_texts(texts, case_name, id_prefix);
    section.drawn = true;
  } catch (const plot::PlotInputError& error) {
    section.text = std::string("no section: ") + error.what();
  }
  return section;
}

}  // namespace web
}  // namespace tqweir
