// One-line boxes with a maximum length count characters, not the UTF-16 units Qt counts, and
// never keep half of one: whatever way text comes in, a character that does not fit is left
// out whole.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <functional>
#include <string>
#include <vector>

#include "support/memory_app.h"
#include "support/qt_app.h"
#include "support/text.h"

namespace {

using testsupport::MemoryApp;
using testsupport::QtApp;
using testsupport::spaced;

// U+1F600, two UTF-16 units.
const QString kSmile = QStringLiteral("\U0001F600");
const std::string kSmile8 = "\xF0\x9F\x98\x80";

// Drops text at the right end of the box, after the text already there, as a source that
// allows a copy or a move and asks for `proposed`; gives back what the box did with it.
Qt::DropAction dropAs(QLineEdit* box, const QString& text, Qt::DropAction proposed) {
    QMimeData mime;
    mime.setText(text);
    const QPoint at(box->width() - 3, box->height() / 2);
    const Qt::DropActions allowed = Qt::CopyAction | Qt::MoveAction;
    // Shift asks for a move, as on the desktop.
    const auto modifiers = proposed == Qt::MoveAction ? Qt::ShiftModifier : Qt::NoModifier;
    QDragEnterEvent enter(at, allowed, &mime, Qt::LeftButton, modifiers);
    QApplication::sendEvent(box, &enter);
    QDropEvent event(at, allowed, &mime, Qt::LeftButton, modifiers);
    EXPECT_EQ(event.proposedAction(), proposed);
    QApplication::sendEvent(box, &event);
    return event.isAccepted() ? event.dropAction() : Qt::IgnoreAction;
}

void drop(QLineEdit* box, const QString& text) {
    dropAs(box, text, Qt::CopyAction);
}

struct Route {
    const char* how;
    std::function<void(QLineEdit*, const QString&)> insert;
};

const std::vector<Route> kRoutes = {{"paste", QtApp::paste},
                                    {"drop", drop},
                                    {"typing", QtApp::type},
                                    {"input method", QtApp::compose}};

struct LimitCase {
    const char* window;
    const char* box;
    QString before;  // already in the box; the new text goes at its end
    QString inserted;
    QString expected;
};

TEST(CharacterLimits, EveryWayInCountsCharactersAndNeverSplitsOne) {
    const QString smiles7 = kSmile.repeated(7);
    const std::vector<LimitCase> cases = {
        {"frmgta3weapon", "txtgta3weaponx", "", "123456" + kSmile, "123456" + kSmile},
        {"frmgta3weapon", "txtgta3weaponx", "", "123456" + kSmile + kSmile, "123456" + kSmile},
        {"frmgta3weapon", "txtgta3weaponx", "", "1234567" + kSmile, "1234567"},
        {"frmgta3weapon", "txtgta3weaponx", "", "12345" + kSmile + "7", "12345" + kSmile + "7"},
        {"frmgta3weapon", "txtgta3weaponx", "", smiles7 + kSmile, smiles7},
        {"frmgta3weapon", "txtgta3weaponx", "1234567", "8", "1234567"},
        {"frmgta3vehicle", "txtalarmpercent", "", kSmile.repeated(3), kSmile.repeated(3)},
        {"frmgta3vehicle", "txtdoorlockpercent", "", "1" + kSmile.repeated(3),
         "1" + kSmile + kSmile},
        {"frmgta3vehicle", "txtangle", "12", kSmile + "3", "12" + kSmile},
        {"frmgta3vehicle", "txtangle", kSmile.repeated(3), kSmile, kSmile.repeated(3)},
        // A box without a maximum takes everything.
        {"frmgta3weapon", "txtgta3weaponname", "", smiles7 + "abc", smiles7 + "abc"},
    };
    for (const Route& route : kRoutes) {
        for (const LimitCase& c : cases) {
            SCOPED_TRACE(std::string(route.how) + " into " + c.box + ": " +
                         c.inserted.toStdString());
            QtApp app;
            app.forms.Show(c.window);
            auto* box = app.as<QLineEdit>(c.window, c.box);
            box->setFocus();
            box->setText(c.before);
            route.insert(box, c.inserted);
            EXPECT_EQ(box->text(), c.expected);
            EXPECT_EQ(box->cursorPosition(), c.expected.size());
        }
    }
}

// Only where there is a selection clipboard (X11; the tests on a real X server run it).
TEST(CharacterLimits, OneLineBoxesKeepTypedCharactersQtDoesNotKnow) {
    QtApp app;
    app.forms.Show("frmgta3weapon");
    auto* name = app.as<QLineEdit>("frmgta3weapon", "txtgta3weaponname");
    // Two noncharacters, one beyond the first plane, and a code point not yet assigned.
    const QString unknown =
        QStringLiteral("a\uFDD0b\uFFFE") + QChar(0xDB3F) + QChar(0xDFFE) + QStringLiteral("\u0378");
    QtApp::type(name, unknown);
    EXPECT_EQ(app.forms["frmgta3weapon"].Text("txtgta3weaponname"),
              "a\xEF\xB7\x90"
              "b\xEF\xBF\xBE\xF3\x9F\xBF\xBE\xCD\xB8");
    // The limit of a coordinate box holds for them as for any character.
    auto* x = app.as<QLineEdit>("frmgta3weapon", "txtgta3weaponx");
    QtApp::type(x, QString(8, QChar(0xFDD0)));
    EXPECT_EQ(x->text(), QString(7, QChar(0xFDD0)));
}

TEST(CharacterLimits, TextInsertedInsideLosesItsOwnEndNotTheTextAfterIt) {
    QtApp app;
    app.forms.Show("frmgta3weapon");
    auto* x = app.as<QLineEdit>("frmgta3weapon", "txtgta3weaponx");
    x->setFocus();
    x->setText(QStringLiteral("1234"));
    x->setCursorPosition(2);
    QtApp::paste(x, "ab" + kSmile + "cd");
    EXPECT_EQ(x->text(), "12ab" + kSmile + "34");
    EXPECT_EQ(x->cursorPosition(), 6);

    // A selection makes room for what replaces it.
    x->selectAll();
    QtApp::paste(x, kSmile.repeated(8));
    EXPECT_EQ(x->text(), kSmile.repeated(7));
    x->setSelection(12, 2);
    QtApp::type(x, QStringLiteral("z"));
    EXPECT_EQ(x->text(), kSmile.repeated(6) + "z");
}

TEST(CharacterLimits, AKeyRefusedByAFullBoxKeepsWhatUndoCanTakeBack) {
    QtApp app;
    app.forms.Show("frmgta3weapon");
    auto* x = app.as<QLineEdit>("frmgta3weapon", "txtgta3weaponx");
    x->setFocus();
    QTest::keyClicks(x, "1234567");
    QTest::keyClick(x, Qt::Key_8);
    QtApp::type(x, kSmile);
    EXPECT_EQ(x->text(), "1234567");
    QTest::keyClick(x, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(x->text(), "");
}

void undo(QWidget* box) {
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
}
void redo(QWidget* box) {
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
}

TEST(CharacterLimits, ACutInsertionIsOneEditThatUndoTakesBackAndRedoMakesAgain) {
    struct UndoCase {
        QString typed;
        QString inserted;
        QString kept;
    };
    const std::vector<UndoCase> cases = {
        {"12345", "abcdef", "12345ab"},
        {"xy", "ab\ncd", "xyab"},
        {"12345", "6" + kSmile + kSmile, "123456" + kSmile},
    };
    for (const Route& route : kRoutes) {
        if (route.how == std::string("typing")) {
            continue;  // each typed key is an edit of its own
        }
        for (const UndoCase& c : cases) {
            SCOPED_TRACE(std::string(route.how) + ": " + c.inserted.toStdString());
            QtApp app;
            app.forms.Show("frmgta3weapon");
            auto* x = app.as<QLineEdit>("frmgta3weapon", "txtgta3weaponx");
            x->setFocus();
            QtApp::type(x, c.typed);
            route.insert(x, c.inserted);
            EXPECT_EQ(x->text(), c.kept);
            undo(x);
            EXPECT_EQ(x->text(), c.typed);
            redo(x);
            EXPECT_EQ(x->text(), c.kept);
            undo(x);
            undo(x);
            EXPECT_EQ(x->text(), "") << "what was typed before is still in the history";
        }
    }

    // Into a box just emptied: the emptying stays an edit of its own.
    QtApp app;
    app.forms.Show("frmgta3weapon");
    auto* x = app.as<QLineEdit>("frmgta3weapon", "txtgta3weaponx");
    x->setFocus();
    QtApp::type(x, QStringLiteral("12345"));
    x->selectAll();
    QTest::keyClick(x, Qt::Key_Delete);
    QtApp::paste(x, QStringLiteral("abcdefgh"));
    EXPECT_EQ(x->text(), "abcdefg");
    undo(x);
    EXPECT_EQ(x->text(), "");
    undo(x);
    EXPECT_EQ(x->text(), "12345");
}

TEST(CharacterLimits, ADropTheBoxCannotTakeWholeIsACopySoTheSourceKeepsItsText) {
    struct MoveCase {
        QString before;
        QString dropped;
        QString kept;
        Qt::DropAction done;
    };
    const std::vector<MoveCase> cases = {
        {"12345", "67", "1234567", Qt::MoveAction},
        {"12345", "abcdef", "12345ab", Qt::CopyAction},
        {"12", "ab\r\ncd", "12ab", Qt::CopyAction},
        {"12345", "6" + kSmile + kSmile, "123456" + kSmile, Qt::CopyAction},
        {"1234567", "8", "1234567", Qt::CopyAction},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.dropped.toStdString());
        QtApp app;
        app.forms.Show("frmgta3weapon");
        auto* x = app.as<QLineEdit>("frmgta3weapon", "txtgta3weaponx");
        x->setText(c.before);
        EXPECT_EQ(dropAs(x, c.dropped, Qt::MoveAction), c.done);
        EXPECT_EQ(x->text(), c.kept);
    }
}

TEST(CharacterLimits, APastedEmojiReachesThePickupLineWholeOrNotAtAll) {
    QtApp app;
    app.forms.Show("frmgta3weapon");
    app.forms["frmgta3weapon"].SetListIndex("lstgta3weapon", 0);
    app.typeInto("frmgta3weapon", "txtgta3weaponname", "bat");
    auto* x = app.as<QLineEdit>("frmgta3weapon", "txtgta3weaponx");
    x->setFocus();
    QtApp::paste(x, "123456" + kSmile);
    auto* y = app.as<QLineEdit>("frmgta3weapon", "txtgta3weapony");
    y->setFocus();
    QtApp::paste(y, "123456" + kSmile + kSmile);
    app.typeInto("frmgta3weapon", "txtgta3weaponz", "3");
    app.clickButton("frmgta3weapon", "cmdgta3weapongeneratecode");
    QtApp::flush();
    EXPECT_EQ(app.forms["frmgta3weaponcode"].Text("txtgta3weaponfinishedcode"),
              spaced("0213:·$bat·=·create_pickup·#BAT·type··2·at··123456" + kSmile8 + "·123456" +
                     kSmile8 + "·3"));
}

TEST(CharacterLimits, BothBackendsCutProgramTextAtALineBreakAndTheMaximum) {
    QtApp qt;
    MemoryApp memory;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"123456" + kSmile8, "123456" + kSmile8},
        {"1234567" + kSmile8, "1234567"},
        {"123456789", "1234567"},
        {"12\r\n34", "12"},
    };
    for (const auto& [set, kept] : cases) {
        SCOPED_TRACE(set);
        qt.forms["frmgta3weapon"].SetText("txtgta3weaponx", set);
        memory.forms["frmgta3weapon"].SetText("txtgta3weaponx", set);
        EXPECT_EQ(qt.forms["frmgta3weapon"].Text("txtgta3weaponx"), kept);
        EXPECT_EQ(memory.forms["frmgta3weapon"].Text("txtgta3weaponx"), kept);
    }
}

TEST(CharacterLimits, TheMemoryBackendTypesWhatTheRealBoxesTake) {
    const std::vector<std::pair<const char*, const char*>> boxes = {
        {"frmgta3weapon", "txtgta3weaponx"},
        {"frmgta3vehicle", "txtangle"},
        {"frmgta3weapon", "txtgta3weaponname"},
    };
    const std::vector<std::string> texts = {
        "123456" + kSmile8,
        kSmile8 + kSmile8 + kSmile8 + "4",
        "e\xCC\x81\xCC\x81xyz",  // combining accents are characters of their own
        "\xEF\xB7\x90\xEF\xBF\xBF\xF4\x8F\xBF\xBF-12.5",
    };
    for (const auto& [window, control] : boxes) {
        for (const std::string& text : texts) {
            SCOPED_TRACE(std::string(control) + ": " + text);
            QtApp qt;
            qt.forms.Show(window);
            auto* box = qt.as<QLineEdit>(window, control);
            box->setFocus();
            QtApp::paste(box, QString::fromStdString(text));
            MemoryApp memory;
            memory.forms.Show(window);
            memory.type(window, control, text);
            EXPECT_EQ(memory.text(window, control), qt.forms[window].Text(control));
        }
    }
}

}  // namespace
