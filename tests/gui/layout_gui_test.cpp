// Every window of the program, realised as real widgets: nothing is cut off or overlaps.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTextBlock>
#include <QTextCursor>
#include <set>

#include "forms/qt/widgets.h"
#include "support/qt_app.h"

namespace {

using testsupport::QtApp;

// The widgets of a window that stand for its declared controls (a control array such as the
// composer's five "Label1" labels counts five times).
std::vector<QWidget*> declaredWidgets(QWidget* top, const forms::WindowLayout& layout) {
    std::set<QString> names;
    for (const auto& decl : layout.controls) {
        names.insert(QString::fromStdString(decl.name));
    }
    std::vector<QWidget*> widgets;
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (names.count(w->objectName()) != 0) {
            widgets.push_back(w);
        }
    }
    return widgets;
}

void expectTextFits(QWidget* w, const std::string& where) {
    const QFontMetrics metrics(w->font());
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text().isEmpty()) {
            return;  // a picture
        }
        const QRect needed = metrics.boundingRect(
            label->rect(), Qt::TextWordWrap | label->alignment(), label->text());
        EXPECT_LE(needed.height(), label->height()) << where << ": the label's last line is cut";
        EXPECT_LE(needed.width(), label->width()) << where;
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        EXPECT_LE(metrics.horizontalAdvance(group->title()), group->width()) << where;
        for (QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            EXPECT_GE(child->y(), metrics.height()) << where << ": below the frame's caption";
        }
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        if (button->text().isEmpty()) {
            return;  // a picture button
        }
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect area = button->style()
                               ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                               .adjusted(2, 0, -2, 0);
        const QRect needed = metrics.boundingRect(
            area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, button->text());
        EXPECT_TRUE(area.contains(needed)) << where << ": caption wider or taller than the button";
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        const int room = list->viewport()->width();
        for (int row = 0; row < list->count(); ++row) {
            EXPECT_LE(metrics.horizontalAdvance(list->item(row)->text()) + 8, room)
                << where << ": entry " << list->item(row)->text().toStdString();
        }
        if (list->count() <= 5) {
            // A short list shows all its entries without scrolling.
            EXPECT_GE(list->viewport()->height(), list->count() * list->sizeHintForRow(0)) << where;
        }
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(w)) {
        // Multi-line boxes have no scroll bars: every line of their text must be in view.
        QTextBlock last = box->document()->lastBlock();
        while (last.isValid() && last.text().isEmpty()) {
            last = last.previous();
        }
        if (last.isValid()) {
            QTextCursor end(last);
            end.movePosition(QTextCursor::EndOfBlock);
            EXPECT_LE(box->cursorRect(end).bottom(), box->viewport()->height()) << where;
        }
    } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
        // The text sits centred in the room inside the frame; Qt's size hint adds margins of
        // its own that a tall font need not have.
        QStyleOptionFrame option;
        option.initFrom(line);
        option.lineWidth = line->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, line);
        const QRect room =
            line->style()->subElementRect(QStyle::SE_LineEditContents, &option, line);
        EXPECT_GE(room.height(), metrics.height()) << where << ": the text is cut";
        auto* limited = qobject_cast<forms::qt::LineBox*>(line);
        if (limited != nullptr && limited->maxCharacters() == 7) {
            EXPECT_LE(metrics.horizontalAdvance(QStringLiteral("-0000.0")) + 8, line->width())
                << where << ": a coordinate does not show whole";
        }
    }
}

TEST(LayoutGui, EveryWindowShowsEveryCaptionInFullWithNothingOverlapping) {
    QtApp app;
    int windows = 0;
    for (const std::string& name : app.forms.definedWindows()) {
        SCOPED_TRACE(name);
        app.forms.Show(name);
        QWidget* top = app.top(name);
        const auto& layout = app.forms.definition(name).layout;
        if (!layout.borderless) {
            EXPECT_EQ(top->windowTitle().toStdString(), layout.caption);
            EXPECT_EQ(top->minimumSize(), top->maximumSize()) << "fixed size";
        }
        const std::vector<QWidget*> widgets = declaredWidgets(top, layout);
        for (QWidget* w : widgets) {
            const std::string where = w->objectName().toStdString();
            EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry()))
                << where << " sticks out of its window or frame";
            for (QWidget* other : widgets) {
                if (other != w && other->parentWidget() == w->parentWidget()) {
                    EXPECT_FALSE(w->geometry().intersects(other->geometry()))
                        << where << " overlaps " << other->objectName().toStdString();
                }
            }
            expectTextFits(w, where);
        }
        ++windows;
        // Hide rather than unload: the program would end with its last window.
        top->hide();
    }
    EXPECT_EQ(windows, 54);
}

}  // namespace
