#pragma once
// The shapes that frames, buttons and tabs are built from, and their glowing outline.
#include <cstdint>

namespace lumbra {

class GraphicsObject;
class PathObject;

// A closed rounded rectangle whose corner boxes are corner × corner (corner clamped into
// 1..100, so the radius is corner / 2); the bottom-right box is one unit larger and one unit
// further up and left. The result is that of closing the figure.
bool AddRoundedRectangle(PathObject& path, float x, float y, float width, float height, int corner);
// An open figure with rounded top corners only, from the bottom-left up, across and down to
// the bottom-right; filling closes it.
bool AddTopRoundedRectangle(PathObject& path, float x, float y, float width, float height, int corner);
// Strokes path passes times with one pen of color (skin form) and alpha, widths 1 … passes.
bool DrawGlowOutline(GraphicsObject& graphics, const PathObject& path, int passes, std::uint32_t color,
                     std::uint8_t alpha);

}  // namespace lumbra
