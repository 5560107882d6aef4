#include "platform/ui/ViewPrivate.h"

#include "platform/Application.h"
#include "platform/Log.h"
#include "platform/RunLoop.h"

#include <QCoreApplication>
#include <QGraphicsOpacityEffect>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace platform::ui {

QColor toQColor(Color color) {
    return QColor::fromRgbF(static_cast<float>(color.r), static_cast<float>(color.g),
                            static_cast<float>(color.b), static_cast<float>(color.alpha));
}

QFont toQFont(const Font& font) {
    QFont f(Application::kFontFamily);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size))));
    const bool boldName =
        font.family.find("Bold") != std::string::npos || font.family.find("bold") != std::string::npos;
    f.setBold(font.bold || boldName);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QString toQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string fromQString(const QString& text) {
    return text.toStdString();
}

QRectF toQRect(Rect rect) {
    return QRectF(rect.x, rect.y, rect.width, rect.height);
}

// --- widget -------------------------------------------------------------------

ViewWidget::ViewWidget(View::Impl* impl) : m_impl(impl) {
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
}

ViewWidget::~ViewWidget() = default;

void ViewWidget::paintEvent(QPaintEvent*) {
    if (!m_impl)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF area(0, 0, width(), height());
    QPainterPath clip;
    if (m_impl->cornerRadius > 0) {
        clip.addRoundedRect(area, m_impl->cornerRadius, m_impl->cornerRadius);
        painter.setClipPath(clip);
    }
    if (!m_impl->backgroundColor.isClear())
        painter.fillRect(area, toQColor(m_impl->backgroundColor));
    if (auto* data = m_impl->backgroundImage.data(); data && !data->image.isNull()) {
        if (m_impl->backgroundFill == ImageFill::Tile)
            painter.fillRect(area, QBrush(data->image));
        else
            painter.drawImage(area, data->image);
    }
    paintContent(painter);
    if (m_impl->borderWidth > 0) {
        painter.setClipping(false);
        QPen pen(toQColor(m_impl->borderColor));
        pen.setWidthF(m_impl->borderWidth);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const double inset = m_impl->borderWidth / 2;
        painter.drawRoundedRect(area.adjusted(inset, inset, -inset, -inset), m_impl->cornerRadius,
                                m_impl->cornerRadius);
    }
}

void ViewWidget::paintContent(QPainter&) {}

void ViewWidget::mousePressEvent(QMouseEvent* event) {
    if (!m_impl || m_impl->tapHandlers.empty()) {
        event->ignore();
        return;
    }
    event->accept();
}

void ViewWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_impl || m_impl->tapHandlers.empty()) {
        event->ignore();
        return;
    }
    const QPointF p = event->position();
    if (!rect().contains(p.toPoint()))
        return;
    m_impl->owner->performTap(Point{p.x() + m_impl->boundsOrigin.x, p.y() + m_impl->boundsOrigin.y}, 1);
}

void ViewWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!m_impl || !m_impl->owner->hasTapHandler(2)) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    const QPointF p = event->position();
    m_impl->owner->performTap(Point{p.x() + m_impl->boundsOrigin.x, p.y() + m_impl->boundsOrigin.y}, 2);
}

// --- private implementation ----------------------------------------------------

View::Impl::Impl(View* o) : owner(o) {}

View::Impl::~Impl() {
    // After the application object is gone (statics at exit) widgets may not
    // be touched any more.
    if (!widget || !QCoreApplication::instance())
        return;
    widget->detachView();
    QObject::disconnect(widget, nullptr, nullptr, nullptr);
    widget->hide();
    widget->setParent(nullptr);
    // A view may go while its widget is still inside an event handler of
    // its own: let the loop delete the widget.
    widget->deleteLater();
}

void View::Impl::ensureWidget() {
    if (widget)
        return;
    widget = makeWidget();
    widget->setFont(toQFont(Font::systemFont(17)));
    widget->hide();
}

QWidget* View::Impl::parentWidget() const {
    return widget ? widget->parentWidget() : nullptr;
}

void View::Impl::applyGeometry() {
    if (!widget)
        return;
    Point shift;
    if (superview)
        shift = superview->impl()->boundsOrigin;
    const double x = displayFrame.x - shift.x;
    const double y = displayFrame.y - shift.y;
    const int left = static_cast<int>(std::lround(x));
    const int top = static_cast<int>(std::lround(y));
    const int w = std::max(0, static_cast<int>(std::lround(x + displayFrame.width)) - left);
    const int h = std::max(0, static_cast<int>(std::lround(y + displayFrame.height)) - top);
    widget->setGeometry(left, top, w, h);
}

void View::Impl::applyOpacity() {
    if (!widget)
        return;
    if (displayAlpha >= 0.999) {
        if (effect) {
            widget->setGraphicsEffect(nullptr); // deletes the effect
            effect = nullptr;
        }
    } else {
        if (!effect) {
            effect = new QGraphicsOpacityEffect(widget);
            widget->setGraphicsEffect(effect);
        }
        effect->setOpacity(std::clamp(displayAlpha, 0.0, 1.0));
    }
    applyInteraction();
}

void View::Impl::applyVisibility() {
    if (!widget || !widget->parentWidget())
        return;
    widget->setVisible(!hidden);
}

void View::Impl::applyInteraction() {
    if (!widget)
        return;
    const bool takes = userInteraction && displayAlpha >= 0.01;
    widget->setAttribute(Qt::WA_TransparentForMouseEvents, !takes);
}

void View::Impl::relayoutChildren() {
    for (auto& child : subviews)
        child->impl()->applyGeometry();
}

void View::Impl::update() {
    if (widget)
        widget->update();
}

// --- view ---------------------------------------------------------------------

std::shared_ptr<View> View::create(Rect frame) {
    return std::make_shared<View>(frame);
}

View::View(Rect frame) : View(std::make_unique<Impl>(), frame) {}

View::View(std::unique_ptr<Impl> impl, Rect frame) : m_impl(std::move(impl)) {
    if (!isMainThread())
        log("ui: a view was made off the main thread; hand the work over with performOnMain");
    m_impl->owner = this;
    m_impl->ensureWidget();
    m_impl->frame = frame;
    m_impl->displayFrame = frame;
    m_impl->applyGeometry();
}

View::~View() {
    // Subviews that others still hold leave with their widgets intact.
    auto children = std::move(m_impl->subviews);
    for (auto& child : children) {
        child->impl()->superview = nullptr;
        if (child->impl()->widget && QCoreApplication::instance()) {
            child->impl()->widget->hide();
            child->impl()->widget->setParent(nullptr);
        }
    }
    children.clear();
}

Rect View::frame() const {
    return m_impl->frame;
}

void View::setFrame(Rect frame) {
    const Rect from = m_impl->displayFrame;
    m_impl->frame = frame;
    if (recordAnimatedChange(*this, kFrameProperty, 0, 0, from, frame)) {
        layoutSubviews();
        return;
    }
    cancelAnimation(*this, kFrameProperty);
    m_impl->displayFrame = frame;
    m_impl->applyGeometry();
    layoutSubviews();
}

Rect View::bounds() const {
    return {m_impl->boundsOrigin.x, m_impl->boundsOrigin.y, m_impl->frame.width, m_impl->frame.height};
}

Point View::center() const {
    auto f = frame();
    return {f.x + f.width / 2, f.y + f.height / 2};
}

void View::setCenter(Point center) {
    auto f = frame();
    setFrame({center.x - f.width / 2, center.y - f.height / 2, f.width, f.height});
}

namespace {

// The position of a view's coordinate origin in the window.
Point originInWindow(const View* view) {
    Point p;
    for (auto* v = view; v;) {
        auto* super = v->impl()->superview;
        p.x += v->frame().x;
        p.y += v->frame().y;
        if (!super)
            break;
        p.x -= super->impl()->boundsOrigin.x;
        p.y -= super->impl()->boundsOrigin.y;
        v = super;
    }
    // The window's own root has its origin at the window's.
    return p;
}

} // namespace

Point View::convertPointToView(Point point, const View* other) const {
    Point mine = originInWindow(this);
    Point window{point.x + mine.x - m_impl->boundsOrigin.x, point.y + mine.y - m_impl->boundsOrigin.y};
    if (!other)
        return window;
    Point theirs = originInWindow(other);
    return {window.x - theirs.x + other->impl()->boundsOrigin.x,
            window.y - theirs.y + other->impl()->boundsOrigin.y};
}

Rect View::convertRectToView(Rect rect, const View* other) const {
    auto p = convertPointToView(rect.origin(), other);
    return {p.x, p.y, rect.width, rect.height};
}

Point View::convertPointFromView(Point point, const View* other) const {
    Point window = other ? other->convertPointToView(point, nullptr) : point;
    Point mine = originInWindow(this);
    return {window.x - mine.x + m_impl->boundsOrigin.x, window.y - mine.y + m_impl->boundsOrigin.y};
}

void View::addSubview(std::shared_ptr<View> view) {
    attach(std::move(view), -1);
}

void View::insertSubviewAtIndex(std::shared_ptr<View> view, int index) {
    attach(std::move(view), std::max(0, index));
}

void View::insertSubviewBelow(std::shared_ptr<View> view, const View& sibling) {
    auto& subs = m_impl->subviews;
    auto it = std::find_if(subs.begin(), subs.end(), [&](auto& v) { return v.get() == &sibling; });
    attach(std::move(view), it == subs.end() ? -1 : static_cast<int>(it - subs.begin()));
}

void View::insertSubviewAbove(std::shared_ptr<View> view, const View& sibling) {
    auto& subs = m_impl->subviews;
    auto it = std::find_if(subs.begin(), subs.end(), [&](auto& v) { return v.get() == &sibling; });
    attach(std::move(view), it == subs.end() ? -1 : static_cast<int>(it - subs.begin()) + 1);
}

void View::attach(std::shared_ptr<View> view, int index) {
    if (!view || view.get() == this)
        return;
    auto keep = view;
    if (auto* old = view->impl()->superview) {
        auto& subs = old->impl()->subviews;
        subs.erase(std::remove(subs.begin(), subs.end(), view), subs.end());
    }
    auto& subs = m_impl->subviews;
    if (index < 0 || index > static_cast<int>(subs.size()))
        index = static_cast<int>(subs.size());
    subs.insert(subs.begin() + index, view);
    view->impl()->superview = this;
    auto* w = view->impl()->widget.data();
    if (w && m_impl->widget) {
        if (w->parentWidget() != m_impl->widget)
            w->setParent(m_impl->widget);
        // Widget stacking follows the subview order.
        for (size_t i = index + 1; i < subs.size(); ++i) {
            if (auto* above = subs[i]->impl()->widget.data()) {
                w->stackUnder(above);
                break;
            }
        }
        if (static_cast<size_t>(index) + 1 == subs.size())
            w->raise();
    }
    view->impl()->applyGeometry();
    view->impl()->applyOpacity();
    view->impl()->applyVisibility();
}

void View::removeFromSuperview() {
    auto* super = m_impl->superview;
    if (!super)
        return;
    auto keep = weak_from_this().lock();
    auto& subs = super->impl()->subviews;
    subs.erase(std::remove_if(subs.begin(), subs.end(), [this](auto& v) { return v.get() == this; }),
               subs.end());
    m_impl->superview = nullptr;
    if (m_impl->widget) {
        m_impl->widget->hide();
        m_impl->widget->setParent(nullptr);
    }
}

void View::bringSubviewToFront(const View& view) {
    auto& subs = m_impl->subviews;
    auto it = std::find_if(subs.begin(), subs.end(), [&](auto& v) { return v.get() == &view; });
    if (it == subs.end())
        return;
    auto keep = *it;
    subs.erase(it);
    subs.push_back(keep);
    if (keep->impl()->widget)
        keep->impl()->widget->raise();
}

void View::sendSubviewToBack(const View& view) {
    auto& subs = m_impl->subviews;
    auto it = std::find_if(subs.begin(), subs.end(), [&](auto& v) { return v.get() == &view; });
    if (it == subs.end())
        return;
    auto keep = *it;
    subs.erase(it);
    subs.insert(subs.begin(), keep);
    if (keep->impl()->widget)
        keep->impl()->widget->lower();
}

std::shared_ptr<View> View::superview() const {
    return m_impl->superview ? m_impl->superview->weak_from_this().lock() : nullptr;
}

std::vector<std::shared_ptr<View>> View::subviews() const {
    return m_impl->subviews;
}

bool View::isDescendantOfView(const View& other) const {
    for (const View* v = this; v; v = v->impl()->superview) {
        if (v == &other)
            return true;
    }
    return false;
}

std::shared_ptr<View> View::viewWithTag(int tag) {
    if (m_impl->tag == tag)
        return weak_from_this().lock();
    for (auto& child : m_impl->subviews) {
        if (auto found = child->viewWithTag(tag))
            return found;
    }
    return nullptr;
}

bool View::isInWindow() const {
    for (const View* v = this; v; v = v->impl()->superview) {
        if (v->impl()->isWindowRoot)
            return true;
    }
    return false;
}

int View::tag() const {
    return m_impl->tag;
}

void View::setTag(int tag) {
    m_impl->tag = tag;
}

bool View::isHidden() const {
    return m_impl->hidden;
}

void View::setHidden(bool hidden) {
    m_impl->hidden = hidden;
    m_impl->applyVisibility();
}

double View::alpha() const {
    return m_impl->alpha;
}

void View::setAlpha(double alpha) {
    alpha = std::clamp(alpha, 0.0, 1.0);
    const double from = m_impl->displayAlpha;
    m_impl->alpha = alpha;
    if (recordAnimatedChange(*this, kAlphaProperty, from, alpha, {}, {}))
        return;
    cancelAnimation(*this, kAlphaProperty);
    m_impl->displayAlpha = alpha;
    m_impl->applyOpacity();
}

Color View::backgroundColor() const {
    return m_impl->backgroundColor;
}

void View::setBackgroundColor(Color color) {
    m_impl->backgroundColor = color;
    m_impl->update();
}

void View::setBackgroundImage(Image image, ImageFill fill) {
    m_impl->backgroundImage = std::move(image);
    m_impl->backgroundFill = fill;
    m_impl->update();
}

Image View::backgroundImage() const {
    return m_impl->backgroundImage;
}

bool View::isUserInteractionEnabled() const {
    return m_impl->userInteraction;
}

void View::setUserInteractionEnabled(bool enabled) {
    m_impl->userInteraction = enabled;
    m_impl->applyInteraction();
}

void View::setClipsToBounds(bool clips) {
    m_impl->clips = clips;
}

bool View::clipsToBounds() const {
    return m_impl->clips;
}

void View::setCornerRadius(double radius) {
    m_impl->cornerRadius = radius;
    m_impl->update();
}

void View::setBorder(double width, Color color) {
    m_impl->borderWidth = width;
    m_impl->borderColor = color;
    m_impl->update();
}

void View::setOpaque(bool opaque) {
    m_impl->opaque = opaque;
}

bool View::isVisibleOnScreen() const {
    for (const View* v = this; v; v = v->impl()->superview) {
        if (v->isHidden() || v->presentationAlpha() < 0.01)
            return false;
        if (v->impl()->isWindowRoot)
            return true;
    }
    return false;
}

void View::addTapHandler(int taps, std::function<void(Point)> fn) {
    m_impl->tapHandlers.emplace_back(std::max(1, taps), std::move(fn));
}

bool View::hasTapHandler(int taps) const {
    return std::any_of(m_impl->tapHandlers.begin(), m_impl->tapHandlers.end(),
                       [taps](auto& h) { return h.first == taps; });
}

bool View::performTap(Point point, int taps) {
    auto keep = weak_from_this().lock();
    for (auto& [count, fn] : std::vector(m_impl->tapHandlers)) {
        if (count == taps && fn) {
            fn(point);
            return true;
        }
    }
    return false;
}

double View::presentationAlpha() const {
    return m_impl->displayAlpha;
}

Rect View::presentationFrame() const {
    return m_impl->displayFrame;
}

void setDisplayAlpha(View& view, double alpha) {
    view.impl()->displayAlpha = alpha;
    view.impl()->applyOpacity();
}

void setDisplayFrame(View& view, Rect frame) {
    view.impl()->displayFrame = frame;
    view.impl()->applyGeometry();
}

} // namespace platform::ui
