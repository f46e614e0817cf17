// Standard error as the person at a console can read it.
//
// The programs print their messages in UTF-8, which a Linux terminal shows
// as it is. A Windows console shows bytes in its own code page (932 on a
// Japanese system, 437 or 1252 elsewhere), so UTF-8 Japanese would come out
// garbled there. On Windows, while a ConsoleStream lives, what is written to
// the stream it wraps (std::cerr) goes out
//   - to a console: as UTF-16 text (WriteConsoleW), which every console
//     shows whatever its code page, given a font with the characters;
//   - to a file or a pipe: as CP932 bytes when the console's output code
//     page (without a console, the system's OEM code page) is 932, what a
//     Japanese system's console and tools expect; as UTF-8 otherwise; with
//     CR LF line ends like any text-mode stream there.
// Elsewhere it changes nothing.
#ifndef TQWEIR_DRIVER_CONSOLE_STREAM_H_
#define TQWEIR_DRIVER_CONSOLE_STREAM_H_

#include <memory>
#include <ostream>
#include <streambuf>

namespace tqweir {

class ConsoleStream {
 public:
  // `stream` must write to standard error and outlive this object.
  explicit ConsoleStream(std::ostream& stream);
  ~ConsoleStream();  // writes what is left and gives `stream` back its buffer
  ConsoleStream(const ConsoleStream&) = delete;
  ConsoleStream& operator=(const ConsoleStream&) = delete;

 private:
  std::ostream& stream_;
  std::streambuf* original_ = nullptr;
  std::unique_ptr<std::streambuf> buffer_;
};

}  // namespace tqweir

#endif  // TQWEIR_DRIVER_CONSOLE_STREAM_H_
