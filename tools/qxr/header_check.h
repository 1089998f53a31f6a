#pragma once
// The header of a rights file as stored, and its caption and checksum checks,
// without loading the lists.
#include <cstdint>
#include <optional>
#include <span>

#include "rights/rights_header.h"

namespace qxr {

struct HeaderCheck {
  rights::TRFHeader header;    // RFVersion as stored, not the 3 a loaded file has
  std::size_t headerSize = 0;  // 95, 96 or 121
  std::size_t bodySize = 0;
  std::uint32_t computedCRC = 0;  // over the body

  bool CaptionValid() const { return header.CaptionValid(); }
  bool ChecksumValid() const { return computedCRC == header.CRC; }
};

// Nothing when the image is shorter than the header its RFVersion announces.
std::optional<HeaderCheck> CheckHeader(std::span<const std::uint8_t> image);

}  // namespace qxr
