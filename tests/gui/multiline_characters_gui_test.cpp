// Multi-line boxes keep every character they are given. The text document underneath treats
// three of them as its own marks (U+2029 between blocks, U+FDD0 and U+FDD1 around frames), and
// those must still come back out as themselves, whatever way they went in.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <functional>
#include <string>
#include <vector>

#include "support/qt_app.h"
#include "support/text.h"

namespace {

using testsupport::QtApp;
using testsupport::spaced;

// The document's marks, a noncharacter of no meaning to it, and characters whose second UTF-16
// half is a low surrogate a box might use for itself (U+1F429 ends in DC29, U+1F5D0 in DDD0,
// U+1F5D1 in DDD1, U+10000 in DC00).
const QString kMarks = QStringLiteral(
    "a\uFDD0b\uFDEFc\uFDD1d\u2029e\U0001F429\u2029\U0001F5D0\uFDD0\U0001F5D1\uFDD1\U00010000"
    "\u2028\u00A0\uFFFE\U0010FFFF.");

std::string utf8(const QString& text) {
    return text.toStdString();
}

QPlainTextEdit* emptyBody(QtApp& app) {
    app.forms.Show("frmsendemail");
    app.forms["frmsendemail"].SetText("txtBody", "");
    auto* body = app.as<QPlainTextEdit>("frmsendemail", "txtBody");
    body->setFocus();
    return body;
}

std::string bodyText(QtApp& app) {
    return app.forms["frmsendemail"].Text("txtBody");
}

void drop(QPlainTextEdit* box, const QString& text) {
    QMimeData mime;
    mime.setText(text);
    const QPoint at(box->viewport()->width() - 3, box->viewport()->height() - 3);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box->viewport(), &enter);
    QDropEvent event(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box->viewport(), &event);
}

struct Route {
    const char* how;
    std::function<void(QPlainTextEdit*, const QString&)> insert;
};

TEST(MultiLineCharacters, ProgramTextComesBackUnchanged) {
    QtApp app;
    app.forms.Show("frmsendemail");
    const std::string text = utf8(kMarks + "\r\n" + kMarks + "\r\n");
    app.forms["frmsendemail"].SetText("txtBody", text);
    EXPECT_EQ(bodyText(app), text);
    EXPECT_EQ(app.as<QPlainTextEdit>("frmsendemail", "txtBody")->blockCount(), 3);
}

TEST(MultiLineCharacters, EveryWayInKeepsEveryCharacter) {
    const std::vector<Route> routes = {{"typing", QtApp::type},
                                       {"paste", QtApp::paste},
                                       {"input method", QtApp::compose},
                                       {"drop", drop}};
    for (const Route& route : routes) {
        SCOPED_TRACE(route.how);
        QtApp app;
        QPlainTextEdit* body = emptyBody(app);
        route.insert(body, kMarks);
        EXPECT_EQ(bodyText(app), utf8(kMarks));
        EXPECT_EQ(body->blockCount(), 1);
    }
}

TEST(MultiLineCharacters, CopyCutAndUndoCarryEveryCharacter) {
    QtApp app;
    QPlainTextEdit* body = emptyBody(app);
    QtApp::paste(body, kMarks + "\r\n" + kMarks);
    const std::string pasted = bodyText(app);
    ASSERT_EQ(pasted, utf8(kMarks + "\r\n" + kMarks));

    body->selectAll();
    QTest::keyClick(body, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), kMarks + "\r\n" + kMarks);
    // Part of a line: from its second character to the end of the first line.
    QTextCursor part(body->document());
    part.setPosition(1);
    part.setPosition(static_cast<int>(kMarks.size()), QTextCursor::KeepAnchor);
    body->setTextCursor(part);
    QTest::keyClick(body, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), kMarks.mid(1));
    EXPECT_EQ(bodyText(app), utf8("a\r\n" + kMarks));

    QTest::keyClick(body, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(bodyText(app), pasted);
    QTest::keyClick(body, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(bodyText(app), "");
    QTest::keyClick(body, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(bodyText(app), pasted);

    // What was cut goes back in as it was.
    body->moveCursor(QTextCursor::End);
    QTest::keyClick(body, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(bodyText(app), pasted + utf8(kMarks.mid(1)));
}

TEST(MultiLineCharacters, HalvesOfCharactersComeInAsReplacementCharacters) {
    // Not characters at all: as UTF-8 they could only be U+FFFD.
    const char16_t units[] = {u'x', 0xDC29, 0xDDD0, u'y', 0xD83D, u'z', 0xDC00, 0xD800};
    const QString halves(reinterpret_cast<const QChar*>(units), std::size(units));
    const std::string replaced = "x\xEF\xBF\xBD\xEF\xBF\xBDy\xEF\xBF\xBDz\xEF\xBF\xBD\xEF\xBF\xBD";
    const std::vector<Route> routes = {
        {"paste", QtApp::paste}, {"input method", QtApp::compose}, {"drop", drop}};
    for (const Route& route : routes) {
        SCOPED_TRACE(route.how);
        QtApp app;
        QPlainTextEdit* body = emptyBody(app);
        route.insert(body, halves);
        EXPECT_EQ(bodyText(app), replaced);
        EXPECT_EQ(body->blockCount(), 1);
    }
    QtApp app;
    QPlainTextEdit* body = emptyBody(app);
    for (char16_t half : std::initializer_list<char16_t>{0xDC29, 0xD83D}) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(half)));
        QApplication::sendEvent(body, &key);
    }
    EXPECT_EQ(bodyText(app), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(MultiLineCharacters, CursorKeysSelectionDeletionAndDrawingTakeThemOneByOne) {
    QtApp app;
    QPlainTextEdit* body = emptyBody(app);
    QtApp::paste(body, QStringLiteral("\U0001F429\u2029x\uFDD0\uFDD1y"));
    body->grab();
    // Word steps and a double click measure the text too; they change nothing.
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Right, Qt::Key_Right}) {
        QTest::keyClick(body, key, Qt::ControlModifier);
    }
    QTest::mouseDClick(body->viewport(), Qt::LeftButton, Qt::NoModifier,
                       body->cursorRect(QTextCursor(body->document())).center());
    body->moveCursor(QTextCursor::End);
    QTest::keyClick(body, Qt::Key_Left);
    QTest::keyClick(body, Qt::Key_Backspace);  // U+FDD1
    EXPECT_EQ(bodyText(app), utf8(QStringLiteral("\U0001F429\u2029x\uFDD0y")));
    QTest::keyClick(body, Qt::Key_Home);
    QTest::keyClick(body, Qt::Key_Right);
    QTest::keyClick(body, Qt::Key_Delete);  // U+2029
    EXPECT_EQ(bodyText(app), utf8(QStringLiteral("\U0001F429x\uFDD0y")));
    QTest::keyClick(body, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(body, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(body, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("x\uFDD0"));
    QTest::keyClick(body, Qt::Key_End);
    QTest::keyClick(body, Qt::Key_Backspace);
    QTest::keyClick(body, Qt::Key_Backspace);  // U+FDD0
    EXPECT_EQ(bodyText(app), utf8(QStringLiteral("\U0001F429x")));
    QTest::keyClick(body, Qt::Key_Home);
    QTest::keyClick(body, Qt::Key_Delete);
    EXPECT_EQ(bodyText(app), "x");
    body->grab();
}

TEST(MultiLineCharacters, AnInputMethodReadsTheTextAsItIs) {
    QtApp app;
    QPlainTextEdit* body = emptyBody(app);
    QtApp::paste(body, QStringLiteral("a\u2029b\uFDD0c\uFDD1d\r\nnext"));
    body->moveCursor(QTextCursor::Start);
    body->moveCursor(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    EXPECT_EQ(body->inputMethodQuery(Qt::ImSurroundingText).toString(),
              QStringLiteral("a\u2029b\uFDD0c\uFDD1d"));
    EXPECT_EQ(body->inputMethodQuery(Qt::ImCurrentSelection).toString(),
              QStringLiteral("a\u2029b\uFDD0c\uFDD1d"));
    EXPECT_EQ(body->inputMethodQuery(Qt::ImCursorPosition).toInt(), 7);
}

TEST(MultiLineCharacters, ACodeNameWithTheseCharactersMakesOneResultLine) {
    QtApp app;
    app.forms.Show("frmgta3item");
    app.forms["frmgta3item"].SetListIndex("lstitem", 2);
    auto* name = app.as<QLineEdit>("frmgta3item", "txtgta3itemcodename");
    name->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("p\uFDD0q\uFDD1r\u2029s\uFDEFt"));
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    app.clickButton("frmgta3item", "cmdgta3itemgencode");
    QtApp::flush();
    EXPECT_EQ(app.forms["frmgta3itemfinished"].Text("txtgta3itemfinishedcode"),
              spaced("0213:·$p\xEF\xB7\x90q\xEF\xB7\x91r\xE2\x80\xA9s\xEF\xB7\xAFt·=·create_pickup·"
                     "-30·(BRIBE)·type··14·at····"));
    EXPECT_EQ(
        app.as<QPlainTextEdit>("frmgta3itemfinished", "txtgta3itemfinishedcode")->blockCount(), 1);
}

TEST(MultiLineCharacters, TheComposerSendsTheBodyAsTyped) {
    QtApp app;
    app.forms.Show("frmgtapick");
    app.forms.click("frmgtapick", "mnuemail");
    QPlainTextEdit* body = emptyBody(app);
    QtApp::paste(body, QStringLiteral("a\uFDD0b\uFDEFc\uFDD1d\u2029e"));
    app.clickButton("frmsendemail", "cmdSend");
    ASSERT_EQ(app.openedUrls.size(), 1u);
    const QByteArray sent = app.openedUrls[0].toEncoded();
    EXPECT_TRUE(sent.endsWith("&Body=a%EF%B7%90b%EF%B7%AFc%EF%B7%91d%E2%80%A9e"))
        << sent.toStdString();
}

}  // namespace
