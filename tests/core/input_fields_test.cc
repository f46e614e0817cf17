// The input field table against the README's input tables, which users
// read: position, name and unit of every field, in both files.
#include "core/input_fields.h"

#include <map>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/file_io.h"

namespace {

struct DocRow {
  std::string name;
  std::string unit;
};

// "| 7 | tip_moment | kN·m/m | ..." rows of the table that follows the
// line "**<file>**" in the README, by position.
std::map<int, DocRow> readme_rows(const std::string& readme, const std::string& file) {
  std::map<int, DocRow> rows;
  std::istringstream in(readme.substr(readme.find("**" + file + "**")));
  std::string line;
  std::getline(in, line);  // the heading itself
  bool in_table = false;
  while (std::getline(in, line)) {
    if (line.rfind("|", 0) != 0) {
      if (in_table) break;
      continue;
    }
    in_table = true;
    std::vector<std::string> cells;
    std::istringstream row(line.substr(1));
    for (std::string cell; std::getline(row, cell, '|');) {
      cells.push_back(cell.substr(cell.find_first_not_of(' '), cell.find_last_not_of(' ') -
                                                                   cell.find_first_not_of(' ') + 1));
    }
    if (cells.size() >= 3 && std::isdigit(static_cast<unsigned char>(cells[0][0]))) {
      rows[std::stoi(cells[0])] = DocRow{cells[1], cells[2]};
    }
  }
  return rows;
}

TEST(InputFields, ReadmeTablesListEveryFieldAsTheTableDoes) {
  std::string readme;
  ASSERT_TRUE(tqweir::read_file(std::string(TQWEIR_SOURCE_DIR) + "/README.md", readme));
  std::map<tqweir::InputFile, std::map<int, DocRow>> doc = {
      {tqweir::InputFile::syogen, readme_rows(readme, "syogen.csv")},
      {tqweir::InputFile::parameter, readme_rows(readme, "parameter.csv")}};
  EXPECT_EQ(doc[tqweir::InputFile::syogen].size(), 12u);
  EXPECT_EQ(doc[tqweir::InputFile::parameter].size(), 9u);
  for (const tqweir::InputField& field : tqweir::input_fields()) {
    const DocRow& row = doc[field.file][field.position];
    EXPECT_EQ(row.name, field.name) << input_file_name(field.file) << " #" << field.position;
    const std::string unit = tqweir::is_integer_field(field) ? "integer"
                             : *field.unit == '\0'           ? "–"
                                                             : field.unit;
    EXPECT_EQ(row.unit, unit) << field.name;
  }
}

}  // namespace

namespace {

// A field named in code must be the field of that name: the enumeration is
// a second list of the table's order.
TEST(InputFields, EachIdNamesItsField) {
  using tqweir::InputId;
  const std::pair<InputId, const char*> named[] = {
      {InputId::overflow_mode, "overflow_mode"},     {InputId::upstream_level, "upstream_level"},
      {InputId::theta1_deg, "theta1_deg"},           {InputId::stopper_tension, "stopper_tension"},
      {InputId::reserved_1, "reserved_1"},           {InputId::leaf_weight, "leaf_weight"},
      {InputId::anchor_distance, "anchor_distance"}, {InputId::layer_unit_weight, "layer_unit_weight"},
  };
  for (const auto& [id, name] : named) EXPECT_STREQ(tqweir::input_field(id).name, name);
  EXPECT_EQ(static_cast<std::size_t>(InputId::layer_unit_weight) + 1, tqweir::input_fields().size());
}

}  // namespace
