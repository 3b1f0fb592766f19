// Small widget classes that give Qt's controls the behaviour the windows need.
#pragma once

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>

namespace forms::qt {

// A push button whose caption wraps over several lines when it is wider than the button, and
// which Enter and Return click as well as Space, as on the desktop's own dialogs.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A single-selection list. While nothing is selected, the first arrow key selects the entry
// under the cursor instead of moving past it.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

    int selectedRow() const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A multi-line box whose text uses CR LF line ends, as the script text and the layouts do.
class MultiLineBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineBox(QWidget* parent);

    QString crlfText() const;
    void setCrlfText(const QString& text);
};

// The top-level window; its close box is reported instead of closing by itself.
class FormWidget : public QWidget {
    Q_OBJECT
public:
    explicit FormWidget(std::function<void()> onCloseBox);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> onCloseBox_;
};

}  // namespace forms::qt
