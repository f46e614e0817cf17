// Splitting the program's CR LF text files into rows and fields.
#ifndef TQWEIR_TESTS_SUPPORT_CSV_ROWS_H_
#define TQWEIR_TESTS_SUPPORT_CSV_ROWS_H_

#include <cstdlib>
#include <string>
#include <vector>

namespace tqweir_test {

// The rows of `text`, each of which must end in CR LF; a row that does not
// (or a bare LF) is returned with the rest of the text so that comparisons
// fail visibly.
inline std::vector<std::string> crlf_rows(const std::string& text) {
  std::vector<std::string> rows;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      rows.push_back(text.substr(start));
      break;
    }
    rows.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return rows;
}

// The comma-separated fields of one row.
inline std::vector<std::string> fields(const std::string& row) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = row.find(',', start);
    out.push_back(row.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) return out;
    start = comma + 1;
  }
}

// The numbers of one row.
inline std::vector<double> numbers(const std::string& row) {
  std::vector<double> out;
  for (const std::string& f : fields(row)) out.push_back(std::strtod(f.c_str(), nullptr));
  return out;
}

}  // namespace tqweir_test

#endif  // TQWEIR_TESTS_SUPPORT_CSV_ROWS_H_
