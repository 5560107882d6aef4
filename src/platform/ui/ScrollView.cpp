#include "platform/ui/ScrollView.h"

#include "platform/ui/ScrollViewPrivate.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace platform::ui {

ViewWidget* ScrollView::Data::makeWidget() {
    return new ScrollWidget(this);
}

ScrollView* ScrollWidget::scrollView() const {
    return m_impl ? static_cast<ScrollView*>(m_impl->owner) : nullptr;
}

void ScrollWidget::paintContent(QPainter& painter) {
    auto* d = static_cast<ScrollView::Data*>(m_impl);
    if (!d || !d->indicators || !(d->dragging || d->decelerating))
        return;
    // A thin bar shows where the visible part lies while the content moves.
    const double h = height();
    if (d->contentSize.height > h && h > 0) {
        const double barH = std::max(12.0, h * h / d->contentSize.height);
        const double y = (h - barH) * std::clamp(d->boundsOrigin.y / (d->contentSize.height - h), 0.0, 1.0);
        painter.fillRect(QRectF(width() - 4, y, 3, barH), QColor(0, 0, 0, 110));
    }
}

void ScrollWidget::mousePressEvent(QMouseEvent* event) {
    auto* view = scrollView();
    if (!view) {
        event->ignore();
        return;
    }
    m_pressed = true;
    m_moved = false;
    m_pressAt = event->position();
    event->accept();
}

void ScrollWidget::mouseMoveEvent(QMouseEvent* event) {
    auto* view = scrollView();
    if (!view || !m_pressed)
        return;
    const QPointF delta = event->position() - m_pressAt;
    if (!m_moved && std::hypot(delta.x(), delta.y()) < 4)
        return;
    if (!m_moved) {
        m_moved = true;
        view->beginDragging();
    }
    view->dragTo(delta.x(), delta.y());
}

void ScrollWidget::mouseReleaseEvent(QMouseEvent* event) {
    auto* view = scrollView();
    if (!view || !m_pressed)
        return;
    m_pressed = false;
    auto keep = retainView(view);
    if (m_moved) {
        view->endDragging();
        return;
    }
    const QPointF p = event->position();
    const Point at{p.x() + m_impl->boundsOrigin.x, p.y() + m_impl->boundsOrigin.y};
    if (!m_impl->tapHandlers.empty())
        view->performTap(at, 1);
    tapAt(at);
}

void ScrollWidget::wheelEvent(QWheelEvent* event) {
    auto* view = scrollView();
    if (!view || !view->isScrollEnabled()) {
        event->ignore();
        return;
    }
    const QPoint delta = event->angleDelta();
    auto offset = view->contentOffset();
    auto* d = static_cast<ScrollView::Data*>(m_impl);
    const bool horizontal = d->contentSize.width > width() && d->contentSize.height <= height();
    const double step = (horizontal && delta.x() == 0 ? delta.y() : 0) + delta.x();
    if (horizontal)
        offset.x -= step / 2.0;
    else
        offset.y -= delta.y() / 2.0;
    view->setContentOffset(offset, false);
    event->accept();
}

std::shared_ptr<ScrollView> ScrollView::create(Rect frame) {
    return std::make_shared<ScrollView>(frame);
}

ScrollView::ScrollView(Rect frame) : ScrollView(std::make_unique<Data>(), frame) {}

ScrollView::ScrollView(std::unique_ptr<View::Impl> impl, Rect frame) : View(std::move(impl), frame) {
    setClipsToBounds(true);
}

ScrollView::~ScrollView() = default;

ScrollView::Data* ScrollView::d() const {
    return static_cast<Data*>(impl());
}

void ScrollView::setFrame(Rect frame) {
    View::setFrame(frame);
}

Size ScrollView::contentSize() const {
    return d()->contentSize;
}

void ScrollView::setContentSize(Size size) {
    d()->contentSize = size;
}

Point ScrollView::contentOffset() const {
    return d()->boundsOrigin;
}

Point ScrollView::clamped(Point offset) const {
    const double maxX = std::max(0.0, d()->contentSize.width - frame().width);
    const double maxY = std::max(0.0, d()->contentSize.height - frame().height);
    return {std::clamp(offset.x, 0.0, maxX), std::clamp(offset.y, 0.0, maxY)};
}

void ScrollView::applyOffset(Point offset) {
    if (offset == d()->boundsOrigin)
        return;
    d()->boundsOrigin = offset;
    d()->relayoutChildren();
    d()->update();
    if (d()->delegate) {
        auto keep = retainView(this);
        d()->delegate->scrollViewDidScroll(*this);
    }
}

void ScrollView::setContentOffset(Point offset, bool animated) {
    d()->animation.reset();
    if (!animated) {
        applyOffset(offset);
        return;
    }
    animateOffset(offset, 0.3, false);
}

void ScrollView::animateOffset(Point target, double duration, bool decelerating) {
    auto* data = d();
    data->animFrom = data->boundsOrigin;
    data->animTo = target;
    data->animStart = Clock::now();
    data->animDuration = duration;
    data->animDecelerating = decelerating;
    data->decelerating = decelerating;
    std::weak_ptr<View> weak = weak_from_this();
    data->animation = Timer::schedule(1.0 / 60.0, Repeats::Yes, [this, weak] {
        auto keep = weak.lock();
        if (!keep)
            return;
        auto* data = d();
        const double t = data->animDuration <= 0
                             ? 1
                             : std::min(1.0, (Clock::now() - data->animStart) / data->animDuration);
        const double e = 1 - (1 - t) * (1 - t);
        applyOffset({data->animFrom.x + (data->animTo.x - data->animFrom.x) * e,
                     data->animFrom.y + (data->animTo.y - data->animFrom.y) * e});
        if (t < 1)
            return;
        const bool wasDecelerating = data->animDecelerating;
        data->decelerating = false;
        data->update();
        // Dropping the timer inside its own callback is allowed.
        data->animation.reset();
        if (!data->delegate)
            return;
        if (wasDecelerating)
            data->delegate->scrollViewDidEndDecelerating(*this);
        else
            data->delegate->scrollViewDidEndScrollingAnimation(*this);
    });
}

void ScrollView::scrollRectToVisible(Rect rect, bool animated) {
    const auto f = frame();
    Point offset = contentOffset();
    if (rect.x < offset.x)
        offset.x = rect.x;
    else if (rect.maxX() > offset.x + f.width)
        offset.x = std::min(rect.x, rect.maxX() - f.width);
    if (rect.y < offset.y)
        offset.y = rect.y;
    else if (rect.maxY() > offset.y + f.height)
        offset.y = std::min(rect.y, rect.maxY() - f.height);
    offset = clamped(offset);
    if (offset == contentOffset())
        return;
    setContentOffset(offset, animated);
}

bool ScrollView::bounces() const {
    return d()->bounces;
}

void ScrollView::setBounces(bool bounces) {
    d()->bounces = bounces;
}

bool ScrollView::isPagingEnabled() const {
    return d()->paging;
}

void ScrollView::setPagingEnabled(bool paging) {
    d()->paging = paging;
}

bool ScrollView::isScrollEnabled() const {
    return d()->scrollEnabled;
}

void ScrollView::setScrollEnabled(bool enabled) {
    d()->scrollEnabled = enabled;
}

void ScrollView::setShowsScrollIndicators(bool shows) {
    d()->indicators = shows;
}

void ScrollView::setDelegate(ScrollViewDelegate* delegate) {
    d()->delegate = delegate;
}

ScrollViewDelegate* ScrollView::delegate() const {
    return d()->delegate;
}

bool ScrollView::isDragging() const {
    return d()->dragging;
}

bool ScrollView::isDecelerating() const {
    return d()->decelerating;
}

void ScrollView::beginDragging() {
    if (!d()->scrollEnabled)
        return;
    d()->animation.reset();
    d()->decelerating = false;
    d()->dragging = true;
    d()->dragStart = d()->boundsOrigin;
    if (d()->delegate) {
        auto keep = retainView(this);
        d()->delegate->scrollViewWillBeginDragging(*this);
    }
}

void ScrollView::dragTo(double dx, double dy) {
    if (!d()->dragging)
        return;
    const auto f = frame();
    // Content narrower or lower than the view does not move along that axis.
    const bool alongX = d()->contentSize.width > f.width;
    const bool alongY = d()->contentSize.height > f.height || !alongX;
    Point offset{d()->dragStart.x - (alongX ? dx : 0), d()->dragStart.y - (alongY ? dy : 0)};
    if (!d()->bounces)
        offset = clamped(offset);
    applyOffset(offset);
}

void ScrollView::endDragging() {
    if (!d()->dragging)
        return;
    auto keep = retainView(this);
    d()->dragging = false;
    Point target = clamped(d()->boundsOrigin);
    if (d()->paging) {
        const auto f = frame();
        if (f.width > 0)
            target.x = std::round(target.x / f.width) * f.width;
        if (f.height > 0 && d()->contentSize.height > f.height)
            target.y = std::round(target.y / f.height) * f.height;
        target = clamped(target);
    }
    const bool decelerate = !(target == d()->boundsOrigin);
    if (d()->delegate)
        d()->delegate->scrollViewDidEndDraggingWillDecelerate(*this, decelerate);
    if (decelerate)
        animateOffset(target, 0.3, true);
    d()->update();
}

} // namespace platform::ui
