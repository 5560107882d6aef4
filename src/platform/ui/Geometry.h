// Points, sizes, rectangles, colours and fonts of the phone toolkit. One point
// is one pixel of the 320 x 480 window at scale 1.
//
//   auto frame = ui::Rect { 10, 20, 100, 20 };
//   label->setTextColor(ui::Color::rgb(255, 0, 0));
#pragma once

#include <string>

namespace platform::ui {

struct Point {
    double x{0};
    double y{0};
    bool operator==(const Point&) const = default;
};

struct Size {
    double width{0};
    double height{0};
    bool operator==(const Size&) const = default;
};

struct Rect {
    double x{0};
    double y{0};
    double width{0};
    double height{0};

    Point origin() const { return {x, y}; }
    Size size() const { return {width, height}; }
    double maxX() const { return x + width; }
    double maxY() const { return y + height; }
    bool contains(Point p) const { return p.x >= x && p.y >= y && p.x < x + width && p.y < y + height; }
    bool operator==(const Rect&) const = default;
};

struct Color {
    double r{0};
    double g{0};
    double b{0};
    double alpha{0};

    static constexpr Color rgb(int r, int g, int b, double a = 1.0) {
        return {r / 255.0, g / 255.0, b / 255.0, a};
    }
    static constexpr Color clear() { return {0, 0, 0, 0}; }
    static constexpr Color black() { return {0, 0, 0, 1}; }
    static constexpr Color white() { return {1, 1, 1, 1}; }
    static constexpr Color red() { return {1, 0, 0, 1}; }
    static constexpr Color green() { return {0, 1, 0, 1}; }
    static constexpr Color blue() { return {0, 0, 1, 1}; }
    static constexpr Color gray() { return {0.5, 0.5, 0.5, 1}; }
    static constexpr Color darkGray() { return {1 / 3.0, 1 / 3.0, 1 / 3.0, 1}; }
    static constexpr Color lightGray() { return {2 / 3.0, 2 / 3.0, 2 / 3.0, 1}; }
    static constexpr Color orange() { return {1, 0.5, 0, 1}; }
    static constexpr Color brown() { return {0.6, 0.4, 0.2, 1}; }
    static constexpr Color yellow() { return {1, 1, 0, 1}; }
    static constexpr Color darkText() { return black(); }
    // The blue of links and of rounded buttons' titles.
    static constexpr Color systemBlue() { return rgb(50, 79, 133); }

    bool isClear() const { return alpha <= 0; }
    bool operator==(const Color&) const = default;
};

// A font by family and size in points. Every family renders with the
// application's pinned font so that screenshots are the same on every machine;
// the family name is kept for reading back.
struct Font {
    std::string family;
    double size{17};
    bool bold{false};

    static Font systemFont(double size) { return {"", size, false}; }
    static Font boldSystemFont(double size) { return {"", size, true}; }
    static Font named(std::string family, double size) { return {std::move(family), size, false}; }
    bool operator==(const Font&) const = default;
};

enum class TextAlignment { Left, Center, Right };

enum class AnimationCurve { EaseInOut, EaseIn, EaseOut, Linear };

} // namespace platform::ui
