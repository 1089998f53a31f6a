#pragma once
// The kinds of the windows' buttons: each gives a caption, a dialog result,
// the default or cancel role and a glyph.
#include <QString>

#include "ui/modal_result.h"

namespace ui {

enum TBitBtnKind {
  bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore,
  bkAll, bkDelete, bkSave, bkPrint, bkPreview, bkNew, bkNext, bkPrev, bkTools, bkApply,
};

struct TButtonKindInfo {
  const char* caption;  // null: the caption stays as the window sets it
  TModalResult result;
  bool isDefault;
  bool isCancel;
  const char* glyph;  // name in the glyph store; null: none
};

const TButtonKindInfo& KindInfo(TBitBtnKind kind);

}  // namespace ui
