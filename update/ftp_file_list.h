#pragma once
// The entries of a folder listing on the FTP server.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "rights/date_time.h"

namespace update {

enum class TFtpItemType { ditFile, ditDirectory };

struct TFtpFileListItem {
  std::int64_t FSize = 0;
  std::string fFileName;      // trimmed
  std::string fDestFileName;  // empty: fFileName
  rights::TDateTime FModifiedDate = 0;
  TFtpItemType FItemType = TFtpItemType::ditFile;
  std::string FVersionStr;
  std::string fInfo;
  std::vector<std::string> fUpdateInfo;

  const std::string& DestFileName() const { return fDestFileName.empty() ? fFileName : fDestFileName; }
};

// Owns its items.
using TQVFtpFileList = std::vector<std::unique_ptr<TFtpFileListItem>>;

// The item named fileName, compared without regard to letter case; none when absent.
const TFtpFileListItem* FindFtpItem(const TQVFtpFileList& list, const std::string& fileName);

}  // namespace update
