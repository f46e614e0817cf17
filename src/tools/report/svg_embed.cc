#include "tools/report/svg_embed.h"

#include <algorithm>

namespace tqweir {
namespace report {
namespace {

void replace_all(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

}  // namespace

std::string embed_svg(const std::string& document, const std::string& prefix) {
  std::string svg = document;
  const std::size_t declaration_end = svg.find("?>");
  if (svg.compare(0, 5, "<?xml") == 0 && declaration_end != std::string::npos) {
    svg.erase(0, declaration_end + 2);
  }
  svg.erase(0, std::min(svg.find('<'), svg.size()));
  // Attribute values and references are the only places these spellings
  // occur: text content is escaped, so a quote there is &quot;.
  replace_all(svg, " id=\"", " id=\"" + prefix);
  replace_all(svg, "url(#", "url(#" + prefix);
  replace_all(svg, "href=\"#", "href=\"#" + prefix);
  return svg;
}

}  // namespace report
}  // namespace tqweir
