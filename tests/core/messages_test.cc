// The fixed texts of the message log.
#include "core/messages.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "core/stop.h"
#include "support/case_runner.h"

namespace {

using tqweir::Message;

struct Expected {
  Message message;
  const char* text;
};

// The texts as the log's readers know them.
const Expected kTexts[] = {
    {Message::syogen_missing, u8"syogen が見つかりません"},
    {Message::parameter_missing, u8"parameter.csv が見つかりません"},
    {Message::hitai_missing, u8"hitai.csv が見つかりません"},
    {Message::tension_negative, u8"TB < 0 袋体張力が不適切です"},
    {Message::downstream_too_deep, u8"Hd > H 下流水深が過大です"},
    {Message::no_solution_below, u8"2.0 <α< 500 の範囲に解はありません(α<2)"},
    {Message::no_solution_above, u8"2.0 <α< 500 の範囲に解はありません(α>500)"},
    {Message::finished, u8"正常に終了しました"},
    {Message::syogen_invalid, u8"syogen.csv の数値が不足しているか不正です"},
    {Message::parameter_invalid, u8"parameter.csv の数値が不足しているか不正です"},
    {Message::span_invalid, u8"span <= 0 径間長が不適切です"},
    {Message::perimeter_invalid, u8"perimeter <= 0 袋体周長が不適切です"},
    {Message::hitai_bad_coordinate, u8"hitai.csv の座標が不正です"},
    {Message::hitai_zero_segment, u8"hitai.csv に長さ0の区間があります"},
    {Message::hitai_point_count, u8"hitai.csv の点数が不適切です(2点以上30点以下)"},
    {Message::overflow_mode_invalid, u8"overflow_mode 越流モデルの指定が不適切です"},
    {Message::membrane_not_converged, u8"膜形状の計算が収束しません"},
    {Message::flow_depth_not_converged, u8"越流水深の計算が収束しません"},
    {Message::balance_not_finite, u8"釣合い計算で有限の値が得られません"},
    {Message::result_not_finite, u8"計算結果に有限でない値があります"},
    {Message::write_failed, u8" に書き込めません"},
};

TEST(Messages, EveryTextIsCp932OfItsUtf8Form) {
  static_assert(sizeof(kTexts) / sizeof(kTexts[0]) == tqweir::kMessageCount,
                "every message has its expected text");
  std::set<std::string> keys;
  for (const Expected& e : kTexts) {
    bool ok = false;
    const std::string decoded = tqweir_test::cp932_to_utf8(tqweir::message_cp932(e.message), ok);
    EXPECT_TRUE(ok) << e.text;
    EXPECT_EQ(decoded, e.text);
    EXPECT_EQ(tqweir::message_utf8(e.message), e.text);
    EXPECT_FALSE(tqweir::message_meaning(e.message).empty()) << e.text;
    keys.insert(tqweir::message_key(e.message));
  }
  EXPECT_EQ(keys.size(), static_cast<std::size_t>(tqweir::kMessageCount));  // keys are distinct
}

TEST(Messages, WriteFailureNamesTheFileFirst) {
  EXPECT_EQ(tqweir::message_utf8(Message::write_failed, "TQSpec.csv"), u8"TQSpec.csv に書き込めません");
  bool ok = false;
  EXPECT_EQ(tqweir_test::cp932_to_utf8(tqweir::message_cp932(Message::write_failed, "XYGate.csv"), ok),
            u8"XYGate.csv に書き込めません");
  EXPECT_TRUE(ok);
  // Only that message carries a file name.
  EXPECT_EQ(tqweir::message_utf8(Message::finished, "TQSpec.csv"), u8"正常に終了しました");
}

TEST(Messages, StopCarriesItsLogLineWithCrLf) {
  const tqweir::StopRun stop(Message::write_failed, "suimen.csv");
  EXPECT_EQ(stop.message(), Message::write_failed);
  EXPECT_EQ(stop.file_name(), "suimen.csv");
  EXPECT_EQ(stop.log_line(), tqweir::message_cp932(Message::write_failed, "suimen.csv") + "\r\n");
  EXPECT_EQ(std::string(stop.what()), u8"suimen.csv に書き込めません");
  EXPECT_EQ(tqweir::StopRun(Message::tension_negative).log_line(),
            "TB < 0 \x91\xdc\x91\xcc\x92\xa3\x97\xcd\x82\xaa\x95s\x93K\x90\xd8\x82\xc5\x82\xb7\r\n");
}

}  // namespace
