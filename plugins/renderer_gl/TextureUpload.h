#pragma once
// The GPU copy of a picture. Filtering mixes a transparent pixel's colour
// into its visible neighbours, so the key colour (bright green or magenta)
// would fringe every sprite: transparent pixels take the colour of their
// visible neighbours instead. The CPU copy stays exactly as given.
#include <vector>

// True and `out` filled (RGBA) when some pixel is fully transparent; false
// when the picture can go to the GPU as it is.
bool BleedTransparentColours(const unsigned char* rgba, int width, int height,
                             std::vector<unsigned char>* out);
