// The Operation tab's flood: tqweir-operate DESIGN --flood INFLOW with
// power and with --power-failure, and the report's section on the flood,
// all made from one route each way (a route takes seconds in the module,
// so the printouts and the section must not route again).
#ifndef TQWEIR_WEB_FLOOD_VIEW_H_
#define TQWEIR_WEB_FLOOD_VIEW_H_

#include <map>
#include <string>

namespace tqweir {
namespace web {

// One printout: the command's exit status, stdout and stderr.
struct FloodPrintout {
  int exit_status = 2;
  std::string out, err;
};

struct FloodView {
  FloodPrintout with_power, without_power;
  // The report's page with its flood section alone (UTF-8), "" when the
  // inflow or the design is refused.
  std::string section_page;
};

// The flood `inflow` (a plain file name among `files`) through the design
// held in `files`, in a folder named `folder` as run_tool lays it out, so
// the printouts name them as `tqweir-operate FOLDER --flood FOLDER/INFLOW`
// run beside the folder does. The section is the report's for criteria.csv
// naming `inflow` as its flood_inflow.
FloodView flood_view(const std::map<std::string, std::string>& files, const std::string& folder,
                     const std::string& inflow);

}  // namespace web
}  // namespace tqweir

#endif  // TQWEIR_WEB_FLOOD_VIEW_H_
