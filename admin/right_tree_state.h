#pragma once
// The state behind each node of a rights tree.
#include <cstdint>

namespace rights {
class TCustomRight;
}

namespace admin {

// Tick state of a node.
enum TTreeState : std::uint8_t {
  tsNone = 0,       // right, not ticked
  tsChecked = 1,    // right, ticked
  tsGrNone = 2,     // group: no child ticked
  tsGrChecked = 3,  // group: every child ticked
  tsGrChkPart = 4,  // group: some children ticked, or a child group partly
};

// How much of a group is effectively held (ticked or received).
enum TGrState : std::uint8_t { gesNone = 0, gesSome = 1, gesAll = 2 };

struct TStateObj {
  std::int32_t ID = 0;  // catalog number; 0 for a root
  bool StdDlg = false;  // belongs to a master-data dialog
  bool Right = false;   // a right; otherwise a group or a root
  std::int32_t GroupID = 0;
  TTreeState State = tsNone;
  bool Granted = false;  // right received through a group or an equivalence
  TGrState GrState = gesNone;

  // Takes ID, StdDlg, GroupID and the kind from a catalog entry; unticked.
  void Assign(const rights::TCustomRight& entry);
};

// Node images: 9..12 for rights, 0..8 for roots and groups.
int NodeImageIndex(const TStateObj& state);

}  // namespace admin
