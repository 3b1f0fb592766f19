// The font every window is drawn in. The layouts fix each caption's room in twips, so the font
// is fitted to the metrics they were drawn for, once, and every window holds to it whatever
// font the desktop's platform theme hands out, at start or later. Every decision about the
// font is made here, as the layout style makes every decision about the controls' metrics.
#pragma once

#include <QFont>

class QPlainTextEdit;
class QString;
class QWidget;

namespace forms::qt {

// Fits the program's font: a family of the metrics the layouts were drawn for where one is
// installed, else the desktop's default family, at the largest size at which lines are no
// taller and characters on average no wider than the layouts allow. Also the application's
// font, for what is drawn outside the windows.
void applyProgramFont();

// The fitted font (the application's font until applyProgramFont has run).
QFont programFont();

// Gives a window the program's font as its own. A platform theme (GNOME's, Plasma's, qt6ct)
// replaces the application's font or sets fonts per kind of control, and it does so also
// after the program has set its own; a window's own font outranks both for every control in
// it, and keeps doing so when the desktop's settings change.
void holdProgramFont(QWidget* window);

// A multi-line box whose layout text keeps its line breaks: where a line of that text would
// wrap in the box, the box's font is made smaller until none does, down to a readable size.
void fitLinesOfLayoutText(QPlainTextEdit* box, const QString& layoutText);

}  // namespace forms::qt
