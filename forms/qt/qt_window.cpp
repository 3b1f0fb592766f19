#include "forms/qt/qt_window.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <stdexcept>

#include "forms/qt/control_builders.h"
#include "forms/qt/list_box.h"
#include "forms/qt/menu_bar.h"
#include "forms/qt/multi_line_box.h"
#include "forms/qt/pictures.h"
#include "forms/qt/program_font.h"
#include "forms/qt/text.h"
#include "forms/qt/twips.h"

namespace forms::qt {

namespace {

QRect toPixels(const Rect& r) {
    return QRect(px(r.x), px(r.y), px(r.width), px(r.height));
}

}  // namespace

QtWindow::QtWindow(const WindowLayout& layout, EventSink& sink, Desktop& desktop)
    : layout_(&layout) {
    const std::string name = layout.name;
    EventSink* events = &sink;
    top_ = new FormWidget(desktop, [events, name] { events->closeRequested(name); });
    top_->setObjectName(qs(name));
    holdProgramFont(top_);
    top_->setAttribute(Qt::WA_DeleteOnClose, false);
    if (layout.borderless) {
        top_->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    } else {
        top_->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                             Qt::MSWindowsFixedSizeDialogHint);
        top_->setWindowTitle(qs(layout.caption));
    }
    if (!layout.icon.empty()) {
        top_->setWindowIcon(pictureIcon(layout.icon));
    }

    MenuBar bar =
        buildMenuBar(top_, layout.menus, px(layout.width),
                     [events, name](const std::string& item) { events->clicked(name, item); });
    menus_ = std::move(bar.menus);
    actions_ = std::move(bar.actions);
    client_ = new QWidget(top_);
    client_->setGeometry(0, bar.height, px(layout.width), px(layout.height));
    top_->setFixedSize(px(layout.width), px(layout.height) + bar.height);

    QWidget* previous = nullptr;
    for (const auto& decl : layout.controls) {
        const std::string control = decl.name;
        QWidget* w = buildControl(decl, parentFor(decl),
                                  [events, name, control] { events->clicked(name, control); });
        w->setObjectName(qs(decl.name));
        w->setGeometry(toPixels(decl.rect));
        if (auto* box = qobject_cast<MultiLineBox*>(w); box != nullptr && !decl.caption.empty()) {
            fitLinesOfLayoutText(box, qs(decl.caption));
        }
        if (!decl.accessibleName.empty()) {
            w->setAccessibleName(qs(decl.accessibleName));
        }
        controls_.emplace(decl.name, w);
        if (takesFocus(decl.kind)) {
            if (previous != nullptr) {
                QWidget::setTabOrder(previous, w);
            }
            previous = w;
        }
    }
}

QtWindow::~QtWindow() {
    if (top_ != nullptr) {
        top_->dismiss();
        top_->deleteLater();
    }
}

QWidget* QtWindow::control(const std::string& name) const {
    auto it = controls_.find(name);
    return it == controls_.end() ? nullptr : it->second;
}

std::string QtWindow::text(const std::string& control) const {
    QWidget* w = widget(control);
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
        return utf8(line->text());
    }
    if (auto* box = qobject_cast<MultiLineBox*>(w)) {
        return utf8(box->crlfText());
    }
    if (auto* lbl = qobject_cast<QLabel*>(w)) {
        return utf8(lbl->text());
    }
    if (auto* group = qobject_cast<QGroupBox*>(w)) {
        return utf8(group->title());
    }
    if (auto* btn = qobject_cast<QAbstractButton*>(w)) {
        return utf8(btn->text());
    }
    return {};
}

void QtWindow::setText(const std::string& control, const std::string& text) {
    QWidget* w = widget(control);
    if (auto* line = qobject_cast<QLineEdit*>(w)) {
        line->setText(qs(text));
    } else if (auto* box = qobject_cast<MultiLineBox*>(w)) {
        box->setCrlfText(qs(text));
    } else if (auto* lbl = qobject_cast<QLabel*>(w)) {
        lbl->setText(qs(text));
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        group->setTitle(qs(text));
    } else if (auto* btn = qobject_cast<QAbstractButton*>(w)) {
        btn->setText(qs(text));
    }
}

int QtWindow::listIndex(const std::string& control) const {
    auto* list = qobject_cast<ListBox*>(widget(control));
    return list != nullptr ? list->selectedRow() : -1;
}

void QtWindow::setListIndex(const std::string& control, int index) {
    auto* list = qobject_cast<ListBox*>(widget(control));
    if (list == nullptr) {
        return;
    }
    if (index >= 0 && index < list->count()) {
        list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    } else {
        list->clearChoice();
    }
}

bool QtWindow::enabled(const std::string& control) const {
    if (auto it = menus_.find(control); it != menus_.end()) {
        return it->second->menuAction()->isEnabled();
    }
    if (auto it = actions_.find(control); it != actions_.end()) {
        return it->second->isEnabled();
    }
    // The control's own setting, whatever its frame's is.
    return !widget(control)->testAttribute(Qt::WA_ForceDisabled);
}

void QtWindow::setEnabled(const std::string& control, bool enabled) {
    if (auto it = menus_.find(control); it != menus_.end()) {
        it->second->menuAction()->setEnabled(enabled);
        return;
    }
    if (auto it = actions_.find(control); it != actions_.end()) {
        it->second->setEnabled(enabled);
        return;
    }
    QWidget* w = widget(control);
    if (!enabled) {
        rememberFocusBeforeGreying(w);
    }
    w->setEnabled(enabled);
    if (enabled) {
        restoreFocusAfterGreying();
    } else if (focusBeforeGreying_) {
        focusWhileGreyed_ = top_->focusWidget();
    }
}

void QtWindow::show() {
    if (!shownOnce_) {
        shownOnce_ = true;
        top_->showCentred();
        for (const auto& decl : layout_->controls) {
            QWidget* w = control(decl.name);
            if (takesFocus(decl.kind) && w->isEnabled()) {
                w->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    } else {
        top_->showActive();
    }
}

bool QtWindow::visible() const {
    return top_->isVisible();
}

std::string QtWindow::focusedControl() const {
    QWidget* focus = top_->focusWidget();
    for (const auto& [name, w] : controls_) {
        if (w == focus) {
            return name;
        }
    }
    return {};
}

std::uintptr_t QtWindow::handle() const {
    return static_cast<std::uintptr_t>(top_->winId());
}

QWidget* QtWindow::widget(const std::string& control) const {
    QWidget* w = this->control(control);
    if (w == nullptr) {
        throw std::out_of_range("window " + layout_->name + " has no control " + control);
    }
    return w;
}

// Qt moves the focus off a control that is disabled, and a window that comes back with
// no focused control gives the focus to its first one. A greyed window should come back
// with the control that had the focus, as it does when it is simply activated again.
void QtWindow::rememberFocusBeforeGreying(QWidget* w) {
    QWidget* focus = top_->focusWidget();
    if (!focusBeforeGreying_ && focus != nullptr && (focus == w || w->isAncestorOf(focus))) {
        focusBeforeGreying_ = focus;
    }
}

void QtWindow::restoreFocusAfterGreying() {
    if (!focusBeforeGreying_ || !focusBeforeGreying_->isEnabled()) {
        return;
    }
    // Unless the user has since put the focus elsewhere.
    QWidget* focus = top_->focusWidget();
    if (focus == nullptr || focus == focusWhileGreyed_) {
        focusBeforeGreying_->setFocus(Qt::OtherFocusReason);
    }
    focusBeforeGreying_ = nullptr;
    focusWhileGreyed_ = nullptr;
}

QWidget* QtWindow::parentFor(const ControlDecl& decl) const {
    if (decl.parent.empty()) {
        return client_;
    }
    QWidget* frame = control(decl.parent);
    if (frame == nullptr) {
        throw std::logic_error("frame " + decl.parent + " must be declared before " + decl.name);
    }
    return frame;
}

}  // namespace forms::qt
