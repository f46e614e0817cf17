#include "core/messages.h"

namespace tqweir {
namespace {

struct MessageEntry {
  Message id;
  const char* key;
  const char* cp932;
  const char* utf8;
  const char* meaning;
};

// Byte strings are split where a hex escape would otherwise swallow the
// digit or letter that follows it.
const MessageEntry kMessages[kMessageCount] = {
    {Message::syogen_missing, "syogen_missing",
     "syogen \x82\xaa\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82\xf1",
     u8"syogen が見つかりません",
     "syogen.csv was not found in the working directory."},
    {Message::parameter_missing, "parameter_missing",
     "parameter.csv \x82\xaa\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82\xf1",
     u8"parameter.csv が見つかりません",
     "parameter.csv was not found in the working directory."},
    {Message::hitai_missing, "hitai_missing",
     "hitai.csv \x82\xaa\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82\xf1",
     u8"hitai.csv が見つかりません",
     "hitai.csv was not found in the working directory."},
    {Message::tension_negative, "tension_negative",
     "TB < 0 \x91\xdc\x91\xcc\x92\xa3\x97\xcd\x82\xaa\x95s\x93K\x90\xd8\x82\xc5\x82\xb7",
     u8"TB < 0 袋体張力が不適切です",
     "The bag tension TB of a trial came out negative: the downstream water "
     "is too deep for the bag pressure."},
    {Message::downstream_too_deep, "downstream_too_deep",
     "Hd > H \x89\xba\x97\xac\x90\x85\x90[\x82\xaa\x89\xdf\x91\xe5\x82\xc5\x82\xb7",
     u8"Hd > H 下流水深が過大です",
     "The downstream water depth over the hinge Hd exceeds the crest height H."},
    {Message::no_solution_below, "no_solution_below",
     "2.0 <\x83\xbf< 500 \x82\xcc\x94\xcd\x88\xcd\x82\xc9\x89\xf0\x82\xcd\x82\xa0"
     "\x82\xe8\x82\xdc\x82\xb9\x82\xf1(\x83\xbf<2)",
     u8"2.0 <α< 500 の範囲に解はありません(α<2)",
     "No moment balance for 2.0 < alpha < 500: the solution, if any, lies "
     "below alpha = 2."},
    {Message::no_solution_above, "no_solution_above",
     "2.0 <\x83\xbf< 500 \x82\xcc\x94\xcd\x88\xcd\x82\xc9\x89\xf0\x82\xcd\x82\xa0"
     "\x82\xe8\x82\xdc\x82\xb9\x82\xf1(\x83\xbf>500)",
     u8"2.0 <α< 500 の範囲に解はありません(α>500)",
     "No moment balance for 2.0 < alpha < 500: the solution, if any, lies "
     "above alpha = 500."},
    {Message::finished, "ok",
     "\x90\xb3\x8f\xed\x82\xc9\x8fI\x97\xb9\x82\xb5\x82\xdc\x82\xb5\x82\xbd",
     u8"正常に終了しました",
     "The run finished normally; all output files are written."},
    {Message::syogen_invalid, "syogen_invalid",
     "syogen.csv \x82\xcc\x90\x94\x92l\x82\xaa\x95s\x91\xab\x82\xb5\x82\xc4\x82\xa2"
     "\x82\xe9\x82\xa9\x95s\x90\xb3\x82\xc5\x82\xb7",
     u8"syogen.csv の数値が不足しているか不正です",
     "syogen.csv holds fewer than twelve numbers, or a value that is not a "
     "finite number."},
    {Message::parameter_invalid, "parameter_invalid",
     "parameter.csv \x82\xcc\x90\x94\x92l\x82\xaa\x95s\x91\xab\x82\xb5\x82\xc4\x82\xa2"
     "\x82\xe9\x82\xa9\x95s\x90\xb3\x82\xc5\x82\xb7",
     u8"parameter.csv の数値が不足しているか不正です",
     "parameter.csv holds fewer than nine numbers (the first an integer), or "
     "a value that is not a finite number."},
    {Message::span_invalid, "span_invalid",
     "span <= 0 \x8c" "a\x8a\xd4\x92\xb7\x82\xaa\x95s\x93K\x90\xd8\x82\xc5\x82\xb7",
     u8"span <= 0 径間長が不適切です",
     "The span (syogen.csv field 2) is zero or negative."},
    {Message::perimeter_invalid, "perimeter_invalid",
     "perimeter <= 0 \x91\xdc\x91\xcc\x8e\xfc\x92\xb7\x82\xaa\x95s\x93K\x90\xd8\x82\xc5\x82\xb7",
     u8"perimeter <= 0 袋体周長が不適切です",
     "The bag perimeter (parameter.csv field 8) is zero or negative."},
    {Message::hitai_bad_coordinate, "hitai_bad_coordinate",
     "hitai.csv \x82\xcc\x8d\xc0\x95W\x82\xaa\x95s\x90\xb3\x82\xc5\x82\xb7",
     u8"hitai.csv の座標が不正です",
     "hitai.csv holds something other than pairs x,y of finite numbers (a "
     "header, text, a line with one or three numbers)."},
    {Message::hitai_zero_segment, "hitai_zero_segment",
     "hitai.csv \x82\xc9\x92\xb7\x82\xb3" "0\x82\xcc\x8b\xe6\x8a\xd4\x82\xaa\x82\xa0"
     "\x82\xe8\x82\xdc\x82\xb7",
     u8"hitai.csv に長さ0の区間があります",
     "hitai.csv repeats a point: a segment of length 0 has no direction."},
    {Message::hitai_point_count, "hitai_point_count",
     "hitai.csv \x82\xcc\x93_\x90\x94\x82\xaa\x95s\x93K\x90\xd8\x82\xc5\x82\xb7(2\x93_"
     "\x88\xc8\x8f\xe3" "30\x93_\x88\xc8\x89\xba)",
     u8"hitai.csv の点数が不適切です(2点以上30点以下)",
     "hitai.csv has fewer than 2 or more than 30 points."},
    {Message::overflow_mode_invalid, "overflow_mode_invalid",
     "overflow_mode \x89z\x97\xac\x83\x82\x83" "f\x83\x8b\x82\xcc\x8ew\x92\xe8\x82\xaa"
     "\x95s\x93K\x90\xd8\x82\xc5\x82\xb7",
     u8"overflow_mode 越流モデルの指定が不適切です",
     "The upstream water reaches the crest and overflow_mode is not 1, 2 or 3."},
    {Message::membrane_not_converged, "membrane_not_converged",
     "\x96\x8c\x8c`\x8f\xf3\x82\xcc\x8cv\x8eZ\x82\xaa\x8e\xfb\x91\xa9\x82\xb5\x82\xdc"
     "\x82\xb9\x82\xf1",
     u8"膜形状の計算が収束しません",
     "A search of the membrane shape (tension, contact depth or hinge) cannot "
     "converge: the inputs give it no root to find."},
    {Message::flow_depth_not_converged, "flow_depth_not_converged",
     "\x89z\x97\xac\x90\x85\x90[\x82\xcc\x8cv\x8eZ\x82\xaa\x8e\xfb\x91\xa9\x82\xb5\x82\xdc"
     "\x82\xb9\x82\xf1",
     u8"越流水深の計算が収束しません",
     "The search for the overflow depth of surface model 3 cannot converge."},
    {Message::balance_not_finite, "balance_not_finite",
     "\x92\xde\x8d\x87\x82\xa2\x8cv\x8eZ\x82\xc5\x97L\x8c\xc0\x82\xcc\x92l\x82\xaa\x93\xbe"
     "\x82\xe7\x82\xea\x82\xdc\x82\xb9\x82\xf1",
     u8"釣合い計算で有限の値が得られません",
     "The moment balance of a trial is not a finite number (degenerate "
     "geometry, such as a stopper attached at the hinge)."},
    {Message::result_not_finite, "result_not_finite",
     "\x8cv\x8eZ\x8c\x8b\x89\xca\x82\xc9\x97L\x8c\xc0\x82\xc5\x82\xc8\x82\xa2\x92l\x82\xaa"
     "\x82\xa0\x82\xe8\x82\xdc\x82\xb7",
     u8"計算結果に有限でない値があります",
     "A converged result (a summary field or a coordinate) is not a finite "
     "number; no coordinate or summary file was written."},
    {Message::write_failed, "write_failed",
     " \x82\xc9\x8f\x91\x82\xab\x8d\x9e\x82\xdf\x82\xdc\x82\xb9\x82\xf1",
     u8" に書き込めません",
     "The named output file could not be opened or completely written (a "
     "full disk, a folder or a read-only file in its place)."},
};

const MessageEntry& entry(Message message) {
  return kMessages[static_cast<int>(message)];
}

}  // namespace

std::string message_cp932(Message message, const std::string& file_name) {
  if (message == Message::write_failed) return file_name + entry(message).cp932;
  return entry(message).cp932;
}

std::string message_utf8(Message message, const std::string& file_name) {
  if (message == Message::write_failed) return file_name + entry(message).utf8;
  return entry(message).utf8;
}

std::string message_meaning(Message message) { return entry(message).meaning; }

std::string message_key(Message message) { return entry(message).key; }

}  // namespace tqweir
