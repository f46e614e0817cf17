#include "platform/web/glibc_scan.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace tqweir {
namespace web {

namespace {

bool is_space(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool is_digit(int c) { return c >= '0' && c <= '9'; }
bool is_hex_digit(int c) {
  return is_digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
int lower(int c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

// The input as glibc's scanner sees it: one character at a time, EOF at the
// end of the string, a character put back when a directive does not take
// it.
class Input {
 public:
  explicit Input(const char* s) : s_(s) {}
  int next() {
    if (s_[at_] == '\0') return EOF;
    return static_cast<unsigned char>(s_[at_++]);
  }
  void put_back(int c) {
    if (c != EOF) --at_;
  }
  int read_count() const { return static_cast<int>(at_); }

 private:
  const char* s_;
  std::size_t at_ = 0;
};

enum class Outcome { converted, no_match, input_ended };

// Skips white space; returns the first other character (not put back).
int skip_space(Input& in) {
  int c;
  do {
    c = in.next();
  } while (is_space(c));
  return c;
}

// The letters of `word` after its first, case-insensitively, each appended
// to `text`; false at the first that differs (consumed, as in glibc).
bool take_word(Input& in, const char* word, std::string& text) {
  for (const char* w = word + 1; *w != '\0'; ++w) {
    const int c = in.next();
    if (c == EOF || lower(c) != *w) return false;
    text += static_cast<char>(c);
  }
  return true;
}

// glibc's collection of a floating-point number: sign; "nan"; "inf" or
// "infinity"; "0x" and hexadecimal digits with a 'p' exponent; decimal
// digits with one point and an 'e' exponent whose sign may follow it. The
// collected text goes to strtod.
Outcome scan_double(Input& in, double* out) {
  int c = skip_space(in);
  if (c == EOF) return Outcome::input_ended;
  std::string text;
  bool got_sign = false;
  if (c == '-' || c == '+') {
    got_sign = true;
    text += static_cast<char>(c);
    c = in.next();
    if (c == EOF) return Outcome::no_match;
  }
  bool hexadecimal = false;
  if (lower(c) == 'n') {
    text += static_cast<char>(c);
    if (!take_word(in, "nan", text)) return Outcome::no_match;
  } else if (lower(c) == 'i') {
    text += static_cast<char>(c);
    if (!take_word(in, "inf", text)) return Outcome::no_match;
    c = in.next();
    if (lower(c) == 'i') {
      text += static_cast<char>(c);
      if (!take_word(in, "inity", text)) return Outcome::no_match;
    } else {
      in.put_back(c);
    }
  } else {
    char exponent_char = 'e';
    bool got_digit = false;
    bool got_dot = false;
    bool got_e = false;
    if (c == '0') {
      text += '0';
      c = in.next();
      if (lower(c) == 'x') {
        text += static_cast<char>(c);
        hexadecimal = true;
        exponent_char = 'p';
        c = in.next();
      } else {
        got_digit = true;
      }
    }
    for (;; c = in.next()) {
      if (is_digit(c) || (!got_e && hexadecimal && is_hex_digit(c))) {
        text += static_cast<char>(c);
        got_digit = true;
      } else if (got_e && text.back() == exponent_char && (c == '-' || c == '+')) {
        text += static_cast<char>(c);
      } else if (got_digit && !got_e && lower(c) == exponent_char) {
        text += exponent_char;
        got_e = got_dot = true;
      } else if (c == '.' && !got_dot) {
        text += '.';
        got_dot = true;
      } else {
        in.put_back(c);
        break;
      }
    }
    const std::size_t prefix = (got_sign ? 1 : 0) + (hexadecimal ? 2 : 0);
    if (text.size() == (got_sign ? 1u : 0u) || (hexadecimal && text.size() == prefix)) {
      return Outcome::no_match;
    }
  }
  char* end = nullptr;
  double value = std::strtod(text.c_str(), &end);
  if (end == text.c_str()) return Outcome::no_match;
  // glibc's "-nan" has its sign bit set; WebAssembly leaves the sign of a
  // NaN from arithmetic unspecified, so it is set here explicitly.
  if (std::isnan(value)) value = std::copysign(value, text[0] == '-' ? -1.0 : 1.0);
  *out = value;
  return Outcome::converted;
}

// glibc's collection of a decimal integer: sign, then digits; the text goes
// to strtoll, which saturates beyond the 64-bit range.
Outcome scan_long_long(Input& in, long long* out) {
  int c = skip_space(in);
  if (c == EOF) return Outcome::input_ended;
  std::string text;
  if (c == '-' || c == '+') {
    text += static_cast<char>(c);
    c = in.next();
  }
  while (is_digit(c)) {
    text += static_cast<char>(c);
    c = in.next();
  }
  in.put_back(c);
  if (text.empty() || text == "+" || text == "-") return Outcome::no_match;
  char* end = nullptr;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  if (end == text.c_str()) return Outcome::no_match;
  *out = value;
  return Outcome::converted;
}

}  // namespace

bool glibc_scan_handles(const char* format) {
  for (const char* f = format; *f != '\0'; ++f) {
    if (*f != '%') continue;
    if (std::strncmp(f, "%lf", 3) == 0 || std::strncmp(f, "%lld", 4) == 0 ||
        std::strncmp(f, "%n", 2) == 0) {
      f += f[1] == 'l' ? (f[2] == 'l' ? 3 : 2) : 1;
      continue;
    }
    return false;
  }
  return true;
}

int glibc_vsscanf(const char* input, const char* format, va_list args) {
  Input in(input);
  int stored = 0;
  const auto input_error = [&stored]() { return stored == 0 ? EOF : stored; };
  bool pending_space = false;
  for (const char* f = format; *f != '\0'; ++f) {
    if (is_space(static_cast<unsigned char>(*f))) {
      pending_space = true;
      continue;
    }
    if (*f != '%') {
      int c = in.next();
      if (c == EOF) return input_error();
      if (pending_space) {
        while (is_space(c)) {
          c = in.next();
          if (c == EOF) return input_error();
        }
      }
      pending_space = false;
      if (c != static_cast<unsigned char>(*f)) {
        in.put_back(c);
        return stored;
      }
      continue;
    }
    pending_space = false;
    if (f[1] == 'n') {
      *va_arg(args, int*) = in.read_count();
      f += 1;
      continue;
    }
    Outcome outcome;
    if (f[2] == 'f') {
      outcome = scan_double(in, va_arg(args, double*));
      f += 2;
    } else {
      outcome = scan_long_long(in, va_arg(args, long long*));
      f += 3;
    }
    if (outcome == Outcome::input_ended) return input_error();
    if (outcome == Outcome::no_match) return stored;
    ++stored;
  }
  return stored;
}

}  // namespace web
}  // namespace tqweir
