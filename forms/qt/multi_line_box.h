#pragma once

#include <QPlainTextEdit>

namespace forms::qt {

// A multi-line box whose text uses CR LF line ends, as the script text and the layouts do.
// It takes plain text only and gives back exactly what it holds: only its own line breaks
// read as CR LF; any other character, be it a no-break space, a line or paragraph separator or
// a noncharacter, stays that character, also on the clipboard and to an input method. Half of
// a character (a lone surrogate) comes in as U+FFFD.
class MultiLineBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MultiLineBox(QWidget* parent);

    QString crlfText() const;
    void setCrlfText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;
};

}  // namespace forms::qt
