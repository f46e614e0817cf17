// The fixed message texts of the message log error.csv.
//
// Every run that ends by itself leaves exactly one of these lines in
// error.csv. The log is read on Japanese desktops, so each text is kept as
// its code page 932 (Shift-JIS) bytes, and also as UTF-8 for tests, tools
// and documentation. Line ends are added by the writer (CR LF).
#ifndef TQWEIR_CORE_MESSAGES_H_
#define TQWEIR_CORE_MESSAGES_H_

#include <string>

namespace tqweir {

enum class Message {
  syogen_missing,
  parameter_missing,
  hitai_missing,
  tension_negative,
  downstream_too_deep,
  no_solution_below,
  no_solution_above,
  finished,
  syogen_invalid,
  parameter_invalid,
  span_invalid,
  perimeter_invalid,
  hitai_bad_coordinate,
  hitai_zero_segment,
  hitai_point_count,
  overflow_mode_invalid,
  membrane_not_converged,
  flow_depth_not_converged,
  balance_not_finite,
  result_not_finite,
  write_failed,  // "<file name> に書き込めません": the only text with a part that varies
};

// Number of entries of Message, write_failed included.
constexpr int kMessageCount = 21;

// The message as code page 932 bytes, without the line end. For
// write_failed, `file_name` (plain ASCII) is put in front of the fixed part.
std::string message_cp932(Message message, const std::string& file_name = "");

// The same text in UTF-8.
std::string message_utf8(Message message, const std::string& file_name = "");

// One English sentence saying what the message means, for users and docs.
std::string message_meaning(Message message);

// A short English key naming the kind of stop ("ok" for finished), for
// tables that summarise many runs.
std::string message_key(Message message);

}  // namespace tqweir

#endif  // TQWEIR_CORE_MESSAGES_H_
