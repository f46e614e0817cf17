// The tools' CP932 decoder against iconv, an independent implementation,
// over every double-byte code; and the choice between UTF-8 and CP932.
#include <string>

#include <gtest/gtest.h>

#include "support/case_runner.h"
#include "text/input_error.h"
#include "text/text_encoding.h"

namespace {

using tqweir::text::cp932_to_utf8;
using tqweir::text::text_as_utf8;

// Every double-byte code is decoded as iconv decodes it, and one that iconv
// refuses (no character) gives the replacement character.
TEST(Cp932, EveryDoubleByteCodeDecodesAsIconvDoes) {
  int compared = 0;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (lead >= 0xA0 && lead <= 0xDF) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
      bool ok = false;
      const std::string expected = tqweir_test::cp932_to_utf8(code, ok);
      if (!ok) {
        EXPECT_EQ(cp932_to_utf8(code), "\xEF\xBF\xBD") << std::hex << lead << " " << trail;
        continue;
      }
      EXPECT_EQ(cp932_to_utf8(code), expected) << std::hex << lead << " " << trail;
      ++compared;
    }
  }
  // 7,724 codes of the code page's own table plus 1,880 user-defined ones.
  EXPECT_EQ(compared, 9604);
}

TEST(Cp932, SingleBytesAndBrokenPairsNeverSwallowASeparator) {
  EXPECT_EQ(cp932_to_utf8("a,\xB1\xDF"), "a,\xEF\xBD\xB1\xEF\xBE\x9F");  // halfwidth katakana
  EXPECT_EQ(cp932_to_utf8("\x88\x9F"), "\xE4\xBA\x9C");                  // the first kanji
  EXPECT_EQ(cp932_to_utf8("\x88,x"), "\xEF\xBF\xBD,x");    // a lead before a comma
  EXPECT_EQ(cp932_to_utf8("x\x88"), "x\xEF\xBF\xBD");      // a lead at the end
  EXPECT_EQ(cp932_to_utf8("\x80\xA0\xFD"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(TextAsUtf8, Utf8StaysAndAnythingElseIsCp932) {
  EXPECT_EQ(text_as_utf8("\xEF\xBB\xBF\xE6\xB4\xAA\xE6\xB0\xB4,1"), "\xE6\xB4\xAA\xE6\xB0\xB4,1");
  EXPECT_EQ(text_as_utf8("\x8D\x5E\x90\x85,1"), "\xE6\xB4\xAA\xE6\xB0\xB4,1");  // 洪水 in CP932
  EXPECT_EQ(text_as_utf8("plain,1\r\n"), "plain,1\r\n");
  // Overlong forms and surrogates are not UTF-8.
  EXPECT_FALSE(tqweir::text::is_utf8("\xC0\xAF"));
  EXPECT_FALSE(tqweir::text::is_utf8("\xED\xA0\x80"));
  EXPECT_TRUE(tqweir::text::is_utf8("\xF0\x9F\x98\x80"));
}

// A file is one encoding: a UTF-8 line and a CP932 line, bytes of neither,
// or UTF-16 are refused naming the line or the file.
TEST(DecodedText, MixedBrokenAndUtf16TextsAreRefused) {
  const auto error_of = [](const std::string& bytes) {
    try {
      tqweir::text::decoded_text(bytes, "lc.csv");
    } catch (const tqweir::text::InputError& e) {
      return std::string(e.what());
    }
    return std::string();
  };
  // 平常 in UTF-8 on line 2, 洪水 in CP932 on line 3 (a CR alone ends a line).
  EXPECT_EQ(error_of("case\n\xE5\xB9\xB3\xE5\xB8\xB8,1\r\x8D\x5E\x90\x85,2\n"),
            "lc.csv: line 2 is UTF-8 text but line 3 is CP932 (Shift_JIS); save the whole file "
            "in one encoding");
  EXPECT_EQ(error_of("case\r\na,1\r\n\x8D\x5E\x85\x85,2\r\n"),  // 0x8540 row has no characters
            "lc.csv line 3: bytes that are neither UTF-8 nor CP932 (Shift_JIS) text");
  EXPECT_EQ(error_of("case\n\x80,1\n"), "lc.csv line 2: bytes that are neither UTF-8 nor CP932 (Shift_JIS) text");
  EXPECT_NE(error_of("\xFF\xFE\x8D\x6D").find("lc.csv: the file is UTF-16 text"), std::string::npos);
  EXPECT_NE(error_of(std::string("\0c\0a\0s\0e", 8)).find("UTF-16"), std::string::npos);
  EXPECT_EQ(tqweir::text::decoded_text("case\n\x8D\x5E\x90\x85,2\n", "lc.csv"),
            "case\n\xE6\xB4\xAA\xE6\xB0\xB4,2\n");
}

}  // namespace
