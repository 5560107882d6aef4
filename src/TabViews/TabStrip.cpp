#include "TabViews/TabStrip.h"

using namespace platform::ui;

namespace TabStrip {

std::shared_ptr<ScrollView> makeStrip(Rect frame, Size contentSize) {
    auto strip = ScrollView::create(frame);
    strip->setBounces(false);
    strip->setBackgroundColor(Color::clear());
    strip->setShowsScrollIndicators(false);
    strip->setContentSize(contentSize);
    return strip;
}

void setSelected(Button& button, bool selected) {
    button.setTitleColor(selected ? Color::red() : Color::black());
    button.setBackgroundImageForState(Image::named(selected ? "title_click.png" : "title_normal.png"));
}

std::shared_ptr<Button> addTabButton(ScrollView& strip, double x, const std::string& title, bool selected) {
    auto button = Button::create(Rect{x, 0, 96, 38});
    button->setTitle(title);
    button->titleLabel()->setFont(Font::systemFont(16));
    setSelected(*button, selected);
    strip.addSubview(button);
    return button;
}

} // namespace TabStrip
