#pragma once
// Shared pieces of the pictures that carry text or combine drawings.
#include <string>

#include "tools/datagen/DataGroup.h"
#include "tools/datagen/art/Canvas.h"
#include "tools/datagen/art/TextPainter.h"

// The game's lettering: DejaVu Sans Bold.
const char kArtFont[] = "DejaVuSans-Bold.ttf";

// Draws the drawing `source` into the canvas as a pencil sketch: its dark
// lines in graphite, its fills as a faint shading. The canvas must already
// be opaque (the paper). The rectangle is in the canvas's current units;
// `mirror` flips the drawing left to right.
bool DrawSketch(Canvas* paper, const std::string& source, int x, int y, int w, int h,
                bool mirror, double rotateDegrees);

// Draws `source` into the rectangle, mirrored left to right if asked.
bool DrawSvgMirrored(Canvas* canvas, const std::string& source, double x, double y, double w,
                     double h, bool mirror);
