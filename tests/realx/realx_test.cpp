// The real widgets on a real X server with a window manager (see run-on-x.sh): what the
// headless platform cannot show. Keys come from the X server through xdotool, with its key
// auto-repeat and keypad; the clipboard is owned by other programs through xclip, or by none.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QTemporaryFile>
#include <QWindow>

#include "support/qt_app.h"

namespace {

using testsupport::QtApp;

// Runs a tool to its end while this program goes on answering the X server, as a tool that
// reads our clipboard needs.
QByteArray run(const QString& program, const QStringList& args, const QByteArray& input = {}) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForStarted(5000)) {
        ADD_FAILURE() << program.toStdString() << " did not start";
        return {};
    }
    process.write(input);
    process.closeWriteChannel();
    QElapsedTimer clock;
    clock.start();
    while (!process.waitForFinished(10) && clock.elapsed() < 30000) {
        QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    return process.readAllStandardOutput();
}

void keys(const QStringList& names) {
    run(QStringLiteral("xdotool"),
        QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30")} +
            names);
    QTest::qWait(150);
}

// Another program takes the clipboard and serves one kind of data from it until the next
// owner comes.
void offerClipboard(const QString& type, const QByteArray& data) {
    run(QStringLiteral("xclip"),
        {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-t"), type,
         QStringLiteral("-i")},
        data);
}

// Another program takes the clipboard and goes away, so that nobody owns it.
void leaveClipboardWithoutOwner() {
    QProcess owner;
    owner.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"),
                                          QStringLiteral("-quiet"), QStringLiteral("-i")});
    ASSERT_TRUE(owner.waitForStarted(5000));
    owner.write("soon gone");
    owner.closeWriteChannel();
    QTest::qWait(300);
    owner.kill();
    owner.waitForFinished(5000);
    QTest::qWait(100);
}

QString clipboardSeenByAnotherProgram() {
    return QString::fromUtf8(
        run(QStringLiteral("xclip"),
            {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-o")}));
}

// The window that the window manager holds active, as other programs (xdotool) see it.
QString activeOnTheServer() {
    return QString::fromUtf8(run(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")}))
        .trimmed();
}

// Notes when a Shift key, which no window acts on, comes back from the X server.
class ShiftSeen : public QObject {
public:
    bool seen = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyRelease &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Shift) {
            seen = true;
        }
        return false;
    }
};

// Shows a window and waits until the window manager has framed and activated it and a key the
// X server sends comes through to the program: keys go there only then, whatever Qt already
// believes.
QWidget* showActive(QtApp& app, const std::string& window) {
    app.forms.Show(window);
    QWidget* top = app.top(window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(top));
    EXPECT_TRUE(QTest::qWaitFor([top] { return top->frameGeometry() != top->geometry(); }, 3000));
    const QString id = QString::number(top->winId());
    EXPECT_TRUE(QTest::qWaitFor([&id] { return activeOnTheServer() == id; }, 3000))
        << window << " is not active on the X server";
    ShiftSeen shift;
    QApplication::instance()->installEventFilter(&shift);
    run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("shift")});
    EXPECT_TRUE(QTest::qWaitFor([&shift] { return shift.seen; }, 3000))
        << window << " does not get the keys the X server sends";
    QApplication::instance()->removeEventFilter(&shift);
    return top;
}

// Another program's window (xmessage), made the active one through the window manager as a
// user's click would; it goes away with this object.
class OtherProgram {
public:
    OtherProgram() {
        const QString title = QStringLiteral("Quarnix test: another program");
        process_.start(QStringLiteral("xmessage"),
                       {QStringLiteral("-title"), title, QStringLiteral("another program")});
        EXPECT_TRUE(process_.waitForStarted(5000)) << "xmessage did not start";
        window_ = QString::fromUtf8(run(QStringLiteral("xdotool"),
                                        {QStringLiteral("search"), QStringLiteral("--sync"),
                                         QStringLiteral("--name"), title}))
                      .section(u'\n', 0, 0)
                      .trimmed();
        run(QStringLiteral("xdotool"),
            {QStringLiteral("windowactivate"), QStringLiteral("--sync"), window_});
        EXPECT_TRUE(QTest::qWaitFor([this] { return activeOnTheServer() == window_; }, 3000))
            << "the other program is not active";
        EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activeWindow() == nullptr; }, 3000))
            << "Quarnix still believes it has the keyboard";
    }
    ~OtherProgram() {
        process_.kill();
        process_.waitForFinished(5000);
    }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

    const QString& window() const { return window_; }

private:
    QProcess process_;
    QString window_;
};

// Closes a window as a taskbar's close does: the window manager asks it to close.
void closeThroughTheWindowManager(QWidget* top) {
    run(QStringLiteral("wmctrl"), {QStringLiteral("-i"), QStringLiteral("-c"),
                                   QStringLiteral("0x%1").arg(top->winId(), 0, 16)});
}

TEST(RealX, PasteNeverCrashesWhateverTheClipboardHolds) {
    QtApp app;
    showActive(app, "frmsendemail");
    forms::Window& composer = app.forms["frmsendemail"];
    composer.SetText("txtBody", "");
    app.widget("frmsendemail", "txtBody")->setFocus();

    leaveClipboardWithoutOwner();
    keys({"ctrl+v", "shift+Insert"});
    EXPECT_EQ(composer.Text("txtBody"), "");

    offerClipboard(QStringLiteral("text/html"), "<b>rich</b>");
    keys({"ctrl+v"});
    QTemporaryFile png;
    ASSERT_TRUE(png.open());
    QImage(8, 8, QImage::Format_RGB32).save(&png, "PNG");
    png.close();
    QFile pngFile(png.fileName());
    ASSERT_TRUE(pngFile.open(QIODevice::ReadOnly));
    offerClipboard(QStringLiteral("image/png"), pngFile.readAll());
    keys({"ctrl+v"});
    EXPECT_EQ(composer.Text("txtBody"), "");

    const std::string text = "one\r\ntwo\u00a0three\u2029\nfour";
    offerClipboard(QStringLiteral("UTF8_STRING"), QByteArray::fromStdString(text));
    keys({"ctrl+v"});
    EXPECT_EQ(composer.Text("txtBody"), "one\r\ntwo\u00a0three\u2029\r\nfour");

    // Megabytes of text arrive whole.
    QByteArray lots;
    for (int i = 0; lots.size() < 3 * 1024 * 1024; ++i) {
        lots += "line " + QByteArray::number(i) + " of many\r\n";
    }
    composer.SetText("txtBody", "");
    offerClipboard(QStringLiteral("UTF8_STRING"), lots);
    keys({"shift+Insert"});
    EXPECT_EQ(composer.Text("txtBody"), lots.toStdString());

    // A one-line box keeps the first line; its context menu pastes the same way.
    QWidget* cc = app.widget("frmsendemail", "txtCc");
    cc->setFocus();
    offerClipboard(QStringLiteral("UTF8_STRING"), "cc@example.com\r\nsecond line");
    keys({"ctrl+v"});
    EXPECT_EQ(composer.Text("txtCc"), "cc@example.com");
    leaveClipboardWithoutOwner();
    keys({"ctrl+v", "shift+Insert"});
    QWidget* bcc = app.widget("frmsendemail", "txtBcc");
    bcc->setFocus();
    offerClipboard(QStringLiteral("UTF8_STRING"), "bcc@example.com\nx");
    const QPoint at = bcc->mapTo(bcc->window(), bcc->rect().center());
    run(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QStringLiteral("--window"),
         QString::number(bcc->window()->winId()), QString::number(at.x()), QString::number(at.y()),
         QStringLiteral("click"), QStringLiteral("3")});
    QTest::qWait(300);
    keys({"p"});
    EXPECT_EQ(composer.Text("txtBcc"), "bcc@example.com");
    EXPECT_EQ(composer.Text("txtCc"), "cc@example.com");

    // What the program wrote with CR LF reaches other programs with CR LF.
    composer.SetText("txtBody", "line one\r\nline two\u00a0");
    app.widget("frmsendemail", "txtBody")->setFocus();
    keys({"ctrl+a", "ctrl+x"});
    EXPECT_EQ(clipboardSeenByAnotherProgram(), QStringLiteral("line one\r\nline two\u00a0"));
    EXPECT_EQ(composer.Text("txtBody"), "");
    EXPECT_TRUE(app.forms.isVisible("frmsendemail"));
}

TEST(RealX, AHeldEnterPressesOnceAndKeypadEnterActsAsEnter) {
    QtApp app;
    showActive(app, "frmgtapick");
    app.widget("frmgtapick", "cmdexit")->setFocus();

    // Held well past the auto-repeat delay: the confirmation opens, its "Yes" is not pressed.
    QProcess hold;
    hold.start(QStringLiteral("xdotool"), {"keydown", "Return", "sleep", "1.5", "keyup", "Return"});
    ASSERT_TRUE(hold.waitForStarted(5000));
    ASSERT_TRUE(QTest::qWaitFor([&hold] { return hold.state() == QProcess::NotRunning; }, 10000));
    QTest::qWait(200);
    ASSERT_TRUE(app.forms.isVisible("frmgtagpexit"));
    EXPECT_EQ(app.quits, 0);
    EXPECT_TRUE(app.forms.isVisible("frmgtapick"));

    // "No" by the keypad's Enter gives the main window back, focus on Exit.
    ASSERT_TRUE(QTest::qWaitForWindowActive(app.top("frmgtagpexit")));
    keys({"Tab", "KP_Enter"});
    EXPECT_FALSE(app.forms.isLoaded("frmgtagpexit"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(app.top("frmgtapick")));
    EXPECT_EQ(app.focusName("frmgtapick"), "cmdexit");

    keys({"shift+Tab", "KP_Enter"});
    QTest::qWait(200);
    EXPECT_TRUE(app.forms.isVisible("frmgtasacodepick"));
    EXPECT_FALSE(app.forms.isLoaded("frmgtapick"));
}

// The frame's centre is the screen's, within rounding.
void expectCentred(QWidget* top) {
    const QRect area = top->screen()->availableGeometry();
    const QRect frame = top->frameGeometry();
    EXPECT_GT(frame.height(), top->height()) << "no title bar";
    EXPECT_LE(std::abs(frame.center().x() - area.center().x()), 1);
    EXPECT_LE(std::abs(frame.center().y() - area.center().y()), 1);
}

TEST(RealX, WindowsAreCentredWithTheirFrame) {
    QtApp app;
    QWidget* main = showActive(app, "frmgtapick");
    QTest::qWait(300);
    expectCentred(main);
    app.clickButton("frmgtapick", "cmdgta3");
    QWidget* picker = app.top("frmgta3codepick");
    ASSERT_TRUE(QTest::qWaitForWindowActive(picker));
    const QPoint firstPlace = picker->pos();
    QTest::qWait(300);
    expectCentred(picker);
    EXPECT_EQ(picker->pos(), firstPlace) << "a later window is placed right at once";
}

TEST(RealX, AMiddleClickPastesWholeCharactersOnly) {
    QtApp app;
    showActive(app, "frmgta3vehicle");
    auto* angle = app.as<QLineEdit>("frmgta3vehicle", "txtangle");
    const QString smile = QStringLiteral("\U0001F600");
    QGuiApplication::clipboard()->setText("1" + smile + smile + smile, QClipboard::Selection);
    QTest::mouseClick(angle, Qt::MiddleButton);
    // Three characters at most: the last one is refused whole, not split.
    EXPECT_EQ(angle->text(), "1" + smile + smile);
    // The cut paste is an edit that undo takes back.
    QTest::keyClick(angle, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(angle->text(), "");
    QTest::keyClick(angle, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(angle->text(), "1" + smile + smile);
}

TEST(RealX, ADraggedTextThatABoxCannotTakeWholeStaysWhereItCameFrom) {
    QtApp app;
    QWidget* top = showActive(app, "frmsendemail");
    forms::Window& composer = app.forms["frmsendemail"];
    composer.SetText("txtBody", "first line\r\nsecond line");
    composer.SetText("txtCc", "");
    auto* body = app.as<QPlainTextEdit>("frmsendemail", "txtBody");
    body->setFocus();
    body->selectAll();
    // Press on the selection, drag it past the start distance, drop it on the Cc box.
    const auto at = [top](QWidget* w, int dx) {
        const QPoint p = w->mapTo(top, QPoint(10 + dx, 8));
        return QStringList{QStringLiteral("mousemove"),   QStringLiteral("--window"),
                           QString::number(top->winId()), QString::number(p.x()),
                           QString::number(p.y()),        QStringLiteral("sleep"),
                           QStringLiteral("0.2")};
    };
    QWidget* cc = app.widget("frmsendemail", "txtCc");
    run(QStringLiteral("xdotool"),
        at(body, 0) + QStringList{QStringLiteral("mousedown"), QStringLiteral("1")} + at(body, 30) +
            at(cc, 0) + at(cc, 5) + QStringList{QStringLiteral("mouseup"), QStringLiteral("1")});
    QTest::qWait(300);
    EXPECT_EQ(composer.Text("txtCc"), "first line");
    EXPECT_EQ(composer.Text("txtBody"), "first line\r\nsecond line");
}

// Drags all of `text` out of another program's box (drag_source.cpp) onto `target` and gives
// what that box holds afterwards. Unlike this program's own boxes, the other program goes by
// the action the target answered while the drag passed over it. A move-only source offers no
// copy.
QString dragFromAnotherProgram(const QString& text, QWidget* target, bool moveOnly = false) {
    const QString title = QStringLiteral("Quarnix test: drag source");
    QProcess source;
    source.start(QStringLiteral(QUARNIX_DRAG_SOURCE),
                 {text, moveOnly ? QStringLiteral("move-only") : QString()});
    EXPECT_TRUE(source.waitForStarted(5000)) << "the drag source did not start";
    const QString window =
        QString::fromUtf8(run(QStringLiteral("xdotool"),
                              {QStringLiteral("search"), QStringLiteral("--sync"),
                               QStringLiteral("--onlyvisible"), QStringLiteral("--name"), title}))
            .section(u'\n', 0, 0)
            .trimmed();
    QTest::qWait(300);
    const auto at = [](const QString& id, QPoint p) {
        return QStringList{
            QStringLiteral("mousemove"), QStringLiteral("--window"), id,
            QString::number(p.x()),      QString::number(p.y()),     QStringLiteral("sleep"),
            QStringLiteral("0.2")};
    };
    const QString targetWindow = QString::number(target->window()->winId());
    const QPoint onTarget = target->mapTo(target->window(), QPoint(10, 8));
    run(QStringLiteral("xdotool"),
        at(window, {15, 10}) + QStringList{QStringLiteral("mousedown"), QStringLiteral("1")} +
            at(window, {45, 10}) + at(targetWindow, onTarget) +
            at(targetWindow, onTarget + QPoint(5, 0)) +
            QStringList{QStringLiteral("mouseup"), QStringLiteral("1")});
    QTest::qWait(300);
    run(QStringLiteral("wmctrl"), {QStringLiteral("-i"), QStringLiteral("-c"), window});
    EXPECT_TRUE(source.waitForFinished(5000)) << "the drag source did not close";
    return QString::fromUtf8(source.readAllStandardOutput());
}

TEST(RealX, ATextDraggedFromAnotherProgramStaysThereWhenABoxCannotTakeItWhole) {
    QtApp app;
    showActive(app, "frmsendemail");
    forms::Window& composer = app.forms["frmsendemail"];
    QWidget* cc = app.widget("frmsendemail", "txtCc");
    composer.SetText("txtCc", "");
    const QString twoLines = QStringLiteral("bee one\nbee two");
    EXPECT_EQ(dragFromAnotherProgram(twoLines, cc), twoLines);
    EXPECT_EQ(composer.Text("txtCc"), "bee one");

    // A text the box takes whole moves, as any drop.
    composer.SetText("txtCc", "");
    EXPECT_EQ(dragFromAnotherProgram(QStringLiteral("bee three"), cc), QString());
    EXPECT_EQ(composer.Text("txtCc"), "bee three");

    // Too long for the box: three characters at most.
    showActive(app, "frmgta3vehicle");
    const QString tooLong = QStringLiteral("1234");
    QWidget* angle = app.widget("frmgta3vehicle", "txtangle");
    forms::Window& creator = app.forms["frmgta3vehicle"];
    EXPECT_EQ(dragFromAnotherProgram(tooLong, angle), tooLong);
    EXPECT_EQ(creator.Text("txtangle"), "123");

    // A program that allows only a move deletes what it moved: the box refuses what it would
    // cut, and a text it takes whole moves.
    creator.SetText("txtangle", "");
    EXPECT_EQ(dragFromAnotherProgram(tooLong, angle, true), tooLong);
    EXPECT_EQ(creator.Text("txtangle"), "");
    EXPECT_EQ(dragFromAnotherProgram(QStringLiteral("12"), angle, true), QString());
    EXPECT_EQ(creator.Text("txtangle"), "12");
}

// Run on a 640 x 480 screen, narrower than the main window.
TEST(RealXSmallScreen, AWindowLargerThanTheScreenKeepsItsTitleBarOnIt) {
    QtApp app;
    QWidget* main = showActive(app, "frmgtapick");
    QTest::qWait(300);
    const QRect area = main->screen()->availableGeometry();
    const QRect frame = main->frameGeometry();
    ASSERT_GT(frame.width(), area.width()) << "the screen is meant to be too narrow";
    EXPECT_EQ(frame.left(), area.left()) << "the system menu is off the screen";
    EXPECT_GE(frame.top(), area.top());
    EXPECT_LE(std::abs(frame.center().y() - area.center().y()), 1) << "it fits from top to bottom";

    // A window that fits is centred as ever.
    app.clickButton("frmgtapick", "cmdexit");
    QWidget* confirmation = app.top("frmgtagpexit");
    ASSERT_TRUE(QTest::qWaitForWindowActive(confirmation));
    QTest::qWait(300);
    expectCentred(confirmation);
}

TEST(RealX, TheCloseBoxClosesItsWindowAlone) {
    QtApp app;
    showActive(app, "frmgtapick");
    app.clickButton("frmgtapick", "cmdexit");
    ASSERT_TRUE(QTest::qWaitForWindowActive(app.top("frmgtagpexit")));
    keys({"alt+F4"});
    EXPECT_FALSE(app.forms.isLoaded("frmgtagpexit"));
    ASSERT_TRUE(app.forms.isVisible("frmgtapick"));
    EXPECT_FALSE(app.widget("frmgtapick", "cmdexit")->isEnabled());
    EXPECT_EQ(app.quits, 0);

    ASSERT_TRUE(QTest::qWaitForWindowActive(app.top("frmgtapick")));
    keys({"alt+F4"});
    EXPECT_EQ(app.quits, 1);
    EXPECT_TRUE(app.forms.loadedWindows().empty());
}

TEST(RealX, AConfirmationClosedWhileAnotherProgramIsActiveLeavesItTheKeyboard) {
    QtApp app;
    showActive(app, "frmgtapick");
    app.clickButton("frmgtapick", "cmdexit");
    ASSERT_TRUE(QTest::qWaitForWindowActive(app.top("frmgtagpexit")));
    OtherProgram other;
    closeThroughTheWindowManager(app.top("frmgtagpexit"));
    ASSERT_TRUE(QTest::qWaitFor([&app] { return !app.forms.isLoaded("frmgtagpexit"); }, 3000));
    QTest::qWait(500);
    EXPECT_EQ(activeOnTheServer(), other.window())
        << "the keyboard was taken from the other program";
    EXPECT_EQ(QApplication::activeWindow(), nullptr);
    EXPECT_EQ(app.quits, 0);
}

}  // namespace
