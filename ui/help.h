#pragma once
// Help topics by context number. A widget's context is the dynamic property
// "HelpContext"; the program installs the handler that opens a topic.
#include <functional>

class QWidget;

namespace ui {

// The context of the widget or of its nearest parent that has one; 0 for none.
int HelpContextOf(const QWidget* widget);
void SetHelpHandler(std::function<void(int context)> handler);
// Answers false when no handler is installed.
bool ShowHelpContext(int context);

}  // namespace ui
