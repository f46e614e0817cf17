// The design desk of the page: a design folder's files read and run by
// tqweir-report's own code, and what the page shows of it as JSON.
#ifndef TQWEIR_WEB_DESIGN_DESK_H_
#define TQWEIR_WEB_DESIGN_DESK_H_

#include <map>
#include <string>

namespace tqweir {
namespace web {

// Reads the design held in `files` (name -> bytes, as a design folder) as
// tqweir-report reads it and runs every load case. Returns UTF-8 JSON:
//   {"ok": true, "fields": [column names], "casesFrom": ..., "note": ...,
//    "cases": [{"name", "values": [as written], "converged", "messageJa",
//               "messageEn", "syogen", "parameter"}],
//    "criteria": {"title": ..., "membrane_strength": text or null, ...,
//                 "flood_inflow": the hydrograph's name or null},
//    "operation": null, or operation.csv's {"valve_area": text or null, ...},
//    "checksHtml": the report's checks section}
// or {"ok": false, "message": what tqweir-report says, without its prefix,
// for a design folder named `folder`} (for operation.csv also what
// tqweir-operate says). The case texts are the files the
// report runs for that case.
std::string design_json(const std::map<std::string, std::string>& files,
                        const std::string& folder);

}  // namespace web
}  // namespace tqweir

#endif  // TQWEIR_WEB_DESIGN_DESK_H_
