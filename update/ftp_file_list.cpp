#include "update/ftp_file_list.h"

#include "rights/codepage.h"

namespace update {

const TFtpFileListItem* FindFtpItem(const TQVFtpFileList& list, const std::string& fileName) {
  for (const auto& item : list)
    if (rights::SameTextIgnoringCase(item->fFileName, fileName)) return item.get();
  return nullptr;
}

}  // namespace update
