// The double-byte characters of code page 932 (Shift-JIS as a spreadsheet
// on a Japanese desktop saves text), as data for the decoder.
#ifndef TQWEIR_TEXT_CP932_TABLE_H_
#define TQWEIR_TEXT_CP932_TABLE_H_

namespace tqweir {
namespace text {

// One row per lead byte 0x81..0x9F, 0xE0..0xEF, 0xFA..0xFC (the
// user-defined leads 0xF0..0xF9 map linearly and have no row). A row is a
// UTF-8 string of 188 characters, one per trail byte 0x40..0x7E, 0x80..0xFC
// in that order; U+FFFD marks a code with no character.
constexpr int kCp932RowCount = 50;
constexpr int kCp932TrailCount = 188;
extern const char* const kCp932Rows[kCp932RowCount];

}  // namespace text
}  // namespace tqweir

#endif  // TQWEIR_TEXT_CP932_TABLE_H_
