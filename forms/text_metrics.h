// The text the layouts were drawn for. Every caption, list row and box was sized for an
// 8-point sans serif at 96 DPI; a backend picks its font so that its text takes no more room.
#pragma once

namespace forms {

struct TextMetrics {
    // The nominal size: 8 points.
    int sizeTwips = 160;
    // One line of text: a one-line label is this high, and list rows follow the same pitch.
    int lineHeightTwips = 195;
    // How wide the 52 letters "A".."Z" then "a".."z" are when set side by side: the average
    // width of a character, which decides where captions wrap and whether they fit. This is
    // their width in an Arial-metric face at 8 points (334 px at 96 DPI).
    int letterSpanTwips = 5010;
};

inline constexpr TextMetrics kLayoutText{};

// The letters that letterSpanTwips measures.
inline constexpr char kLetterSpanSample[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

}  // namespace forms
