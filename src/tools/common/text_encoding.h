// The encodings of the text files an engineer gives the tools: UTF-8 (with
// or without a byte order mark) or code page 932, as a spreadsheet on a
// Japanese desktop saves them.
#ifndef TQWEIR_TOOLS_COMMON_TEXT_ENCODING_H_
#define TQWEIR_TOOLS_COMMON_TEXT_ENCODING_H_

#include <string>

namespace tqweir {
namespace tools {

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

}  // namespace tools
}  // namespace tqweir

#endif  // TQWEIR_TOOLS_COMMON_TEXT_ENCODING_H_
