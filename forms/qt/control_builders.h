// One builder per kind of control: each makes the Qt widget that stands for a declared
// control, with its caption, text, entries or picture, but not its geometry or name.
#pragma once

#include <QWidget>
#include <functional>

#include "forms/layout.h"

namespace forms::qt {

// Makes the control's widget in `parent`; a button reports its clicks to `clicked`.
QWidget* buildControl(const ControlDecl& decl, QWidget* parent,
                      const std::function<void()>& clicked);

}  // namespace forms::qt
