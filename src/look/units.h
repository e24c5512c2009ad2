#pragma once

namespace kordavel {

// Design positions and sizes are in twips: 1440 per inch, 15 per pixel at 96
// dots per inch. The toolkit scales pixels on high-DPI screens by itself.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int twipsToPixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

} // namespace kordavel
