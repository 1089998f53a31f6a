#pragma once
// TRightTree: a tree of rights with a tri-state tick per node and a mark for
// rights received from elsewhere. Built from a rights catalog under two module
// filters, it reports changes against a snapshot and turns its ticks into an
// update list.
#include <QTreeWidget>
#include <memory>
#include <vector>

#include "admin/right_tree_state.h"
#include "rights/modules.h"
#include "rights/right_list.h"
#include "rights/update_list.h"

class QAction;
class QLabel;
class QMenu;
class QStatusBar;

namespace admin {

// A node of the tree with its state object.
class TRightNode : public QTreeWidgetItem {
 public:
  TStateObj State;
};

class TRightTree : public QTreeWidget {
  Q_OBJECT

 public:
  explicit TRightTree(QWidget* parent = nullptr);
  ~TRightTree() override;

  // Takes its own copy of the catalog and rebuilds; once per tree.
  void Load(const rights::TRightList& list);
  // Rebuilds the nodes from the copy under the two filters; all ticks are lost.
  void ReLoad();
  // Clears all ticks and marks.
  void Reset();
  // While set, node images are not recomputed; a flag, not a counter.
  void BeginUpdate();
  void EndUpdate();

  // Switches one node as a click on its image does.
  void SwitchNodeState(TRightNode* node, bool stdDlgActn);
  // Switches every right with this number.
  void ChgRight(std::int32_t id, bool allowed);
  // Re-derives the node and its ancestors from their children.
  void UpdateParentNodes(TRightNode* node);
  // Recomputes the held state of every group and every image.
  void UpdateTreeImages();
  void CheckNodeAll(TRightNode* node);
  void CheckNodeNothing(TRightNode* node);

  // Every right of the tree, ticked or not, with its catalog modules.
  std::unique_ptr<rights::TUpdList> GetUpdateList() const;
  // 2 when ticked plus 1 when received; 0 when the right is not in the tree.
  std::uint8_t GetRightState(std::int32_t rightID) const;

  // True when a tick differs from the snapshot; setting takes the snapshot.
  bool Modifyed() const;
  void SetModifyed(bool value);

  const rights::TModulesStr& ViewFilter() const { return fViewFilter; }
  void SetViewFilter(const rights::TModulesStr& value);
  const rights::TModulesStr& AssgnFilter() const { return fAsgnFilter; }
  void SetAssgnFilter(const rights::TModulesStr& value);
  const rights::TRightList* RightList() const { return fRightList.get(); }

  // The status bar whose first nine panels show the modules of the selected right.
  void SetStatusBar(QStatusBar* statusBar);
  QStatusBar* StatusBar() const { return fStatusBar; }
  // The popup menu whose actions are enabled by their tag (action data).
  void SetPopupMenu(QMenu* menu) { fPopupMenu = menu; }

  // Nodes in index order: the root first, then depth first.
  std::vector<TRightNode*> Nodes() const;
  TRightNode* Root() const;
  static TRightNode* NodeOf(QTreeWidgetItem* item) { return static_cast<TRightNode*>(item); }

  static constexpr int ModulePanelWidth = 30;

 signals:
  // A node was switched by a click or a call.
  void NodeSwitched(admin::TRightNode* node);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool RightVisible(const rights::TCustomRight& entry) const;
  TRightNode* FindNodeByID(std::int32_t id) const;
  void CheckBranch(TRightNode* node, bool tick);
  void ToggleNode(TRightNode* node, bool stdDlgActn);
  void PropagateStdDlg(TRightNode* node);
  void CalcGrState(TRightNode* node);
  void SetNodeImage(TRightNode* node);
  void SetNodeState(TRightNode* node, TTreeState state);
  void Change(TRightNode* node);
  void ShowModulesOf(TRightNode* node);
  void EnablePopupActions(TRightNode* node);
  void EnableExpandActions(TRightNode* node);
  QAction* FindPopupAction(int tag) const;
  void StatusBarMouseMove(int x, const QPoint& globalPos);

  bool fChanged = false;
  std::unique_ptr<rights::TRightList> fRightList;
  rights::TModulesStr fViewFilter = rights::AllModulesStr();
  rights::TModulesStr fAsgnFilter = rights::EmptyModulesStr();
  QStatusBar* fStatusBar = nullptr;
  std::vector<QLabel*> fModulePanels;
  QMenu* fPopupMenu = nullptr;
  bool fUpdState = false;
  std::vector<std::uint8_t> StateList;
};

}  // namespace admin
