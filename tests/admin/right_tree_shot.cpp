// Renders a rights tree on the demo catalog with ticked, partly ticked and
// received rights into a PNG, for the documentation: right_tree_shot OUT.png
#include <QApplication>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QWidget>

#include "admin/right_tree.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) return 2;
  const auto catalog = rights::TRightList::Load(QXR_DEMO_CATALOG);
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* tree = new admin::TRightTree(&window);
  auto* bar = new QStatusBar(&window);
  layout->addWidget(tree);
  layout->addWidget(bar);
  tree->SetStatusBar(bar);
  tree->Load(catalog);
  tree->SetAssgnFilter("KIB      ");
  tree->BeginUpdate();
  for (const std::int32_t id : {1001, 1002, 1005, 1013}) tree->ChgRight(id, true);
  tree->EndUpdate();
  for (admin::TRightNode* node : tree->Nodes())
    if (node->State.ID == 1007 || node->State.ID == 1005) node->State.Granted = true;
  tree->UpdateTreeImages();
  for (admin::TRightNode* node : tree->Nodes())
    if (node->State.ID == 1013) tree->setCurrentItem(node);
  window.resize(460, 620);
  window.show();
  app.processEvents();
  return window.grab().save(argv[1]) ? 0 : 1;
}
