#include "text/text_encoding.h"

#include <algorithm>
#include <array>
#include <vector>

#include "text/cp932_table.h"
#include "text/csv_cells.h"
#include "text/input_error.h"

namespace tqweir {
namespace text {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void append_utf8(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::size_t utf8_char(const std::string& bytes, std::size_t i, char32_t& c) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
  const unsigned char b0 = byte(i);
  std::size_t length = 0;
  char32_t min = 0;
  if (b0 < 0x80) return c = b0, 1;
  if (b0 >= 0xC2 && b0 <= 0xDF) length = 2, c = b0 & 0x1F, min = 0x80;
  else if (b0 >= 0xE0 && b0 <= 0xEF) length = 3, c = b0 & 0x0F, min = 0x800;
  else if (b0 >= 0xF0 && b0 <= 0xF4) length = 4, c = b0 & 0x07, min = 0x10000;
  else return 0;
  if (i + length > bytes.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    c = (c << 6) | (byte(i + k) & 0x3F);
  }
  if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return length;
}

namespace {

int row_of_lead(unsigned char lead) {
  if (lead >= 0x81 && lead <= 0x9F) return lead - 0x81;
  if (lead >= 0xE0 && lead <= 0xEF) return lead - 0xE0 + 31;
  if (lead >= 0xFA && lead <= 0xFC) return lead - 0xFA + 47;
  return -1;
}

int trail_index(unsigned char trail) {
  if (trail >= 0x40 && trail <= 0x7E) return trail - 0x40;
  if (trail >= 0x80 && trail <= 0xFC) return trail - 0x80 + 63;
  return -1;
}

// The table's rows as code points, unpacked once.
const std::vector<std::array<char32_t, kCp932TrailCount>>& code_rows() {
  static const std::vector<std::array<char32_t, kCp932TrailCount>> rows = [] {
    std::vector<std::array<char32_t, kCp932TrailCount>> unpacked(kCp932RowCount);
    for (int r = 0; r < kCp932RowCount; ++r) {
      const std::string row = kCp932Rows[r];
      std::size_t i = 0;
      for (int t = 0; t < kCp932TrailCount && i < row.size(); ++t) {
        char32_t c = kReplacement;
        const std::size_t length = utf8_char(row, i, c);
        i += length > 0 ? length : 1;
        unpacked[r][t] = c;
      }
    }
    return unpacked;
  }();
  return rows;
}

char32_t double_byte(unsigned char lead, unsigned char trail) {
  const int t = trail_index(trail);
  if (lead >= 0xF0 && lead <= 0xF9) return 0xE000 + (lead - 0xF0) * kCp932TrailCount + t;
  return code_rows()[row_of_lead(lead)][t];
}

bool is_lead(unsigned char b) { return row_of_lead(b) >= 0 || (b >= 0xF0 && b <= 0xF9); }

}  // namespace

bool is_utf8(const std::string& bytes) {
  char32_t c = 0;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = utf8_char(bytes, i, c);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string cp932_to_utf8(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size() * 3 / 2);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      out += static_cast<char>(b);
    } else if (b >= 0xA1 && b <= 0xDF) {
      append_utf8(0xFF61 + (b - 0xA1), out);
    } else if (is_lead(b) && i + 1 < bytes.size() &&
               trail_index(static_cast<unsigned char>(bytes[i + 1])) >= 0) {
      append_utf8(double_byte(b, static_cast<unsigned char>(bytes[i + 1])), out);
      ++i;
    } else {
      append_utf8(kReplacement, out);
    }
  }
  return out;
}

std::string text_as_utf8(const std::string& bytes) {
  if (is_utf8(bytes)) {
    return bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? bytes.substr(3) : bytes;
  }
  return cp932_to_utf8(bytes);
}

void refuse_utf16(const std::string& bytes, const std::string& source) {
  bool utf16 = bytes.compare(0, 2, "\xFF\xFE") == 0 || bytes.compare(0, 2, "\xFE\xFF") == 0;
  // ASCII in UTF-16 has a NUL in every other byte; a stray NUL elsewhere is
  // refused later as a control byte, named where it is.
  const std::size_t n = std::min<std::size_t>(bytes.size(), 64) / 2;
  std::size_t even = 0, odd = 0;
  for (std::size_t k = 0; k < n; ++k) {
    even += bytes[2 * k] == '\0' ? 1 : 0;
    odd += bytes[2 * k + 1] == '\0' ? 1 : 0;
  }
  utf16 = utf16 || (n >= 2 && (2 * even >= n || 2 * odd >= n));
  if (utf16) {
    throw InputError(source + ": the file is UTF-16 text; save it as UTF-8 (\"CSV UTF-8\" in a "
                     "spreadsheet) or as CP932 (Shift_JIS)");
  }
}

std::string decoded_text(const std::string& bytes, const std::string& source) {
  refuse_utf16(bytes, source);
  if (is_utf8(bytes)) return text_as_utf8(bytes);
  int line_number = 0;
  int utf8_line = 0;   // the first line that is UTF-8 and not ASCII
  int cp932_line = 0;  // the first line that is not UTF-8
  for (std::size_t pos = 0; pos < bytes.size();) {
    ++line_number;
    std::size_t next = 0;
    const std::string line = bytes.substr(pos, line_end(bytes, pos, next) - pos);
    pos = next;
    bool ascii = true;
    for (char b : line) ascii = ascii && static_cast<unsigned char>(b) < 0x80;
    if (ascii) continue;
    if (is_utf8(line)) {
      if (utf8_line == 0) utf8_line = line_number;
      continue;
    }
    // No code page 932 character decodes to U+FFFD: one in the text marks
    // a byte or pair without a character.
    if (cp932_to_utf8(line).find("\xEF\xBF\xBD") != std::string::npos) {
      throw InputError(source + " line " + std::to_string(line_number) +
                       ": bytes that are neither UTF-8 nor CP932 (Shift_JIS) text");
    }
    if (cp932_line == 0) cp932_line = line_number;
  }
  if (utf8_line > 0 && cp932_line > 0) {
    throw InputError(source + ": line " + std::to_string(utf8_line) + " is UTF-8 text but line " +
                     std::to_string(cp932_line) +
                     " is CP932 (Shift_JIS); save the whole file in one encoding");
  }
  return cp932_to_utf8(bytes);
}

}  // namespace text
}  // namespace tqweir
