#pragma once
// The rights file header, in its three layouts.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "byte_stream.h"
#include "date_time.h"

namespace rights {

// "*** Quarn Rechte Datei *** nicht bearbeiten oder löschen!!! ***\r\n" in Windows-1252.
extern const std::string_view RightsFileCaption;

constexpr std::size_t CaptionSize = 66;
constexpr std::size_t DomainSize = 25;
constexpr std::int32_t CurrentRFVersion = 3;
constexpr std::size_t CurrentHeaderSize = 121;

struct TRFHeader {
  TRFHeader();

  std::array<std::uint8_t, CaptionSize> Caption{};
  std::int32_t RFVersion = CurrentRFVersion;
  std::int32_t Version = 1;
  TDateTime TimeStamp = 0;
  std::uint32_t CRC = 0;
  std::int64_t AssgnPos = 0;
  bool TrustDomainUser = false;
  bool RightsActive = false;
  std::array<std::uint8_t, DomainSize> winDomain{};

  // The caption up to its first zero byte is the rights file caption.
  bool CaptionValid() const;
  // The stored domain up to its zero byte (at most 25 characters), lower case, UTF-8.
  std::string DomainText() const;
};

// Reads the header field by field as far as RFVersion says it reaches and
// returns the number of header bytes; EReadError when the data ends first.
std::size_t ReadHeader(ByteReader& reader, TRFHeader& header);

// Writes the current 121-byte layout.
void WriteHeader(ByteWriter& writer, const TRFHeader& header);

}  // namespace rights
