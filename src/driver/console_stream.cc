#include "driver/console_stream.h"

#if defined(_WIN32)
#include <windows.h>

#include <string>
#endif

namespace tqweir {

#if defined(_WIN32)
namespace {

// Length of the longest prefix of `text` that does not end inside a UTF-8
// sequence: a flush may come between the bytes of one character.
std::size_t complete_utf8_prefix(const std::string& text) {
  const std::size_t n = text.size();
  for (std::size_t back = 1; back <= 3 && back <= n; ++back) {
    const unsigned char c = static_cast<unsigned char>(text[n - back]);
    if ((c & 0xC0) == 0x80) continue;  // a continuation byte: look further back
    const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    return length > back ? n - back : n;
  }
  return n;
}

std::wstring widen(const std::string& utf8) {
  const int size = static_cast<int>(utf8.size());
  const int count = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(count), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, &wide[0], count);
  return wide;
}

std::string narrow(const std::wstring& wide, UINT code_page) {
  const int size = static_cast<int>(wide.size());
  const int count = WideCharToMultiByte(code_page, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(count), '\0');
  WideCharToMultiByte(code_page, 0, wide.data(), size, &bytes[0], count, nullptr, nullptr);
  return bytes;
}

// Writes complete UTF-8 text to standard error as the module comment says.
void write_standard_error(const std::string& utf8) {
  if (utf8.empty()) return;
  const HANDLE handle = GetStdHandle(STD_ERROR_HANDLE);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
  DWORD mode = 0;
  DWORD written = 0;
  if (GetConsoleMode(handle, &mode)) {
    const std::wstring wide = widen(utf8);
    WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  std::string text;
  for (const char c : utf8) {
    if (c == '\n') text += '\r';
    text += c;
  }
  // A process without a console has no console code page (0): the system's
  // default one for consoles, the OEM code page, stands in for it.
  UINT code_page = GetConsoleOutputCP();
  if (code_page == 0) code_page = GetOEMCP();
  if (code_page == 932) text = narrow(widen(text), 932);
  WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

class ConsoleBuffer : public std::streambuf {
 public:
  ~ConsoleBuffer() override { write_standard_error(pending_); }

 protected:
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof())) pending_ += traits_type::to_char_type(c);
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    pending_.append(s, static_cast<std::size_t>(n));
    return n;
  }
  int sync() override {
    const std::size_t complete = complete_utf8_prefix(pending_);
    write_standard_error(pending_.substr(0, complete));
    pending_.erase(0, complete);
    return 0;
  }

 private:
  std::string pending_;
};

}  // namespace

ConsoleStream::ConsoleStream(std::ostream& stream)
    : stream_(stream), buffer_(new ConsoleBuffer) {
  stream_.flush();
  original_ = stream_.rdbuf(buffer_.get());
}

ConsoleStream::~ConsoleStream() {
  stream_.flush();
  stream_.rdbuf(original_);
}

#else

// UTF-8 is what a terminal here expects: the stream stays as it is.
ConsoleStream::ConsoleStream(std::ostream& stream) : stream_(stream) {}

ConsoleStream::~ConsoleStream() = default;

#endif

}  // namespace tqweir
