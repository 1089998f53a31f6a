#include "rights_header.h"

#include <algorithm>

#include "codepage.h"

namespace rights {

const std::string_view RightsFileCaption =
    "*** Quarn Rechte Datei *** nicht bearbeiten oder l\xF6schen!!! ***\r\n";

static_assert(CaptionSize == 66);

TRFHeader::TRFHeader() {
  std::copy(RightsFileCaption.begin(), RightsFileCaption.end(), Caption.begin());
}

bool TRFHeader::CaptionValid() const {
  const auto end = std::find(Caption.begin(), Caption.end(), 0);
  return std::string_view(reinterpret_cast<const char*>(Caption.data()),
                          static_cast<std::size_t>(end - Caption.begin())) == RightsFileCaption;
}

std::string TRFHeader::DomainText() const {
  const auto end = std::find(winDomain.begin(), winDomain.end(), 0);
  return LowerCase(Cp1252ToUtf8(std::string(winDomain.begin(), end)));
}

std::size_t ReadHeader(ByteReader& reader, TRFHeader& header) {
  const std::size_t start = reader.Position();
  const auto caption = reader.Take(CaptionSize);
  std::copy(caption.begin(), caption.end(), header.Caption.begin());
  header.RFVersion = reader.ReadInt32();
  header.Version = reader.ReadInt32();
  header.TimeStamp = reader.ReadDouble();
  header.CRC = reader.ReadUInt32();
  header.AssgnPos = reader.ReadInt64();
  header.TrustDomainUser = reader.ReadBool();
  if (header.RFVersion >= 1)
    header.RightsActive = reader.ReadBool();
  else
    header.RightsActive = true;
  if (header.RFVersion >= 2) {
    const auto domain = reader.Take(DomainSize);
    std::copy(domain.begin(), domain.end(), header.winDomain.begin());
  } else {
    header.winDomain.fill(0);
  }
  header.RFVersion = CurrentRFVersion;
  return reader.Position() - start;
}

void WriteHeader(ByteWriter& writer, const TRFHeader& header) {
  writer.WriteBytes(header.Caption);
  writer.WriteInt32(header.RFVersion);
  writer.WriteInt32(header.Version);
  writer.WriteDouble(header.TimeStamp);
  writer.WriteUInt32(header.CRC);
  writer.WriteInt64(header.AssgnPos);
  writer.WriteBool(header.TrustDomainUser);
  writer.WriteBool(header.RightsActive);
  writer.WriteBytes(header.winDomain);
}

}  // namespace rights
