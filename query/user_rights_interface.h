#pragma once
// TIUserRightsList: an evaluated rights list handed to a suite program as
// IUserRightsList, freed when its last reference is released.
#include <atomic>

#include "query/rightsquery.h"
#include "rights/user_rights_list.h"

namespace query {

struct TIUserRightsList : IUserRightsList {
  TIUserRightsList();

  rights::TUserRightsList List;
  std::atomic<std::int32_t> FRefCount{0};

  // The list behind an interface pointer, or null when the pointer is none of ours.
  static TIUserRightsList* From(IUserRightsList* list);
};

// A new list with one reference, owned by the caller.
TIUserRightsList* NewUserRightsList();

}  // namespace query
