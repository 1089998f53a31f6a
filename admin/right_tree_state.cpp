#include "right_tree_state.h"

#include "rights/catalog_entries.h"

namespace admin {

void TStateObj::Assign(const rights::TCustomRight& entry) {
  ID = entry.ID;
  StdDlg = entry.StammDlg;
  GroupID = entry.GroupID;
  Right = dynamic_cast<const rights::TRight*>(&entry) != nullptr;
  State = Right ? tsNone : tsGrNone;
}

int NodeImageIndex(const TStateObj& state) {
  if (state.Right) return 9 + (state.State == tsChecked ? 1 : 0) + (state.Granted ? 2 : 0);
  int base = state.GrState == gesNone ? 0 : state.GrState == gesAll ? 1 : 2;
  if (state.ID > 0) base += 3;
  if (state.StdDlg) base += 3;
  return base;
}

}  // namespace admin
