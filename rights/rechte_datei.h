#pragma once
// TRechteDatei: the rights file in memory, its header and four lists.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "evaluation_trace.h"
#include "lists.h"
#include "rights_header.h"
#include "rights_index.h"
#include "user_rights_list.h"
#include "writers_lock.h"

namespace rights {

class TRechteDatei {
 public:
  // A new container with the header defaults; touches no file.
  explicit TRechteDatei(std::string aFileName);

  // Loads header and lists from the file and answers whether it did. A missing
  // or too short file loads nothing and raises nothing. Wrong caption or
  // checksum raise ERangeError, damaged lists EClassError or EReadError.
  // Header, lists and Age change only when the whole file was loaded.
  bool Read(bool ChkCRC);
  // Replaces the file safely (WriteFileAtomically) under the writers' lock; on
  // failure the file and Version stay as they were. Age then is the written
  // file's, so only others' writes change it.
  void Write();
  // The same while the caller holds the writers' lock of this file.
  void Write(const TWritersLock& held);

  // The writers' protocol for one change: under the writers' lock, the file is
  // read again when it is no longer the one this container read or wrote
  // (ERangeError when it is then too short to load), change is applied to that
  // current content, and the file is written when change answers true.
  // Answers whether the file was read again.
  bool ApplyAndWrite(const std::function<bool(TRechteDatei&)>& change,
                     std::chrono::milliseconds wait = DefaultWritersLockWait);

  // The file on disk is no longer the one this container read or wrote: its
  // age, Version or checksum differ. A missing file counts as unchanged:
  // writing it loses nothing of others.
  bool ChangedOnDisk() const;

  // Read without the file: false when the image is shorter than its header.
  bool LoadImage(std::span<const std::uint8_t> image, bool ChkCRC);
  // The whole file as it stands in memory (sets CRC and AssgnPos as Write does).
  std::vector<std::uint8_t> BuildImage();

  // Removes a user or group with everything that refers to it.
  void DeleteUser(std::int32_t id);
  void DeleteGroup(std::int32_t id);

  // ID of the first user whose login (without regard to case) and password
  // match and who is not locked; -1 otherwise.
  std::int32_t UserLogin(const std::string& aLogin, const std::string& pw) const;
  // Appends the administrator (1) and the template user (2).
  void CreateStdUsers(const std::string& admPW);

  // Rights evaluation (evaluation.cpp). Both read an index of the assignments
  // and assigned rights that is rebuilt after a record is added or removed;
  // records inside those lists must not be edited in place.
  // Fills RList with the effective rights of user UID for client Mandant
  // (255: all clients). GrantOnly true is rejected (std::invalid_argument):
  // the inherited right numbers come from GetGrantedRightsList.
  void GetUserRightList(std::int32_t UID, TUserRightsList& RList, bool GrantOnly, bool Filter,
                        std::uint8_t Mandant) const;
  // GetUserRightList telling trace every source it draws on and which source
  // granted each entry (evaluation_trace.h).
  void TraceUserRightList(std::int32_t UID, TUserRightsList& RList, bool Filter, std::uint8_t Mandant,
                          TEvaluationTrace& trace) const;
  // Appends the numbers of the rights user UID receives through groups and
  // equivalences for client Mandant, once per source.
  void GetGrantedRightsList(std::int32_t UID, IntList& RList, std::uint8_t Mandant) const;

  const TRFHeader& RFHeader() const { return fRFHeader; }
  const std::string& FileName() const { return fFileName; }
  std::int64_t Age() const { return fAge; }
  std::size_t HeaderSize() const { return fHeaderSize; }

  // A file rebuilt from another form of it (an export) keeps its identity:
  // the creation time and the write counter it had.
  void SetTimeStamp(TDateTime value) { fRFHeader.TimeStamp = value; }
  void SetVersion(std::int32_t value) { fRFHeader.Version = value; }

  bool TrustDomainUser() const { return fRFHeader.TrustDomainUser; }
  void SetTrustDomainUser(bool value) { fRFHeader.TrustDomainUser = value; }
  bool RightsActive() const { return fRFHeader.RightsActive; }
  void SetRightsActive(bool value) { fRFHeader.RightsActive = value; }
  // Lower case; stored as at most 24 characters and a zero byte.
  std::string winDomain() const;
  void SetWinDomain(const std::string& value);

  TUserList& UserList() { return fUserList; }
  TGroupList& GroupList() { return fGroupList; }
  TAssgnList& AssgnList() { return fAssgnList; }
  TAssgnRightList& AssRightList() { return fAssRightList; }
  const TUserList& UserList() const { return fUserList; }
  const TGroupList& GroupList() const { return fGroupList; }
  const TAssgnList& AssgnList() const { return fAssgnList; }
  const TAssgnRightList& AssRightList() const { return fAssRightList; }

 private:
  std::vector<std::uint8_t> BuildBody();
  const TRightsIndex& RightsIndex() const;

  std::size_t fHeaderSize = 0;
  TRFHeader fRFHeader;
  std::string fFileName;
  TUserList fUserList;
  TGroupList fGroupList;
  TAssgnList fAssgnList;
  TAssgnRightList fAssRightList;
  std::int64_t fAge = 0;
  // Version and checksum of the file as this container last read or wrote it.
  std::int32_t fDiskVersion = 0;
  std::uint32_t fDiskCRC = 0;
  mutable std::unique_ptr<TRightsIndex> fRightsIndex;  // built on demand, see RightsIndex
};

}  // namespace rights
