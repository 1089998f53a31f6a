#pragma once
// Creates a window: constructs it with its owner, then runs the creation steps
// that need its finished design (TSavePosForm::FormCreated). A failure leaves
// nothing behind and is passed on.
#include <memory>
#include <type_traits>
#include <utility>

#include "ui/save_pos_form.h"

class QWidget;

namespace ui {

template <class Form, class... Args>
Form* CreateFormInstance(QWidget* owner, Args&&... args) {
  auto form = std::make_unique<Form>(owner, std::forward<Args>(args)...);
  if constexpr (std::is_base_of_v<TSavePosForm, Form>) form->FormCreated();
  return form.release();
}

}  // namespace ui
