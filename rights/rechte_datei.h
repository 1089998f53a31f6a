#pragma once
// TRechteDatei: the rights file in memory, its header and four lists.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "lists.h"
#include "rights_header.h"

namespace rights {

class TRechteDatei {
 public:
  // A new container with the header defaults; touches no file.
  explicit TRechteDatei(std::string aFileName);

  // Loads header and lists from the file. A missing or too short file loads
  // nothing (the header included) and raises nothing. Wrong caption or checksum raise ERangeError,
  // damaged lists EClassError or EReadError; the lists then stay as they were.
  void Read(bool ChkCRC);
  // Replaces the file atomically; on failure the file and Version stay as they were.
  void Write();

  // The steps of Read and Write after and before the file itself.
  void LoadImage(std::span<const std::uint8_t> image, bool ChkCRC);
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

  const TRFHeader& RFHeader() const { return fRFHeader; }
  const std::string& FileName() const { return fFileName; }
  std::int64_t Age() const { return fAge; }
  std::size_t HeaderSize() const { return fHeaderSize; }

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

  std::size_t fHeaderSize = 0;
  TRFHeader fRFHeader;
  std::string fFileName;
  TUserList fUserList;
  TGroupList fGroupList;
  TAssgnList fAssgnList;
  TAssgnRightList fAssRightList;
  std::int64_t fAge = 0;
};

}  // namespace rights
