#include "platform/ui/ActivityIndicatorView.h"

#include "platform/RunLoop.h"
#include "platform/ui/ViewPrivate.h"

#include <QPainter>

#include <cmath>

namespace platform::ui {

struct ActivityIndicatorView::Data : View::Impl {
    ActivityIndicatorStyle style{ActivityIndicatorStyle::White};
    bool animating{false};
    bool hidesWhenStopped{true};
    // Spins on the real clock only; under the test clock the wheel stands
    // still so that screenshots are the same every time.
    std::unique_ptr<Timer> spin;
    ViewWidget* makeWidget() override;
};

namespace {

class SpinnerWidget : public ViewWidget {
public:
    using ViewWidget::ViewWidget;

protected:
    void paintContent(QPainter& painter) override {
        auto* d = static_cast<ActivityIndicatorView::Data*>(m_impl);
        if (!d)
            return;
        const double size = std::min(width(), height());
        const QColor base = d->style == ActivityIndicatorStyle::Gray ? QColor(90, 90, 90) : QColor(Qt::white);
        const int step = Clock::isManual() ? 0 : static_cast<int>(std::fmod(Clock::now() * 12, 12));
        painter.translate(width() / 2.0, height() / 2.0);
        QPen pen;
        pen.setCapStyle(Qt::RoundCap);
        pen.setWidthF(std::max(1.5, size / 9));
        for (int i = 0; i < 12; ++i) {
            QColor c = base;
            c.setAlphaF(0.25f + 0.75f * static_cast<float>((i + 12 - step) % 12) / 11.0f);
            pen.setColor(c);
            painter.setPen(pen);
            painter.drawLine(QPointF(0, -size * 0.25), QPointF(0, -size * 0.45));
            painter.rotate(30);
        }
    }
};

} // namespace

ViewWidget* ActivityIndicatorView::Data::makeWidget() {
    return new SpinnerWidget(this);
}

std::shared_ptr<ActivityIndicatorView> ActivityIndicatorView::create(ActivityIndicatorStyle style) {
    return std::make_shared<ActivityIndicatorView>(style);
}

ActivityIndicatorView::ActivityIndicatorView(ActivityIndicatorStyle style)
    : View(std::make_unique<Data>(),
           style == ActivityIndicatorStyle::WhiteLarge ? Rect{0, 0, 37, 37} : Rect{0, 0, 20, 20}) {
    d()->style = style;
    setUserInteractionEnabled(false);
    setHidden(true);
}

ActivityIndicatorView::~ActivityIndicatorView() = default;

ActivityIndicatorView::Data* ActivityIndicatorView::d() const {
    return static_cast<Data*>(impl());
}

void ActivityIndicatorView::startAnimating() {
    d()->animating = true;
    setHidden(false);
    if (!Clock::isManual() && !d()->spin) {
        auto* data = d();
        d()->spin = Timer::schedule(1.0 / 12, Repeats::Yes, [data] { data->update(); });
    }
}

void ActivityIndicatorView::stopAnimating() {
    d()->animating = false;
    d()->spin.reset();
    if (d()->hidesWhenStopped)
        setHidden(true);
}

bool ActivityIndicatorView::isAnimating() const {
    return d()->animating;
}

void ActivityIndicatorView::setHidesWhenStopped(bool hides) {
    d()->hidesWhenStopped = hides;
    if (!d()->animating)
        setHidden(hides);
}

void ActivityIndicatorView::setStyle(ActivityIndicatorStyle style) {
    d()->style = style;
    d()->update();
}

} // namespace platform::ui
