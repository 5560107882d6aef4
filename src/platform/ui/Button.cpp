#include "platform/ui/Button.h"

#include "platform/ui/ScrollView.h"
#include "platform/ui/TextPaint.h"
#include "platform/ui/ViewPrivate.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <map>

namespace platform::ui {

struct Button::Data : View::Impl {
    ButtonType type{ButtonType::Custom};
    std::map<ControlState, std::string> titles;
    std::map<ControlState, Color> titleColors;
    std::map<ControlState, Image> images;
    std::map<ControlState, Image> backgrounds;
    std::shared_ptr<Label> titleLabel;
    bool enabled{true};
    bool selected{false};
    bool highlighted{false};
    Action action;
    ViewWidget* makeWidget() override;

    template <typename T>
    T pick(const std::map<ControlState, T>& values, ControlState state, T fallback) const {
        if (auto it = values.find(state); it != values.end())
            return it->second;
        if (auto it = values.find(ControlState::Normal); it != values.end())
            return it->second;
        return fallback;
    }
    ControlState state() const {
        if (!enabled)
            return ControlState::Disabled;
        if (highlighted)
            return ControlState::Highlighted;
        if (selected)
            return ControlState::Selected;
        return ControlState::Normal;
    }
};

namespace {

class ButtonWidget : public ViewWidget {
public:
    using ViewWidget::ViewWidget;

protected:
    Button::Data* data() const { return static_cast<Button::Data*>(m_impl); }

    void paintContent(QPainter& painter) override {
        auto* d = data();
        if (!d)
            return;
        const auto state = d->state();
        const QRectF area(0, 0, width(), height());
        if (d->type == ButtonType::RoundedRect) {
            QPainterPath path;
            path.addRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
            painter.fillPath(path, d->highlighted ? QColor(50, 100, 220) : QColor(Qt::white));
            painter.setPen(QColor(160, 160, 170));
            painter.drawPath(path);
        }
        Image background = d->pick(d->backgrounds, state, Image{});
        if (background)
            painter.drawImage(area, background.data()->image);
        Image image = d->pick(d->images, state, Image{});
        const std::string title = d->pick(d->titles, state, std::string{});
        QRectF titleRect = area;
        if (image) {
            auto size = image.size();
            double w = std::min(size.width, area.width());
            double h = std::min(size.height, area.height());
            double x = (area.width() - w) / 2;
            if (!title.empty()) {
                TextStyle probe;
                probe.text = title;
                probe.font = d->titleLabel->font();
                double tw = std::min(measureText(probe, area.width()).width, area.width() - w);
                x = (area.width() - w - tw) / 2;
                titleRect = QRectF(x + w, 0, tw, area.height());
            }
            painter.drawImage(QRectF(x, (area.height() - h) / 2, w, h), image.data()->image);
            if (title.empty())
                return;
        }
        if (title.empty())
            return;
        TextStyle style;
        style.text = title;
        style.font = d->titleLabel->font();
        style.alignment = d->titleLabel->textAlignment();
        const Color fallback = d->type == ButtonType::RoundedRect ? Color::systemBlue() : Color::white();
        style.color = d->pick(d->titleColors, state, fallback);
        if (state == ControlState::Disabled && !d->titleColors.count(ControlState::Disabled))
            style.color.alpha *= 0.5;
        style.shadowColor = d->titleLabel->shadowColor();
        style.shadowOffset = d->titleLabel->shadowOffset();
        style.shrinkToFit = d->titleLabel->adjustsFontSizeToFitWidth();
        style.lines = d->titleLabel->numberOfLines();
        paintText(painter, titleRect, style);
    }

    void mousePressEvent(QMouseEvent* event) override {
        auto* d = data();
        if (!d || !d->enabled) {
            event->ignore();
            return;
        }
        d->highlighted = true;
        m_pressAt = event->globalPosition();
        m_scrolling.reset();
        update();
        event->accept();
    }

    // A finger that moves on a button inside a scrolling view drags the view
    // instead of pressing the button.
    void mouseMoveEvent(QMouseEvent* event) override {
        auto* d = data();
        if (!d)
            return;
        const QPointF delta = event->globalPosition() - m_pressAt;
        if (auto scroll = m_scrolling.lock()) {
            scroll->dragTo(delta.x(), delta.y());
            return;
        }
        if (!d->highlighted || std::hypot(delta.x(), delta.y()) < 6)
            return;
        for (auto* v = d->superview; v; v = v->impl()->superview) {
            auto* scroll = dynamic_cast<ScrollView*>(v);
            if (!scroll || !scroll->isScrollEnabled())
                continue;
            d->highlighted = false;
            update();
            auto held = std::static_pointer_cast<ScrollView>(retainView(scroll));
            m_scrolling = held;
            held->beginDragging();
            held->dragTo(delta.x(), delta.y());
            return;
        }
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        auto* d = data();
        if (!d)
            return;
        if (auto scroll = m_scrolling.lock()) {
            m_scrolling.reset();
            scroll->endDragging();
            return;
        }
        const bool inside = rect().contains(event->position().toPoint());
        const bool pressed = d->highlighted;
        d->highlighted = false;
        update();
        if (inside && pressed)
            static_cast<Button*>(d->owner)->sendAction();
    }

private:
    QPointF m_pressAt;
    std::weak_ptr<ScrollView> m_scrolling;
};

} // namespace

ViewWidget* Button::Data::makeWidget() {
    return new ButtonWidget(this);
}

std::shared_ptr<Button> Button::create(Rect frame, ButtonType type) {
    return std::make_shared<Button>(frame, type);
}

Button::Button(Rect frame, ButtonType type) : View(std::make_unique<Data>(), frame) {
    d()->type = type;
    d()->titleLabel = Label::create();
    d()->titleLabel->setFont(type == ButtonType::RoundedRect ? Font::boldSystemFont(15)
                                                             : Font::systemFont(15));
    d()->titleLabel->setTextAlignment(TextAlignment::Center);
}

Button::~Button() = default;

Button::Data* Button::d() const {
    return static_cast<Data*>(impl());
}

ButtonType Button::buttonType() const {
    return d()->type;
}

void Button::setTitle(const std::string& title, ControlState state) {
    d()->titles[state] = title;
    d()->titleLabel->setText(currentTitle());
    d()->update();
}

std::string Button::titleForState(ControlState state) const {
    auto it = d()->titles.find(state);
    return it == d()->titles.end() ? std::string{} : it->second;
}

std::string Button::currentTitle() const {
    return d()->pick(d()->titles, d()->state(), std::string{});
}

void Button::setTitleColor(Color color, ControlState state) {
    d()->titleColors[state] = color;
    d()->update();
}

Color Button::titleColorForState(ControlState state) const {
    const Color fallback = d()->type == ButtonType::RoundedRect ? Color::systemBlue() : Color::white();
    return d()->pick(d()->titleColors, state, fallback);
}

void Button::setImage(Image image, ControlState state) {
    d()->images[state] = std::move(image);
    d()->update();
}

void Button::setBackgroundImageForState(Image image, ControlState state) {
    d()->backgrounds[state] = std::move(image);
    d()->update();
}

Image Button::imageForState(ControlState state) const {
    return d()->pick(d()->images, state, Image{});
}

Image Button::backgroundImageForState(ControlState state) const {
    return d()->pick(d()->backgrounds, state, Image{});
}

std::shared_ptr<Label> Button::titleLabel() const {
    return d()->titleLabel;
}

bool Button::isEnabled() const {
    return d()->enabled;
}

void Button::setEnabled(bool enabled) {
    d()->enabled = enabled;
    d()->update();
}

bool Button::isSelected() const {
    return d()->selected;
}

void Button::setSelected(bool selected) {
    d()->selected = selected;
    d()->update();
}

bool Button::isHighlighted() const {
    return d()->highlighted;
}

ControlState Button::state() const {
    return d()->state();
}

void Button::setAction(Action action) {
    d()->action = std::move(action);
}

void Button::setAction(std::function<void()> action) {
    if (!action) {
        d()->action = nullptr;
        return;
    }
    d()->action = [action = std::move(action)](Button&) { action(); };
}

bool Button::sendAction() {
    if (!d()->enabled)
        return false;
    auto keep = retainView(this);
    if (auto action = d()->action)
        action(*this);
    return true;
}

} // namespace platform::ui
