// The encodings of the text files an engineer gives the tools: UTF-8 (with
// or without a byte order mark) or code page 932, as a spreadsheet on a
// Japanese desktop saves them.
#ifndef TQWEIR_TEXT_TEXT_ENCODING_H_
#define TQWEIR_TEXT_TEXT_ENCODING_H_

#include <string>

namespace tqweir {
namespace text {

// True when `bytes` is well-formed UTF-8: shortest forms only, no
// surrogates, nothing above U+10FFFF.
bool is_utf8(const std::string& bytes);

// Code page 932 bytes as UTF-8: ASCII as it is, the halfwidth katakana
// 0xA1..0xDF, the double-byte codes by the code page's table, the
// user-defined codes (leads 0xF0..0xF9) in the private use area from
// U+E000. A byte or pair that has no character becomes U+FFFD, and a lead
// byte whose next byte cannot follow it gives U+FFFD alone, so an ASCII
// comma or line end is never swallowed.
std::string cp932_to_utf8(const std::string& bytes);

// A text file's bytes as UTF-8: a UTF-8 text stays as it is (without a
// leading byte order mark); anything else is read as code page 932.
// Japanese written in code page 932 is practically never well-formed UTF-8,
// so the guess does not mistake a spreadsheet's file.
std::string text_as_utf8(const std::string& bytes);

// The well-formed UTF-8 character at bytes[i] (its length, `c` its code
// point), or 0 when there is none. REQUIRES: i < bytes.size().
std::size_t utf8_char(const std::string& bytes, std::size_t i, char32_t& c);

// Throws InputError naming `source` when `bytes` looks like UTF-16: a byte
// order mark FF FE or FE FF, or NUL bytes in every other place of its
// beginning, as ASCII written in UTF-16 has.
void refuse_utf16(const std::string& bytes, const std::string& source);

// A text file's bytes as UTF-8, as text_as_utf8, but strict: refuses
// (InputError naming `source` and the line) UTF-16, bytes that are neither
// UTF-8 nor CP932, and a file with both a line that is UTF-8 (not ASCII)
// and a line that is CP932, since one of them would read as garbage.
// Lines are counted as split_csv counts them.
std::string decoded_text(const std::string& bytes, const std::string& source);

}  // namespace text
}  // namespace tqweir

#endif  // TQWEIR_TEXT_TEXT_ENCODING_H_
