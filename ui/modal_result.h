#pragma once
// The result with which a dialog or a message box closes.

namespace ui {

enum TModalResult {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrAbort = 3,
  mrRetry = 4,
  mrIgnore = 5,
  mrYes = 6,
  mrNo = 7,
  mrClose = 8,
  mrHelp = 9,
  mrAll = 12,
  mrNoToAll = 13,
  mrYesToAll = 14,
};

}  // namespace ui
