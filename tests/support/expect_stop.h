// Checks on code that must end with a StopRun.
#ifndef TQWEIR_TESTS_SUPPORT_EXPECT_STOP_H_
#define TQWEIR_TESTS_SUPPORT_EXPECT_STOP_H_

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

#include "core/messages.h"
#include "core/stop.h"

namespace tqweir_test {

// The message of the StopRun that `run()` throws, or Message::finished when
// it returns normally.
template <typename Run>
tqweir::Message stop_message(const Run& run) {
  try {
    run();
  } catch (const tqweir::StopRun& stop) {
    return stop.message();
  }
  return tqweir::Message::finished;
}

// Runs `search` in a child process under a 10 s alarm and expects it to
// throw StopRun(expected). A search that never ends is killed by the alarm
// and fails the test instead of hanging the suite; a search that returns or
// stops with another message fails it too, saying which.
template <typename Search>
void expect_stop_without_hang(tqweir::Message expected, const Search& search) {
  EXPECT_EXIT(
      {
        alarm(10);
        try {
          const double value = search();
          std::fprintf(stderr, "returned %.17g", value);
          std::_Exit(2);
        } catch (const tqweir::StopRun& stop) {
          if (stop.message() == expected) std::_Exit(0);
          std::fprintf(stderr, "stopped with %s", tqweir::message_key(stop.message()).c_str());
          std::_Exit(1);
        }
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace tqweir_test

#endif  // TQWEIR_TESTS_SUPPORT_EXPECT_STOP_H_
