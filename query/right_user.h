#pragma once
// TRightUser: a user record handed to a suite program as IRightUser. The
// library keeps it until it is unloaded; the interface keeps nothing alive.
#include "query/rightsquery.h"
#include "rights/records.h"

namespace query {

struct TRightUser : IRightUser {
  explicit TRightUser(const rights::TFIUser& record);

  rights::TFIUser Record;
};

}  // namespace query
