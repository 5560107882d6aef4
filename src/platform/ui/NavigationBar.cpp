#include "platform/ui/NavigationBar.h"

#include "platform/ui/TextPaint.h"

#include <algorithm>

namespace platform::ui {

namespace {

std::shared_ptr<Button> barButton(const std::string& title, std::function<void()> action) {
    auto button = Button::create();
    button->setTitle(title);
    button->titleLabel()->setFont(Font::boldSystemFont(13));
    button->setTitleColor(Color::white());
    button->setBackgroundColor(Color::rgb(72, 100, 140));
    button->setBorder(1, Color::rgb(40, 58, 86));
    button->setCornerRadius(5);
    button->setAction(std::move(action));
    return button;
}

double buttonWidth(const Button& button) {
    return std::clamp(button.titleLabel()->sizeThatFits(1000).width + 20, 50.0, 100.0);
}

} // namespace

std::shared_ptr<NavigationBar> NavigationBar::create(Rect frame) {
    return std::make_shared<NavigationBar>(frame);
}

NavigationBar::NavigationBar(Rect frame) : View(frame) {
    setBackgroundColor(Color::rgb(95, 125, 165));
    setBorder(0.5, Color::rgb(45, 62, 90));
    m_title = Label::create();
    m_title->setFont(Font::boldSystemFont(19));
    m_title->setTextColor(Color::white());
    m_title->setShadow(Color{0, 0, 0, 0.5}, {0, -1});
    m_title->setTextAlignment(TextAlignment::Center);
    m_title->setAdjustsFontSizeToFitWidth(true, 12);
    addSubview(m_title);
    layoutSubviews();
}

NavigationBar::~NavigationBar() = default;

std::string NavigationBar::title() const {
    return m_title->text();
}

void NavigationBar::setTitle(const std::string& title) {
    m_title->setText(title);
}

std::shared_ptr<Button> NavigationBar::setLeftButton(const std::string& title, std::function<void()> action) {
    removeLeftButton();
    m_left = barButton(title, std::move(action));
    addSubview(m_left);
    layoutSubviews();
    return m_left;
}

std::shared_ptr<Button> NavigationBar::setRightButton(const std::string& title,
                                                      std::function<void()> action) {
    removeRightButton();
    m_right = barButton(title, std::move(action));
    addSubview(m_right);
    layoutSubviews();
    return m_right;
}

std::shared_ptr<Button> NavigationBar::leftButton() const {
    return m_left;
}

std::shared_ptr<Button> NavigationBar::rightButton() const {
    return m_right;
}

void NavigationBar::removeLeftButton() {
    if (m_left)
        m_left->removeFromSuperview();
    m_left.reset();
    layoutSubviews();
}

void NavigationBar::removeRightButton() {
    if (m_right)
        m_right->removeFromSuperview();
    m_right.reset();
    layoutSubviews();
}

void NavigationBar::layoutSubviews() {
    if (!m_title)
        return;
    const auto f = frame();
    double inset = 8;
    if (m_left) {
        const double w = buttonWidth(*m_left);
        m_left->setFrame({6, (f.height - 30) / 2, w, 30});
        inset = std::max(inset, w + 12);
    }
    if (m_right) {
        const double w = buttonWidth(*m_right);
        m_right->setFrame({f.width - w - 6, (f.height - 30) / 2, w, 30});
        inset = std::max(inset, w + 12);
    }
    m_title->setFrame({inset, 0, std::max(0.0, f.width - 2 * inset), f.height});
}

} // namespace platform::ui
