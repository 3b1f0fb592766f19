// The whole program on the real Qt widgets (run headless with QT_QPA_PLATFORM=offscreen).
#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QUrl>
#include <QWidget>
#include <ostream>
#include <string>
#include <vector>

#include "app/windows.h"
#include "forms/qt/qt_backend.h"
#include "forms/runtime.h"

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace testsupport {

struct QtApp {
    forms::qt::QtBackend backend;
    forms::Forms forms{backend};
    std::vector<QUrl> openedUrls;
    int quits = 0;

    QtApp() {
        backend.urlOpener = [this](const QUrl& url) {
            openedUrls.push_back(url);
            return true;
        };
        backend.onQuit = [this] { ++quits; };
        app::defineAllWindows(forms);
    }
    ~QtApp() { flush(); }

    // Lets deferred deletions and pending events run.
    static void flush() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    QWidget* top(const std::string& window) {
        return forms::qt::topLevelWidget(forms[window].native());
    }
    QWidget* widget(const std::string& window, const std::string& control) {
        return forms::qt::controlWidget(forms[window].native(), control);
    }
    template <typename T>
    T* as(const std::string& window, const std::string& control) {
        return qobject_cast<T*>(widget(window, control));
    }
    std::string focusName(const std::string& window) { return forms[window].focusedControl(); }
    // Waits until the window is the active one, as it is when the program has just shown it
    // or given the keyboard back to it; fails the test when it does not become active.
    bool waitActive(const std::string& window) {
        const bool active = QTest::qWaitForWindowActive(top(window), 2000);
        EXPECT_TRUE(active) << window << " does not have the keyboard";
        return active;
    }
    // Makes a window the active one as a user does by clicking its title bar: for keys meant
    // for a window that the program has not given the keyboard (one greyed under a dialog).
    void activate(const std::string& window) {
        top(window)->activateWindow();
        waitActive(window);
    }
    // Sends a key where the keyboard is, once the window has it: to the application's focus
    // widget, or to the window itself where no control has the focus.
    void key(const std::string& window, Qt::Key key,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        if (waitActive(window)) {
            QTest::keyClick(keyboardTarget(), key, modifiers);
        }
    }
    // Types text key by key. Characters beyond ASCII (which QTest's own key clicks refuse) go
    // as key events carrying their text, as an input method delivers them.
    void typeInto(const std::string& window, const std::string& control, const QString& text) {
        type(widget(window, control), text);
    }
    // Types where the keyboard is, once the window has it.
    void typeHere(const std::string& window, const QString& text) {
        if (waitActive(window)) {
            type(keyboardTarget(), text);
        }
    }
    static QWidget* keyboardTarget() {
        QWidget* w = QApplication::focusWidget();
        return w != nullptr ? w : QApplication::activeWindow();
    }
    static void type(QWidget* target, const QString& text) {
        for (char32_t codePoint : text.toUcs4()) {
            if (codePoint < 0x80) {
                QTest::keyClick(target, static_cast<char>(codePoint));
            } else {
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown,
                                    QString::fromUcs4(&codePoint, 1), Qt::NoModifier);
            }
        }
    }
    // Pastes text through the clipboard with Ctrl+V, as a user does.
    static void paste(QWidget* box, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
    // Commits text as an input method does.
    static void compose(QWidget* box, const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(box, &event);
    }
    void clickButton(const std::string& window, const std::string& control) {
        QTest::mouseClick(widget(window, control), Qt::LeftButton);
    }
};

}  // namespace testsupport
