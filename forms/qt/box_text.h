// The text boxes' handling of characters, apart from any widget: what a box takes, what its
// document holds and what comes back out. Lengths count characters (code points), never
// UTF-16 units, and no character is ever split.
#pragma once

#include <QString>

namespace forms::qt {

// The character the multi-line box's document holds for `c`: itself, or the stand-in for one
// of the three characters the document keeps for its own marks.
QChar standInFor(QChar c);

// The text with each half of a character (a lone surrogate) as U+FFFD, as UTF-8 would have it.
QString wholeCharacters(const QString& text);

// Text as the document holds it: every CR LF, lone CR or lone LF becomes a block break, and
// each of the document's own marks its stand-in.
QString toDocument(const QString& text);

enum class BlockBreaks { AsCrLf, Kept };
// Document text (blocks separated by U+2029) as the box's text.
QString fromDocument(const QString& raw, BlockBreaks breaks = BlockBreaks::AsCrLf);

// Cuts the insertion that ends at the cursor as a one-line box does: at its first line break,
// then to `maxCharacters` (0: no limit). Whether anything went.
bool cutInsertion(QString& text, int& cursor, int maxCharacters);

// Whether Qt's editors would drop this typed text: they take only what they know as a
// character, so noncharacters, code points newer than Qt's tables and halves of a character
// are lost.
bool qtDropsText(const QString& text);

}  // namespace forms::qt
