// The one way a calculation ends early.
//
// Anything below the driver that finds a reason to stop throws StopRun; the
// driver catches it, writes the message line to error.csv and sets exit
// status 1. Nothing in the core writes the log or ends the process itself,
// so the core can solve many cases in one process.
#ifndef TQWEIR_CORE_STOP_H_
#define TQWEIR_CORE_STOP_H_

#include <stdexcept>
#include <string>

#include "core/messages.h"

namespace tqweir {

class StopRun : public std::runtime_error {
 public:
  explicit StopRun(Message message, std::string file_name = "");

  Message message() const { return message_; }
  // The output file named by a write_failed stop; empty otherwise.
  const std::string& file_name() const { return file_name_; }
  // The log line as written to error.csv: CP932 bytes and CR LF.
  std::string log_line() const;

 private:
  Message message_;
  std::string file_name_;
};

}  // namespace tqweir

#endif  // TQWEIR_CORE_STOP_H_
