#include "records.h"

#include <atomic>

#include "record_list.h"

#include "codepage.h"
#include "scramble.h"

namespace rights {

namespace {
constexpr std::size_t kMaxTextChars = 255;
std::atomic<std::uint64_t> gChangeStamp{0};
}  // namespace

std::uint64_t NextChangeStamp() { return ++gChangeStamp; }

std::string ReadStr(ByteReader& reader) {
  const std::uint8_t n = reader.ReadByte();
  if (n == 0) return {};
  const auto bytes = reader.Take(n);
  std::string stored(bytes.begin(), bytes.end());
  UnscrambleText(stored);
  return Cp1252ToUtf8(stored);
}

void WriteStr(ByteWriter& writer, const std::string& text) {
  std::string stored = Utf8ToCp1252(Utf8Left(text, kMaxTextChars));
  ScrambleText(stored);
  writer.WriteByte(static_cast<std::uint8_t>(stored.size()));
  writer.WriteChars(stored);
}

void TFIRClass::Load(ByteReader& reader) {
  if (reader.ReadByte() != FIRClassID) throw EClassError();
  fStoredVersion = reader.ReadByte();
  ID = reader.ReadInt32();
  Bez = ReadStr(reader);
  LoadFields(reader);
}

void TFIRClass::Store(ByteWriter& writer) const {
  writer.WriteByte(FIRClassID);
  writer.WriteByte(fVersion);
  writer.WriteInt32(ID);
  WriteStr(writer, Bez);
  StoreFields(writer);
}

void TFIRClass::Assign(const TFIRClass& value) {
  FIRClassID = value.FIRClassID;
  fVersion = value.fVersion;
  fStoredVersion = value.fStoredVersion;
  ID = value.ID;
  Bez = value.Bez;
}

void TFIUser::LoadFields(ByteReader& reader) {
  Func = ReadStr(reader);
  Login = ReadStr(reader);
  Passwd = ReadStr(reader);
  Locked = reader.ReadBool();
  PWExpired = reader.ReadBool();
}

void TFIUser::StoreFields(ByteWriter& writer) const {
  WriteStr(writer, Func);
  WriteStr(writer, Login);
  WriteStr(writer, Passwd);
  writer.WriteBool(Locked);
  writer.WriteBool(PWExpired);
}

void TFIAssignment::LoadFields(ByteReader& reader) {
  User_ID = reader.ReadInt32();
  ToUserID = reader.ReadInt32();
  ToGroupID = reader.ReadInt32();
}

void TFIAssignment::StoreFields(ByteWriter& writer) const {
  writer.WriteInt32(User_ID);
  writer.WriteInt32(ToUserID);
  writer.WriteInt32(ToGroupID);
}

void TFIAssignedRight::LoadFields(ByteReader& reader) {
  Allow = reader.ReadBool();
  User = reader.ReadBool();
  USGR_ID = reader.ReadInt32();
  Right_ID = reader.ReadInt32();
  Mandant = reader.ReadByte();
  // Older layouts stored fewer module positions; the rest stay blank.
  const std::size_t stored = fStoredVersion == 3 ? 9 : fStoredVersion == 2 ? 8 : 7;
  const auto bytes = reader.Take(stored);
  Modules = EmptyModulesStr();
  for (std::size_t i = 0; i < stored; ++i) Modules[i] = static_cast<char>(bytes[i]);
}

void TFIAssignedRight::StoreFields(ByteWriter& writer) const {
  writer.WriteBool(Allow);
  writer.WriteBool(User);
  writer.WriteInt32(USGR_ID);
  writer.WriteInt32(Right_ID);
  writer.WriteByte(Mandant);
  for (int i = 0; i < ModuleCount; ++i)
    writer.WriteByte(static_cast<std::size_t>(i) < Modules.size() ? static_cast<std::uint8_t>(Modules[i]) : ' ');
}

}  // namespace rights
