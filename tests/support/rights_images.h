#pragma once
// Rights file images built byte by byte, independently of the writer, so the
// reader is tested against the stored form itself.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "rights/checksum.h"
#include "rights/scramble.h"

class ImageBuilder {
 public:
  std::vector<std::uint8_t> bytes;

  ImageBuilder& U8(std::uint8_t v) {
    bytes.push_back(v);
    return *this;
  }
  ImageBuilder& I32(std::int32_t v) { return LE(static_cast<std::uint32_t>(v), 4); }
  ImageBuilder& I64(std::int64_t v) { return LE(static_cast<std::uint64_t>(v), 8); }
  ImageBuilder& F64(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, 8);
    return LE(bits, 8);
  }
  ImageBuilder& Raw(const std::string& s) {
    bytes.insert(bytes.end(), s.begin(), s.end());
    return *this;
  }
  // A string field from Windows-1252 text.
  ImageBuilder& Str(std::string cp1252) {
    rights::ScrambleText(cp1252);
    U8(static_cast<std::uint8_t>(cp1252.size()));
    return Raw(cp1252);
  }
  ImageBuilder& Append(const std::vector<std::uint8_t>& more) {
    bytes.insert(bytes.end(), more.begin(), more.end());
    return *this;
  }

 private:
  ImageBuilder& LE(std::uint64_t v, int n) {
    for (int i = 0; i < n; ++i) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    return *this;
  }
};

inline const std::string kCaption =
    std::string("*** Quarn Rechte Datei *** nicht bearbeiten oder l\xF6schen!!! ***\r\n") + '\0';

// Header of the layout rfVersion selects, for the given body.
inline std::vector<std::uint8_t> MakeHeader(std::int32_t rfVersion, const std::vector<std::uint8_t>& body,
                                            bool rightsActive = false, const std::string& domain = "") {
  ImageBuilder h;
  h.Raw(kCaption).I32(rfVersion).I32(5).F64(46000.5).I32(static_cast<std::int32_t>(rights::CalcCrc(body)));
  h.I64(0).U8(0);
  if (rfVersion >= 1) h.U8(rightsActive ? 1 : 0);
  if (rfVersion >= 2) {
    std::string d = domain;
    d.resize(25, '\0');
    h.Raw(d);
  }
  return h.bytes;
}

inline std::vector<std::uint8_t> AdminUserBlock() {
  ImageBuilder b;
  b.U8(11).I32(1);
  b.U8(1).U8(1).I32(1).Str("Admin").Str("Administrator").Str("Admin").Str("geheim").U8(0).U8(0);
  return b.bytes;
}

inline std::vector<std::uint8_t> EmptyBlock(std::uint8_t listClass) {
  return ImageBuilder().U8(listClass).I32(0).bytes;
}

inline std::vector<std::uint8_t> WithHeader(std::int32_t rfVersion, const std::vector<std::uint8_t>& body,
                                            bool rightsActive = false) {
  return ImageBuilder().Append(MakeHeader(rfVersion, body, rightsActive)).Append(body).bytes;
}

inline std::vector<std::uint8_t> MakeOldLayoutFile(std::int32_t rfVersion, bool rightsActive) {
  const auto body = ImageBuilder()
                        .Append(AdminUserBlock())
                        .Append(EmptyBlock(12))
                        .Append(EmptyBlock(13))
                        .Append(EmptyBlock(14))
                        .bytes;
  return WithHeader(rfVersion, body, rightsActive);
}

// One assigned right (group 3, right 1200, client 7) in the given record layout.
inline std::vector<std::uint8_t> AssignedRightRecord(std::uint8_t storedVersion, const std::string& modules) {
  ImageBuilder r;
  r.U8(4).U8(storedVersion).I32(1).Str("").U8(1).U8(0).I32(3).I32(1200).U8(7).Raw(modules);
  return r.bytes;
}

inline std::vector<std::uint8_t> MakeFileWithOneAssignedRight(std::uint8_t storedVersion,
                                                             const std::string& modules) {
  const auto body = ImageBuilder()
                        .Append(EmptyBlock(11))
                        .Append(EmptyBlock(12))
                        .Append(EmptyBlock(13))
                        .U8(14)
                        .I32(1)
                        .Append(AssignedRightRecord(storedVersion, modules))
                        .bytes;
  return WithHeader(3, body);
}

// Reads little-endian fields of a file image.
class HeaderView {
 public:
  explicit HeaderView(const std::vector<std::uint8_t>& bytes) : fBytes(bytes) {}
  std::int32_t Int32(std::size_t at) const { return static_cast<std::int32_t>(UInt32(at)); }
  std::uint32_t UInt32(std::size_t at) const {
    return std::uint32_t(fBytes.at(at)) | std::uint32_t(fBytes.at(at + 1)) << 8 |
           std::uint32_t(fBytes.at(at + 2)) << 16 | std::uint32_t(fBytes.at(at + 3)) << 24;
  }

 private:
  const std::vector<std::uint8_t>& fBytes;
};
