#pragma once
// TQXGroupDlg: the administrator ticks users or groups to add as members,
// memberships or equivalences. The list is filled at the first idle moment,
// without the rows the caller already lists.
#include <cstdint>
#include <memory>
#include <vector>

#include "rights/rechte_datei.h"
#include "ui/save_pos_form.h"

class QTreeWidget;

namespace ui {
class TQVListView;
}

namespace admin {

class TQXGroupDlg : public ui::TSavePosForm {
  Q_OBJECT
 public:
  // link: the caller's list, whose rows carry the record number as Qt::UserRole
  // data; toUser: a user number not offered (0: none).
  TQXGroupDlg(bool user, const rights::TRechteDatei& rd, const QTreeWidget* link, std::int32_t toUser,
              QWidget* parent = nullptr);

  ui::TQVListView* List() const { return lvGroups; }
  // Copies (number and name) of the ticked rows' records, in row order.
  std::vector<std::unique_ptr<rights::TFIRClass>> Ticked() const;

 private:
  void Fill();
  bool Offered(const rights::TFIRClass& record) const;
  template <class Records>
  void AddRows(const Records& list);

  ui::TQVListView* lvGroups = nullptr;
  const rights::TRechteDatei& RD;
  const QTreeWidget* Link;
  bool User;
  std::int32_t fToUser;
};

std::vector<std::unique_ptr<rights::TFIRClass>> SelectUsGr(bool user, const rights::TRechteDatei& rd,
                                                           const QTreeWidget* link, std::int32_t toUser);

}  // namespace admin
