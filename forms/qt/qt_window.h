// One window of the runtime as a real top-level Qt window with real controls.
#pragma once

#include <QMenu>
#include <QPointer>
#include <QWidget>
#include <map>
#include <string>

#include "forms/backend.h"
#include "forms/qt/form_widget.h"

namespace forms::qt {

class QtWindow : public NativeWindow {
public:
    QtWindow(const WindowLayout& layout, EventSink& sink, Desktop& desktop);
    ~QtWindow() override;
    QtWindow(const QtWindow&) = delete;
    QtWindow& operator=(const QtWindow&) = delete;

    QWidget* top() const { return top_; }
    // A control's widget by name (nullptr if there is none).
    QWidget* control(const std::string& name) const;

    std::string text(const std::string& control) const override;
    void setText(const std::string& control, const std::string& text) override;
    int listIndex(const std::string& control) const override;
    void setListIndex(const std::string& control, int index) override;
    bool enabled(const std::string& control) const override;
    void setEnabled(const std::string& control, bool enabled) override;
    void show() override;
    bool visible() const override;
    std::string focusedControl() const override;
    std::uintptr_t handle() const override;

private:
    QWidget* widget(const std::string& control) const;
    QWidget* parentFor(const ControlDecl& decl) const;
    void rememberFocusBeforeGreying(QWidget* w);
    void restoreFocusAfterGreying();

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

}  // namespace forms::qt
