// Internal to the toolkit: how labels, button titles and cells draw text.
#pragma once

#include "platform/ui/Geometry.h"

#include <QRectF>

#include <string>

class QPainter;

namespace platform::ui {

struct TextStyle {
    std::string text;
    Font font{Font::systemFont(17)};
    Color color{Color::black()};
    Color shadowColor{Color::clear()};
    Size shadowOffset{0, -1};
    TextAlignment alignment{TextAlignment::Left};
    int lines{1};
    bool shrinkToFit{false};
    double minimumFontSize{8};
};

// The font size after shrinking a one-line text to the width.
double fittedFontSize(const TextStyle& style, double width);
Size measureText(const TextStyle& style, double width);
// Draws the text vertically centred in the rectangle.
void paintText(QPainter& painter, const QRectF& rect, const TextStyle& style);

} // namespace platform::ui
