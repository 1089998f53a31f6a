#include "library_state.h"

#include <filesystem>

#include "rights/file_io.h"

namespace query {

LibraryState& LibraryState::Instance() {
  static LibraryState state;
  return state;
}

void LibraryState::SetRightsFile(std::unique_ptr<rights::TRechteDatei> file) {
  fRightsFile = std::move(file);
  ++fLoadNumber;
  fRefreshDue = false;
}

LoadResult LibraryState::LoadOnDemand(const std::string& fileName,
                                      const std::function<void(rights::TRechteDatei&)>& work) {
  if (fRightsFile) {
    work(*fRightsFile);
    return LoadResult::Loaded;
  }
  std::error_code error;
  if (!std::filesystem::is_regular_file(rights::PathFromUtf8(fileName), error)) return LoadResult::Missing;
  try {
    SetRightsFile(std::make_unique<rights::TRechteDatei>(fileName));
    if (!fRightsFile->Read(true)) {
      DisposeRightsFile();
      return LoadResult::Failed;
    }
    work(*fRightsFile);
    return LoadResult::Loaded;
  } catch (const std::exception&) {
    DisposeRightsFile();
    return LoadResult::Failed;
  }
}

TRightUser* LibraryState::HandOut(const rights::TFIUser& record) {
  auto& kept = fHandedOut[{fLoadNumber, record.ID}];
  if (!kept) kept = std::make_unique<TRightUser>(record);
  return kept.get();
}

}  // namespace query
