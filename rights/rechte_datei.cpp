#include "rechte_datei.h"

#include <algorithm>

#include "checksum.h"
#include "codepage.h"
#include "errors.h"
#include "file_io.h"

namespace rights {

TRechteDatei::TRechteDatei(std::string aFileName) : fFileName(std::move(aFileName)) {
  fRFHeader.TimeStamp = NowAsDateTime();
}

bool TRechteDatei::Read(bool ChkCRC) {
  const auto image = ReadWholeFile(fFileName);
  if (!image || !LoadImage(image->bytes, ChkCRC)) return false;
  fAge = image->age;
  fDiskVersion = fRFHeader.Version;
  fDiskCRC = fRFHeader.CRC;
  return true;
}

bool TRechteDatei::LoadImage(std::span<const std::uint8_t> image, bool ChkCRC) {
  // Everything is read aside and taken over only when the whole file is sound:
  // a half-replaced header would carry a broken caption into the next write.
  ByteReader reader(image);
  TRFHeader header = fRFHeader;
  std::size_t headerSize = 0;
  try {
    headerSize = ReadHeader(reader, header);
  } catch (const EReadError&) {
    return false;  // a file shorter than its header loads nothing
  }
  const auto body = reader.Rest();
  if (!header.CaptionValid())
    throw ERangeError::BadCaption(fFileName);
  if (ChkCRC && CalcCrc(body) != header.CRC)
    throw ERangeError::BadChecksum(fFileName);

  ByteReader bodyReader(body);
  TUserList users;
  TGroupList groups;
  TAssgnList assignments;
  TAssgnRightList assignedRights;
  users.Load(bodyReader);
  groups.Load(bodyReader);
  assignments.Load(bodyReader);
  assignedRights.Load(bodyReader);

  fRFHeader = header;
  fHeaderSize = headerSize;
  fUserList = std::move(users);
  fGroupList = std::move(groups);
  fAssgnList = std::move(assignments);
  fAssRightList = std::move(assignedRights);
  fRightsIndex.reset();  // a reloaded file starts with a fresh index
  return true;
}

std::vector<std::uint8_t> TRechteDatei::BuildBody() {
  ByteWriter body;
  fUserList.Store(body);
  fGroupList.Store(body);
  fRFHeader.AssgnPos = static_cast<std::int64_t>(body.Size());
  fAssgnList.Store(body);
  fAssRightList.Store(body);
  fRFHeader.RFVersion = CurrentRFVersion;
  fRFHeader.CRC = CalcCrc(body.Bytes());
  return std::move(body.Bytes());
}

std::vector<std::uint8_t> TRechteDatei::BuildImage() {
  const auto body = BuildBody();
  ByteWriter image;
  image.Reserve(CurrentHeaderSize + body.size());
  WriteHeader(image, fRFHeader);
  image.WriteBytes(body);
  return std::move(image.Bytes());
}

void TRechteDatei::Write() {
  const TWritersLock lock(fFileName);
  Write(lock);
}

void TRechteDatei::Write(const TWritersLock&) {
  const auto body = BuildBody();
  TRFHeader written = fRFHeader;
  // Version counts successful writes only; wraps like the stored 32-bit field.
  written.Version = static_cast<std::int32_t>(static_cast<std::uint32_t>(fRFHeader.Version) + 1u);
  ByteWriter header;
  WriteHeader(header, written);
  // The file on disk is now this container's: its own write is no change by others.
  fAge = WriteFileAtomically(fFileName, {header.Bytes(), body});
  fRFHeader.Version = written.Version;
  fDiskVersion = written.Version;
  fDiskCRC = written.CRC;
}

bool TRechteDatei::ChangedOnDisk() const {
  const auto start = ReadFileStart(fFileName, CurrentHeaderSize);
  if (!start) return false;
  if (start->age != fAge) return true;
  // Same age: a file system with coarse times may still hide another write.
  ByteReader reader(start->bytes);
  TRFHeader onDisk;
  try {
    ReadHeader(reader, onDisk);
  } catch (const EReadError&) {
    return true;
  }
  return onDisk.Version != fDiskVersion || onDisk.CRC != fDiskCRC;
}

bool TRechteDatei::ApplyAndWrite(const std::function<bool(TRechteDatei&)>& change,
                                 std::chrono::milliseconds wait) {
  const TWritersLock lock(fFileName, wait);
  const bool reread = ChangedOnDisk();
  if (reread && !Read(true))
    throw ERangeError::BadCaption(fFileName);
  if (change(*this)) Write(lock);
  return reread;
}

void TRechteDatei::DeleteUser(std::int32_t id) {
  fAssRightList.DeleteUser(id);
  fAssgnList.DeleteUser(id);
  fUserList.DeleteByID(id);
}

void TRechteDatei::DeleteGroup(std::int32_t id) {
  fAssRightList.DeleteGroup(id);
  fAssgnList.DeleteGroup(id);
  fGroupList.DeleteByID(id);
}

std::string TRechteDatei::winDomain() const { return fRFHeader.DomainText(); }

void TRechteDatei::SetWinDomain(const std::string& value) {
  const std::string bytes = Utf8ToCp1252(LowerCase(value));
  auto& stored = fRFHeader.winDomain;
  stored.fill(0);
  std::copy_n(bytes.begin(), std::min(bytes.size(), DomainSize - 1), stored.begin());
}

}  // namespace rights
