#pragma once
// The bars of nine module check boxes: the view filter and the module rights
// of a user or group for one client. Each box holds its module letter in the
// property "tag" (the letter's character code).
#include <QString>

#include "rights/modules.h"

class QWidget;

namespace admin {

// Adds the nine boxes to the panel's layout, named prefix + the module's name.
// Which of the three columns of names to use: 0 view filter, 1 user, 2 group.
void AddModuleBoxes(QWidget* panel, int column);

// Nine positions, each the letter of a ticked box directly on the panel or a blank.
rights::TModulesStr GetPanelModules(const QWidget* panel);
// Ticks exactly the boxes whose letter is in positions 1..9 of modules.
void TickPanelModules(QWidget* panel, const rights::TModulesStr& modules);
// Enables exactly the boxes whose letter occurs in filter.
void EnablePanelModules(QWidget* panel, const rights::TModulesStr& filter);

}  // namespace admin
