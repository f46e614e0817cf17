// A record of numbers and texts as bytes, and its reading back: what one
// process solved, carried to another (a pickled grid of paths, a block of
// a risk's events) and read there to the bit. A double is its IEEE 754
// bits, little-endian whatever the machine, so a NaN or -0 comes back as
// it went; a text or a list is its length, then its bytes or items.
#ifndef TQWEIR_CORE_BYTE_RECORD_H_
#define TQWEIR_CORE_BYTE_RECORD_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace tqweir {

class ByteWriter {
 public:
  void put_u64(std::uint64_t v);
  void put_i64(std::int64_t v) { put_u64(static_cast<std::uint64_t>(v)); }
  void put_double(double v);
  void put_bool(bool v) { put_u64(v ? 1 : 0); }
  void put_text(const std::string& s);

  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// Reads what a ByteWriter wrote, in the same order. A read past the end,
// a bool that is not 0 or 1, or a count larger than the bytes left marks
// the record bad (ok() false) and gives 0 or empty from then on: the
// caller checks ok() once, at the end, and refuses the whole record.
class ByteReader {
 public:
  explicit ByteReader(const std::string& bytes) : bytes_(bytes) {}

  std::uint64_t u64();
  std::int64_t i64() { return static_cast<std::int64_t>(u64()); }
  double real();
  bool flag();
  std::string text();
  // A count of items each at least `item_bytes` long: bad when the bytes
  // left cannot hold that many. REQUIRES: item_bytes > 0.
  std::size_t count(std::size_t item_bytes);
  // A number below `limit` (an enumeration's count): bad otherwise, 0 then.
  std::uint64_t below(std::uint64_t limit);
  // A whole number from lo to hi: bad otherwise, 0 then.
  std::int64_t within(std::int64_t lo, std::int64_t hi);

  bool ok() const { return ok_; }
  // Every byte read, none left over, nothing bad.
  bool done() const { return ok_ && at_ == bytes_.size(); }

 private:
  const std::string& bytes_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

// One list of a record's fields serves both directions: a function
// template over Io (ByteWriter or ByteReader) calls field() on each member
// in order, so that what is written and what is read cannot drift apart.
// The writer takes the members const, the reader fills them.
inline void field(ByteWriter& out, const double& v) { out.put_double(v); }
inline void field(ByteReader& in, double& v) { v = in.real(); }
inline void field(ByteWriter& out, const bool& v) { out.put_bool(v); }
inline void field(ByteReader& in, bool& v) { v = in.flag(); }
inline void field(ByteWriter& out, const std::string& v) { out.put_text(v); }
inline void field(ByteReader& in, std::string& v) { v = in.text(); }
inline void field(ByteWriter& out, const int& v) { out.put_i64(v); }
inline void field(ByteReader& in, int& v) {
  v = static_cast<int>(in.within(std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
inline void field(ByteWriter& out, const long& v) { out.put_i64(v); }
inline void field(ByteReader& in, long& v) {
  v = static_cast<long>(in.within(std::numeric_limits<long>::min(), std::numeric_limits<long>::max()));
}
inline void field(ByteWriter& out, const long long& v) { out.put_i64(v); }
inline void field(ByteReader& in, long long& v) { v = static_cast<long long>(in.i64()); }
inline void field(ByteWriter& out, const unsigned long& v) { out.put_u64(v); }
inline void field(ByteReader& in, unsigned long& v) { v = static_cast<unsigned long>(in.u64()); }
inline void field(ByteWriter& out, const unsigned long long& v) { out.put_u64(v); }
inline void field(ByteReader& in, unsigned long long& v) { v = static_cast<unsigned long long>(in.u64()); }

template <typename T, std::size_t N>
void field(ByteWriter& out, const std::array<T, N>& v) {
  for (const T& x : v) field(out, x);
}
template <typename T, std::size_t N>
void field(ByteReader& in, std::array<T, N>& v) {
  for (T& x : v) field(in, x);
}

// An enumeration of `count` values, by number; a reader refuses others.
template <typename E>
void enum_field(ByteWriter& out, const E& v, int /*count*/) {
  out.put_u64(static_cast<std::uint64_t>(v));
}
template <typename E>
void enum_field(ByteReader& in, E& v, int count) {
  v = static_cast<E>(in.below(static_cast<std::uint64_t>(count)));
}

// A list, its length then each item by `item(io, item)`; a reader takes a
// length only when the bytes left can hold that many items of 8 bytes.
template <typename T, typename Item>
void list_field(ByteWriter& out, const std::vector<T>& v, Item item) {
  out.put_u64(v.size());
  for (const T& x : v) item(out, x);
}
template <typename T, typename Item>
void list_field(ByteReader& in, std::vector<T>& v, Item item) {
  v.assign(in.count(8), T());
  for (T& x : v) item(in, x);
}

}  // namespace tqweir

#endif  // TQWEIR_CORE_BYTE_RECORD_H_
