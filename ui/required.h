#pragma once
// The mark of a required input field: its background in the tooltip colour.
class QWidget;

namespace ui {

enum TRequired { rqNo, rqYes, rqIgnore, rqOnExit };

// Every mark but rqNo paints the tooltip-background colour, rqNo the normal one.
void PaintRequired(QWidget* control, TRequired required);

}  // namespace ui
