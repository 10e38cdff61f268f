#include "draw/rounded_shapes.h"

#include "draw/color_convert.h"
#include "draw/graphics_object.h"
#include "draw/path_object.h"
#include "draw/pen_object.h"

#include <algorithm>

namespace lumbra {

bool AddRoundedRectangle(PathObject& path, float x, float y, float width, float height, int corner) {
    const auto r = static_cast<float>(std::clamp(corner, 1, 100));
    const float right = x + width, bottom = y + height;
    path.AddArc(right - r, y, r, r, 270, 90);
    path.AddArc(right - r - 1, bottom - r - 1, r + 1, r + 1, 0, 90);
    path.AddArc(x, bottom - r, r, r, 90, 90);
    path.AddArc(x, y, r, r, 180, 90);
    return path.CloseFigure();
}

bool AddTopRoundedRectangle(PathObject& path, float x, float y, float width, float height, int corner) {
    const auto r = static_cast<float>(corner);
    path.AddLine(x, y + height, x, y + r);
    path.AddArc(x, y, r, r, 180, 90);
    path.AddLine(x + r, y, x + width - r, y);
    path.AddArc(x + width - r, y, r, r, 270, 90);
    return path.AddLine(x + width, y + r, x + width, y + height);
}

bool DrawGlowOutline(GraphicsObject& graphics, const PathObject& path, int passes, std::uint32_t color,
                     std::uint8_t alpha) {
    PenObject pen;
    if (!pen.Create(ColorRefToArgb(color, alpha), 1)) return false;
    bool drawn = true;
    for (int i = 1; i <= passes; ++i) {
        pen.SetWidth(static_cast<float>(i));
        drawn = graphics.DrawPath(pen, path) && drawn;
    }
    return drawn;
}

}  // namespace lumbra
