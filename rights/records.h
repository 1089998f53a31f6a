#pragma once
// The four kinds of stored records. Each reads and writes exactly its layout
// in the rights file.
#include <cstdint>
#include <string>

#include "byte_stream.h"
#include "modules.h"

namespace rights {

enum RecordClass : std::uint8_t {
  rcBase = 0,
  rcUser = 1,
  rcGroup = 2,
  rcAssignment = 3,
  rcAssignedRight = 4,
};

// String fields: one length byte, then the Windows-1252 bytes scrambled.
std::string ReadStr(ByteReader& reader);
void WriteStr(ByteWriter& writer, const std::string& text);

class TFIRClass {
 public:
  static constexpr std::size_t MinStoredSize = 7;  // class, version, ID, empty Bez

  TFIRClass() : TFIRClass(rcBase, 1) {}
  virtual ~TFIRClass() = default;
  TFIRClass(const TFIRClass&) = default;
  TFIRClass& operator=(const TFIRClass&) = default;

  std::uint8_t FIRClassID;
  std::uint8_t fVersion;           // layout this program writes
  std::uint8_t fStoredVersion = 0; // layout found in the file
  std::int32_t ID = 0;
  std::string Bez;

  // Reads the record; the kind byte must be this record's kind (EClassError).
  void Load(ByteReader& reader);
  void Store(ByteWriter& writer) const;
  // Copies the base fields only.
  void Assign(const TFIRClass& value);

 protected:
  TFIRClass(std::uint8_t classId, std::uint8_t version) : FIRClassID(classId), fVersion(version) {}
  virtual void LoadFields(ByteReader&) {}
  virtual void StoreFields(ByteWriter&) const {}
};

class TFIUser : public TFIRClass {
 public:
  static constexpr std::size_t MinStoredSize = TFIRClass::MinStoredSize + 3 + 2;

  TFIUser() : TFIRClass(rcUser, 1) {}

  std::string Func;
  std::string Login;
  std::string Passwd;  // in clear in memory, scrambled only in the file
  bool Locked = false;
  bool PWExpired = false;

 protected:
  void LoadFields(ByteReader& reader) override;
  void StoreFields(ByteWriter& writer) const override;
};

class TFIGroup : public TFIRClass {
 public:
  static constexpr std::size_t MinStoredSize = TFIRClass::MinStoredSize;

  TFIGroup() : TFIRClass(rcGroup, 1) {}
};

// A membership (ToGroupID > 0) or an equivalence (ToUserID > 0) of user User_ID.
class TFIAssignment : public TFIRClass {
 public:
  static constexpr std::size_t MinStoredSize = TFIRClass::MinStoredSize + 12;

  TFIAssignment() : TFIRClass(rcAssignment, 1) {}

  std::int32_t User_ID = 0;
  std::int32_t ToUserID = 0;
  std::int32_t ToGroupID = 0;

 protected:
  void LoadFields(ByteReader& reader) override;
  void StoreFields(ByteWriter& writer) const override;
};

// An inclusive range of right numbers.
struct TRRange {
  std::int32_t Min = 0;
  std::int32_t Max = 0;
  bool Contains(std::int32_t id) const { return Min <= id && id <= Max; }
};

constexpr TRRange MakeRange(std::int32_t min, std::int32_t max) { return TRRange{min, max}; }

constexpr TRRange ModuleRightRange = MakeRange(1, 9);
constexpr TRRange CatalogRightRange = MakeRange(1000, 2147483647);
constexpr std::int32_t FirstCatalogRight = 1000;

// Client 255 stands for any client in queries and is never stored.
constexpr std::uint8_t AnyMandant = 255;

// A right granted to a user or a group for one client.
class TFIAssignedRight : public TFIRClass {
 public:
  static constexpr std::size_t MinStoredSize = TFIRClass::MinStoredSize + 11 + 7;

  TFIAssignedRight() : TFIRClass(rcAssignedRight, 3), Modules(EmptyModulesStr()) {}

  bool Allow = true;
  bool User = false;  // true: USGR_ID is a user number, false: a group number
  std::int32_t USGR_ID = 0;
  std::int32_t Right_ID = 0;
  std::uint8_t Mandant = 0;
  TModulesStr Modules;

  bool Pass(bool cUser, std::int32_t cUsGrID, std::uint8_t cMandant) const {
    return User == cUser && USGR_ID == cUsGrID && (cMandant == AnyMandant || cMandant == Mandant);
  }
  bool PassSpec(TRRange range, bool cUser, std::int32_t cUsGrID, std::uint8_t cMandant) const {
    return range.Contains(Right_ID) && Pass(cUser, cUsGrID, cMandant);
  }
  bool PassMO(bool cUser, std::int32_t cUsGrID, std::uint8_t cMandant) const {
    return PassSpec(ModuleRightRange, cUser, cUsGrID, cMandant);
  }
  bool PassRG(bool cUser, std::int32_t cUsGrID, std::uint8_t cMandant) const {
    return PassSpec(CatalogRightRange, cUser, cUsGrID, cMandant);
  }

 protected:
  void LoadFields(ByteReader& reader) override;
  void StoreFields(ByteWriter& writer) const override;
};

}  // namespace rights
