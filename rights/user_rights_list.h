#pragma once
// TUserRightsList: the evaluated rights of one user, the (client, right)
// pairs a suite program asks about one by one.
#include <array>
#include <cstdint>
#include <unordered_set>
#include <vector>

#include "date_time.h"
#include "modules.h"
#include "standard_users.h"

namespace rights {

// A set of client numbers laid out as callers receive it: 32 bytes, bit n of
// byte n div 8 standing for client n.
struct TByteSet {
  std::array<std::uint8_t, 32> Bytes{};

  void Include(std::uint8_t n) { Bytes[n / 8] |= static_cast<std::uint8_t>(1u << (n % 8)); }
  bool Contains(std::uint8_t n) const { return (Bytes[n / 8] >> (n % 8)) & 1u; }
  friend bool operator==(const TByteSet&, const TByteSet&) = default;
};

// One evaluated right: a right number held for one client (0 for the general
// client rights).
struct TURListEntrie {
  TURListEntrie(std::uint8_t aMandant, std::int32_t aRightID) : Mandant(aMandant), RightID(aRightID) {}

  std::uint8_t Mandant;
  std::int32_t RightID;

  friend bool operator==(const TURListEntrie&, const TURListEntrie&) = default;
};

class TUserRightsList {
 public:
  TUserRightsList() = default;
  TUserRightsList(const TUserRightsList&) = default;
  TUserRightsList(TUserRightsList&&) noexcept = default;
  TUserRightsList& operator=(const TUserRightsList&) = default;
  TUserRightsList& operator=(TUserRightsList&&) noexcept = default;
  virtual ~TUserRightsList() = default;

  bool Active = false;   // carried for the suite programs, never set here
  bool NWUser = false;   // set by the suite program through the library
  std::int32_t UserID = 0;
  std::int32_t Version = 0;
  TDateTime TimeStamp = 0;
  TModulesStr Modules = EmptyModulesStr();  // module filter, see SetModuleFilter

  std::size_t Count() const { return fItems.size(); }
  bool Empty() const { return fItems.empty(); }
  const TURListEntrie& operator[](std::size_t index) const;
  auto begin() const { return fItems.cbegin(); }
  auto end() const { return fItems.cend(); }

  // Appends the entry unless one with the same client and right is present;
  // true when it was appended.
  bool AddEntrie(const TURListEntrie& E);
  // Removes every entry; the other fields stay.
  void Clear();

  // The administrator (user 1) may do everything; anyone else exactly what an
  // entry grants for this client. No wildcard client.
  bool CanDo(std::uint8_t Mandant, std::int32_t RightID) const;
  // Clients for which the module may be used; client 0 is always in.
  TByteSet MandSetOfModule(TRightsPrgModules Modul) const;
  // Modules := the letters of the modules held for any client.
  void SetModuleFilter();

 private:
  // Module rights 1..8, numbered like the module enumeration; index 0 stays empty.
  static constexpr std::size_t TrackedModuleRights = static_cast<std::size_t>(TRightsPrgModules::moFLG) + 1;

  static std::uint64_t Key(std::uint8_t mandant, std::int32_t rightID) {
    return (std::uint64_t{mandant} << 32) | static_cast<std::uint32_t>(rightID);
  }

  std::vector<TURListEntrie> fItems;
  std::unordered_set<std::uint64_t> fKeys;  // Key of every entry, so CanDo does not scan
  std::array<TByteSet, TrackedModuleRights> fModuleMandanten{};  // clients per module right
};

}  // namespace rights
