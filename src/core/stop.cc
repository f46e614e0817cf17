#include "core/stop.h"

#include <utility>

namespace tqweir {

StopRun::StopRun(Message message, std::string file_name)
    : std::runtime_error(message_utf8(message, file_name)),
      message_(message),
      file_name_(std::move(file_name)) {}

std::string StopRun::log_line() const {
  return message_cp932(message_, file_name_) + "\r\n";
}

}  // namespace tqweir
