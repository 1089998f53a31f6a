#include "header_check.h"

#include "rights/byte_stream.h"
#include "rights/checksum.h"

namespace qxr {

std::optional<HeaderCheck> CheckHeader(std::span<const std::uint8_t> image) {
  HeaderCheck check;
  rights::ByteReader reader(image);
  try {
    check.headerSize = rights::ReadHeader(reader, check.header);
  } catch (const rights::EReadError&) {
    return std::nullopt;
  }
  // ReadHeader sets the version a write would give; report the stored one.
  rights::ByteReader storedVersion(image.subspan(rights::CaptionSize));
  check.header.RFVersion = storedVersion.ReadInt32();
  const auto body = reader.Rest();
  check.bodySize = body.size();
  check.computedCRC = rights::CalcCrc(body);
  return check;
}

}  // namespace qxr
