#pragma once
// Refuses input the rights file could not store as typed (Windows-1252, 255
// characters), naming the field, instead of storing it altered.
#include <QString>
#include <initializer_list>
#include <utility>

class QLineEdit;

namespace admin {

// False after telling the administrator which field holds what; that edit gets the focus.
bool FieldsStorable(std::initializer_list<std::pair<const char*, QLineEdit*>> fields);
// The same for a text without an edit of its own (a new password).
bool TextStorable(const char* field, const QString& text);

}  // namespace admin
