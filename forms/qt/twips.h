// The layouts' unit on the screen.
#pragma once

#include <cmath>

namespace forms::qt {

// Twips to device-independent pixels (15 twips = 1 px at 96 DPI); Qt scales for high DPI.
inline int px(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

}  // namespace forms::qt
