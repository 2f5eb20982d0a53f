// Window layout rules are given in twips: 1440 to the inch, 15 to a pixel at 96 dots per inch.
#pragma once

namespace tova {

inline constexpr int kTwipsPerPixel = 15;

inline constexpr int twipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

} // namespace tova
