// Rows of comma-separated numbers, as the tqweir output files hold them.
#ifndef TQWEIR_TOOLS_PLOT_NUMBER_ROWS_H_
#define TQWEIR_TOOLS_PLOT_NUMBER_ROWS_H_

#include <stdexcept>
#include <string>
#include <vector>

namespace tqweir {
namespace plot {

// A run folder that cannot be drawn: a missing or malformed file, or a run
// that did not finish. The text names the file and says what is wrong.
class PlotInputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The numbers of one line "a,b,c" (blanks around a number are allowed).
// Throws PlotInputError naming `where` unless the line holds exactly
// `columns` finite decimal numbers.
std::vector<double> parse_number_fields(const std::string& line, int columns,
                                        const std::string& where);

// Every line of `text` (CR LF or LF line ends; the last line end may be
// missing) as `columns` numbers. Throws PlotInputError naming the file and
// line for a malformed or empty line, and when there are fewer than
// `min_rows` rows.
std::vector<std::vector<double>> parse_number_rows(const std::string& text, int columns,
                                                   std::size_t min_rows,
                                                   const std::string& file_name);

}  // namespace plot
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_PLOT_NUMBER_ROWS_H_
