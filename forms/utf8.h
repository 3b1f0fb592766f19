// UTF-8 is the text encoding of the whole program core; these convert to and from code points.
#pragma once

#include <string>

namespace forms {

// Invalid sequences decode to U+FFFD, one per offending byte.
std::u32string utf8ToCodePoints(const std::string& utf8);
std::string codePointsToUtf8(const std::u32string& codePoints);

}  // namespace forms
