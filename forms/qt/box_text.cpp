#include "forms/qt/box_text.h"

#include <algorithm>

namespace forms::qt {

namespace {

// Whether a character of two UTF-16 units starts at i.
bool isPairAt(const QString& text, qsizetype i) {
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
}

// Code points in the text; a lone surrogate counts as one.
int characterCount(const QString& text) {
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isPairAt(text, i)) {
            ++i;
        }
        ++count;
    }
    return count;
}

// Start of the code point that ends at `end`.
qsizetype previousCharacter(const QString& text, qsizetype end) {
    if (end >= 2 && text[end - 1].isLowSurrogate() && text[end - 2].isHighSurrogate()) {
        return end - 2;
    }
    return end - 1;
}

// The text document keeps three characters for itself: U+2029 separates its blocks, U+FDD0 and
// U+FDD1 mark frames, and text holding them would come back with line breaks in their place.
// In the document they stand as lone low surrogates. No text can hold one: a lone surrogate is
// not a character, and any that comes in becomes U+FFFD (as it would in UTF-8 anyway), so a
// stand-in is never mistaken for the user's text. Each is one UTF-16 unit, as is the character
// it stands for, so positions and lengths in the document are those of the text. A low
// surrogate after a high one is the second half of a character, not a stand-in.
struct StandIn {
    char16_t character;
    char16_t standIn;
};
constexpr StandIn kStandIns[] = {
    {0x2029, 0xDC29},
    {0xFDD0, 0xDDD0},
    {0xFDD1, 0xDDD1},
};

QChar characterFor(QChar standIn) {
    for (const StandIn& s : kStandIns) {
        if (standIn.unicode() == s.standIn) {
            return QChar(s.character);
        }
    }
    return QChar::ReplacementCharacter;
}

// Drops the rest of the insertion from its first line break on.
void cutAtLineBreak(QString& text, int& cursor) {
    const auto isBreak = [](QChar c) { return c == u'\r' || c == u'\n'; };
    const auto first = std::find_if(text.cbegin(), text.cend(), isBreak);
    if (first != text.cend()) {
        const auto at = static_cast<int>(first - text.cbegin());
        const int insertedEnd = std::max(cursor, at);
        text.remove(at, insertedEnd - at);
        text.erase(std::remove_if(text.begin(), text.end(), isBreak), text.end());
        cursor = at;
    }
}

// Drops whole characters from the end of the insertion until the text fits.
void cutToLength(QString& text, int& cursor, int maxCharacters) {
    int excess = characterCount(text) - maxCharacters;
    if (excess <= 0) {
        return;
    }
    qsizetype start = std::clamp<qsizetype>(cursor, 0, text.size());
    const qsizetype end = start;
    for (; excess > 0 && start > 0; --excess) {
        start = previousCharacter(text, start);
    }
    text.remove(start, end - start);
    cursor = static_cast<int>(start);
    // Only if the cursor was not at the end of the insertion: cut the end of the text.
    qsizetype size = text.size();
    for (; excess > 0 && size > 0; --excess) {
        size = previousCharacter(text, size);
    }
    text.truncate(size);
    cursor = std::min(cursor, static_cast<int>(size));
}

}  // namespace

QChar standInFor(QChar c) {
    for (const StandIn& s : kStandIns) {
        if (c.unicode() == s.character) {
            return QChar(s.standIn);
        }
    }
    return c;
}

QString wholeCharacters(const QString& text) {
    QString out = text;
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (isPairAt(out, i)) {
            ++i;
        } else if (out[i].isSurrogate()) {
            out[i] = QChar::ReplacementCharacter;
        }
    }
    return out;
}

QString toDocument(const QString& text) {
    const QString whole = wholeCharacters(text);
    QString out;
    out.reserve(whole.size());
    for (qsizetype i = 0; i < whole.size(); ++i) {
        const QChar c = whole[i];
        if (c == u'\r') {
            out += u'\n';
            if (i + 1 < whole.size() && whole[i + 1] == u'\n') {
                ++i;
            }
        } else {
            out += standInFor(c);
        }
    }
    return out;
}

QString fromDocument(const QString& raw, BlockBreaks breaks) {
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (isPairAt(raw, i)) {
            out += c;
            out += raw[++i];
        } else if (c.isSurrogate()) {
            out += characterFor(c);
        } else if (c == QChar::ParagraphSeparator && breaks == BlockBreaks::AsCrLf) {
            out += QStringLiteral("\r\n");
        } else {
            out += c;
        }
    }
    return out;
}

bool cutInsertion(QString& text, int& cursor, int maxCharacters) {
    const QString proposed = text;
    cutAtLineBreak(text, cursor);
    if (maxCharacters > 0) {
        cutToLength(text, cursor, maxCharacters);
    }
    return text != proposed;
}

bool qtDropsText(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isPairAt(text, i)) {
            const char32_t codePoint = QChar::surrogateToUcs4(text[i], text[i + 1]);
            if (QChar::category(codePoint) == QChar::Other_NotAssigned) {
                return true;
            }
            ++i;
        } else if (text[i].isSurrogate() || text[i].category() == QChar::Other_NotAssigned) {
            return true;
        }
    }
    return false;
}

}  // namespace forms::qt
