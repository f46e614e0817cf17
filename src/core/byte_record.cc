#include "core/byte_record.h"

#include <cstring>

namespace tqweir {

void ByteWriter::put_u64(std::uint64_t v) {
  for (int k = 0; k < 8; ++k) bytes_.push_back(static_cast<char>((v >> (8 * k)) & 0xffu));
}

void ByteWriter::put_double(double v) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &v, sizeof bits);
  put_u64(bits);
}

void ByteWriter::put_text(const std::string& s) {
  put_u64(s.size());
  bytes_ += s;
}

std::uint64_t ByteReader::u64() {
  if (!ok_ || bytes_.size() - at_ < 8) {
    ok_ = false;
    return 0;
  }
  std::uint64_t v = 0;
  for (int k = 0; k < 8; ++k) {
    v |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes_[at_ + k])) << (8 * k);
  }
  at_ += 8;
  return v;
}

double ByteReader::real() {
  const std::uint64_t bits = u64();
  double v = 0.0;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

bool ByteReader::flag() {
  const std::uint64_t v = u64();
  if (v > 1) ok_ = false;
  return ok_ && v == 1;
}

std::string ByteReader::text() {
  const std::size_t n = count(1);
  std::string s = ok_ ? bytes_.substr(at_, n) : std::string();
  at_ += s.size();
  return s;
}

std::uint64_t ByteReader::below(std::uint64_t limit) {
  const std::uint64_t v = u64();
  if (v >= limit) ok_ = false;
  return ok_ ? v : 0;
}

std::int64_t ByteReader::within(std::int64_t lo, std::int64_t hi) {
  const std::int64_t v = i64();
  if (v < lo || v > hi) ok_ = false;
  return ok_ ? v : 0;
}

std::size_t ByteReader::count(std::size_t item_bytes) {
  const std::uint64_t n = u64();
  if (!ok_ || n > (bytes_.size() - at_) / item_bytes) {
    ok_ = false;
    return 0;
  }
  return static_cast<std::size_t>(n);
}

}  // namespace tqweir
