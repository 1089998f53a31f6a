#include "admin/stored_fields.h"

#include <QLineEdit>

#include "rights/stored_text.h"
#include "ui/messages.h"

namespace admin {

bool TextStorable(const char* field, const QString& text) {
  const auto problem = rights::StoredTextProblem(field, text.toStdString());
  if (problem) ui::ShowInfoMessage(QString::fromStdString(*problem));
  return !problem;
}

bool FieldsStorable(std::initializer_list<std::pair<const char*, QLineEdit*>> fields) {
  for (const auto& [field, edit] : fields)
    if (!TextStorable(field, edit->text())) {
      edit->setFocus(Qt::OtherFocusReason);
      return false;
    }
  return true;
}

}  // namespace admin
