#pragma once
// Little-endian reading and writing of the rights file's fields. The reader
// checks every access against the bytes that remain.
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "errors.h"

namespace rights {

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> data) : fData(data) {}

  std::size_t Position() const { return fPos; }
  std::size_t Remaining() const { return fData.size() - fPos; }
  bool AtEnd() const { return fPos >= fData.size(); }

  std::uint8_t ReadByte() { return Take(1)[0]; }
  bool ReadBool() { return ReadByte() != 0; }
  std::int32_t ReadInt32() { return static_cast<std::int32_t>(ReadUInt32()); }
  std::uint32_t ReadUInt32() { return static_cast<std::uint32_t>(ReadLE(4)); }
  std::int64_t ReadInt64() { return static_cast<std::int64_t>(ReadLE(8)); }
  double ReadDouble() {
    const std::uint64_t bits = ReadLE(8);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }
  // n raw bytes; throws EReadError when fewer remain.
  std::span<const std::uint8_t> Take(std::size_t n) {
    if (n > Remaining()) throw EReadError();
    auto part = fData.subspan(fPos, n);
    fPos += n;
    return part;
  }
  std::span<const std::uint8_t> Rest() { return Take(Remaining()); }

 private:
  std::uint64_t ReadLE(std::size_t n) {
    const auto bytes = Take(n);
    std::uint64_t value = 0;
    for (std::size_t i = n; i-- > 0;) value = (value << 8) | bytes[i];
    return value;
  }

  std::span<const std::uint8_t> fData;
  std::size_t fPos = 0;
};

class ByteWriter {
 public:
  std::vector<std::uint8_t>& Bytes() { return fData; }
  std::size_t Size() const { return fData.size(); }
  void Reserve(std::size_t n) { fData.reserve(n); }

  void WriteByte(std::uint8_t b) { fData.push_back(b); }
  void WriteBool(bool b) { fData.push_back(b ? 1 : 0); }
  void WriteInt32(std::int32_t v) { WriteLE(static_cast<std::uint32_t>(v), 4); }
  void WriteUInt32(std::uint32_t v) { WriteLE(v, 4); }
  void WriteInt64(std::int64_t v) { WriteLE(static_cast<std::uint64_t>(v), 8); }
  void WriteDouble(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    WriteLE(bits, 8);
  }
  void WriteBytes(std::span<const std::uint8_t> bytes) {
    fData.insert(fData.end(), bytes.begin(), bytes.end());
  }
  void WriteChars(const std::string& s) { fData.insert(fData.end(), s.begin(), s.end()); }

 private:
  void WriteLE(std::uint64_t v, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) fData.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }

  std::vector<std::uint8_t> fData;
};

}  // namespace rights
