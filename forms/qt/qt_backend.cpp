#include "forms/qt/qt_backend.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QGroupBox>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <map>
#include <stdexcept>

#include "forms/qt/form_widget.h"
#include "forms/qt/layout_style.h"
#include "forms/qt/pictures.h"
#include "forms/qt/program_font.h"
#include "forms/qt/twips.h"
#include "forms/qt/widgets.h"

namespace forms::qt {

namespace {

QString qs(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
std::string utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

QRect toPixels(const Rect& r) {
    return QRect(px(r.x), px(r.y), px(r.width), px(r.height));
}

class QtWindow : public NativeWindow {
public:
    QtWindow(const WindowLayout& layout, EventSink& sink, Desktop& desktop) : layout_(&layout) {
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

        int menuHeight = 0;
        if (!layout.menus.empty()) {
            auto* bar = new QMenuBar(top_);
            bar->setNativeMenuBar(false);
            for (const auto& m : layout.menus) {
                QMenu* menu = bar->addMenu(qs(m.caption));
                holdProgramFont(menu);  // a window of its own when it opens
                menu->setObjectName(qs(m.name));
                menus_[m.name] = menu;
                for (const auto& item : m.items) {
                    QAction* action = nullptr;
                    if (item.caption == "-") {
                        action = menu->addSeparator();
                    } else {
                        action = menu->addAction(qs(item.caption));
                        if (!item.shortcut.empty()) {
                            action->setShortcut(QKeySequence(qs(item.shortcut)));
                        }
                        // An item whose menu title is greyed does nothing, as the menu itself
                        // cannot be opened then. Qt already drops such an item's shortcut, but
                        // not a press through the accessibility interface.
                        QPointer<QMenu> owner(menu);
                        const std::string itemName = item.name;
                        QObject::connect(action, &QAction::triggered, top_,
                                         [events, name, itemName, owner] {
                                             if (owner && owner->menuAction()->isEnabled()) {
                                                 events->clicked(name, itemName);
                                             }
                                         });
                    }
                    action->setObjectName(qs(item.name));
                    actions_[item.name] = action;
                }
            }
            menuHeight = bar->sizeHint().height();
            bar->setGeometry(0, 0, px(layout.width), menuHeight);
        }
        client_ = new QWidget(top_);
        client_->setGeometry(0, menuHeight, px(layout.width), px(layout.height));
        top_->setFixedSize(px(layout.width), px(layout.height) + menuHeight);

        QWidget* previous = nullptr;
        for (const auto& decl : layout.controls) {
            QWidget* w = build(decl, sink);
            controls_.emplace(decl.name, w);
            if (takesFocus(decl.kind)) {
                if (previous != nullptr) {
                    QWidget::setTabOrder(previous, w);
                }
                previous = w;
            }
        }
    }

    ~QtWindow() override {
        if (top_ != nullptr) {
            top_->dismiss();
            top_->deleteLater();
        }
    }

    QWidget* top() const { return top_; }
    QWidget* control(const std::string& name) const {
        auto it = controls_.find(name);
        return it == controls_.end() ? nullptr : it->second;
    }

    std::string text(const std::string& control) const override {
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

    void setText(const std::string& control, const std::string& text) override {
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

    int listIndex(const std::string& control) const override {
        auto* list = qobject_cast<ListBox*>(widget(control));
        return list != nullptr ? list->selectedRow() : -1;
    }

    void setListIndex(const std::string& control, int index) override {
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

    bool enabled(const std::string& control) const override {
        if (auto it = menus_.find(control); it != menus_.end()) {
            return it->second->menuAction()->isEnabled();
        }
        if (auto it = actions_.find(control); it != actions_.end()) {
            return it->second->isEnabled();
        }
        // The control's own setting, whatever its frame's is.
        return !widget(control)->testAttribute(Qt::WA_ForceDisabled);
    }

    void setEnabled(const std::string& control, bool enabled) override {
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

    void show() override {
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

    bool visible() const override { return top_->isVisible(); }

    std::string focusedControl() const override {
        QWidget* focus = top_->focusWidget();
        for (const auto& [name, w] : controls_) {
            if (w == focus) {
                return name;
            }
        }
        return {};
    }

    std::uintptr_t handle() const override { return static_cast<std::uintptr_t>(top_->winId()); }

private:
    QWidget* widget(const std::string& control) const {
        QWidget* w = this->control(control);
        if (w == nullptr) {
            throw std::out_of_range("window " + layout_->name + " has no control " + control);
        }
        return w;
    }

    // Qt moves the focus off a control that is disabled, and a window that comes back with
    // no focused control gives the focus to its first one. A greyed window should come back
    // with the control that had the focus, as it does when it is simply activated again.
    void rememberFocusBeforeGreying(QWidget* w) {
        QWidget* focus = top_->focusWidget();
        if (!focusBeforeGreying_ && focus != nullptr && (focus == w || w->isAncestorOf(focus))) {
            focusBeforeGreying_ = focus;
        }
    }

    void restoreFocusAfterGreying() {
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

    QWidget* parentFor(const ControlDecl& decl) const {
        if (decl.parent.empty()) {
            return client_;
        }
        QWidget* frame = control(decl.parent);
        if (frame == nullptr) {
            throw std::logic_error("frame " + decl.parent + " must be declared before " +
                                   decl.name);
        }
        return frame;
    }

    QWidget* build(const ControlDecl& decl, EventSink& sink) {
        QWidget* parent = parentFor(decl);
        QWidget* w = nullptr;
        const std::string window = layout_->name;
        const std::string name = decl.name;
        EventSink* events = &sink;
        switch (decl.kind) {
            case Kind::Button:
            case Kind::PictureButton: {
                auto* b = new WrapButton(parent);
                if (decl.kind == Kind::Button) {
                    b->setText(qs(decl.caption));
                } else {
                    b->setIcon(pictureIcon(decl.picture));
                    b->setIconSize(picture(decl.picture, 1.0).size());
                }
                b->setAutoDefault(false);
                QObject::connect(b, &QPushButton::clicked, top_,
                                 [events, window, name] { events->clicked(window, name); });
                w = b;
                break;
            }
            case Kind::Label: {
                auto* l = new QLabel(parent);
                l->setTextFormat(Qt::PlainText);
                l->setWordWrap(true);
                l->setText(qs(decl.caption));
                l->setAlignment((decl.align == Align::Center ? Qt::AlignHCenter : Qt::AlignLeft) |
                                Qt::AlignTop);
                w = l;
                break;
            }
            case Kind::TextBox: {
                if (decl.multiLine) {
                    auto* box = new MultiLineBox(parent);
                    box->setCrlfText(qs(decl.caption));
                    box->setReadOnly(decl.readOnly);
                    w = box;
                } else {
                    auto* line = new LineBox(parent, decl.maxLength);
                    line->setText(qs(decl.caption));
                    line->setReadOnly(decl.readOnly);
                    line->setCursorPosition(0);
                    w = line;
                }
                break;
            }
            case Kind::ListBox: {
                auto* list = new ListBox(parent);
                for (const auto& item : decl.items) {
                    list->addItem(qs(item));
                }
                w = list;
                break;
            }
            case Kind::Frame: {
                w = new QGroupBox(qs(decl.caption), parent);
                break;
            }
            case Kind::Image: {
                auto* image = new QLabel(parent);
                image->setPixmap(picture(decl.picture, image->devicePixelRatio()));
                image->setScaledContents(true);
                w = image;
                break;
            }
        }
        w->setObjectName(qs(decl.name));
        w->setGeometry(toPixels(decl.rect));
        if (auto* box = qobject_cast<MultiLineBox*>(w); box != nullptr && !decl.caption.empty()) {
            fitLinesOfLayoutText(box, qs(decl.caption));
        }
        if (!decl.accessibleName.empty()) {
            w->setAccessibleName(qs(decl.accessibleName));
        }
        return w;
    }

    const WindowLayout* layout_;
    FormWidget* top_ = nullptr;
    QWidget* client_ = nullptr;
    std::map<std::string, QWidget*> controls_;
    std::map<std::string, QMenu*> menus_;
    std::map<std::string, QAction*> actions_;
    bool shownOnce_ = false;
    QPointer<QWidget> focusBeforeGreying_;
    QPointer<QWidget> focusWhileGreyed_;
};

}  // namespace

QtBackend::QtBackend() : start_(std::chrono::steady_clock::now()) {
    applyLayoutStyle();
    urlOpener = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    onQuit = [] { QCoreApplication::exit(0); };
}

std::unique_ptr<NativeWindow> QtBackend::create(const WindowLayout& layout, EventSink& sink) {
    return std::make_unique<QtWindow>(layout, sink, desktop_);
}

void QtBackend::doEvents() {
    // Wait a little for the next event instead of returning at once, so a polling caller
    // does not keep a core busy.
    QEventLoop loop;
    QTimer::singleShot(15, &loop, &QEventLoop::quit);
    loop.exec();
}

double QtBackend::monotonicSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

bool QtBackend::openUrl(const std::string& url, std::uintptr_t) {
    const QUrl address = QUrl::fromEncoded(
        QByteArray(url.data(), static_cast<qsizetype>(url.size())), QUrl::TolerantMode);
    return urlOpener ? urlOpener(address) : false;
}

void QtBackend::quit() {
    quitRequested_ = true;
    if (onQuit) {
        onQuit();
    }
}

QWidget* topLevelWidget(NativeWindow& native) {
    auto* window = dynamic_cast<QtWindow*>(&native);
    return window != nullptr ? window->top() : nullptr;
}

QWidget* controlWidget(NativeWindow& native, const std::string& control) {
    auto* window = dynamic_cast<QtWindow*>(&native);
    return window != nullptr ? window->control(control) : nullptr;
}

}  // namespace forms::qt
