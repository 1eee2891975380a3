#pragma once
// The cascade drawn on a picture: user scale x -110..1360 and y 1040 down to -140 around the
// 1280 x 960 plot, the axes and dotted grid, the titles and labels, the engine speed lines
// (light blue), the force curves and the correction factor (green), the shift points (grey) and
// the resistance curves (light red).

#include "platform/canvas.h"
#include "power/power_graph_drawing.h"
#include "results/cascade_scene.h"

namespace kestrelon {

void DrawCascade(Canvas& pic, const CascadeScene& scene);

// Font of the four read-out labels under the picture, from the picture's width.
FontChoice CascadeReadoutFont(int picturePixelWidth);

}  // namespace kestrelon
