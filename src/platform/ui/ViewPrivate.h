// Internal to the toolkit: the Qt side of a view. Screens never include this.
#pragma once

#include "platform/ui/View.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QPainter;
class QGraphicsOpacityEffect;

namespace platform::ui {

struct Image::Data {
    QImage image;
    std::string name;
};

QColor toQColor(Color color);
QFont toQFont(const Font& font);
QString toQString(const std::string& text);
std::string fromQString(const QString& text);
QRectF toQRect(Rect rect);

// The widget behind every view: paints the background and hands touches to
// the view. Subclasses paint their content on top.
class ViewWidget : public QWidget {
public:
    explicit ViewWidget(View::Impl* impl);
    ~ViewWidget() override;
    View::Impl* viewImpl() const { return m_impl; }
    void detachView() { m_impl = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    virtual void paintContent(QPainter& painter);

    View::Impl* m_impl;
};

struct View::Impl {
    explicit Impl(View* owner = nullptr);
    virtual ~Impl();

    // Makes the widget; subclasses of Impl make their own kind.
    virtual ViewWidget* makeWidget() { return new ViewWidget(this); }
    void ensureWidget();

    View* owner{nullptr};
    QPointer<ViewWidget> widget;
    bool isWindowRoot{false};

    Rect frame;
    Rect displayFrame;
    // The visible part of the view's own coordinate space starts here; a
    // scroll view moves it with its content offset.
    Point boundsOrigin;
    double alpha{1};
    double displayAlpha{1};
    bool hidden{false};
    int tag{0};
    Color backgroundColor{Color::clear()};
    Image backgroundImage;
    ImageFill backgroundFill{ImageFill::Stretch};
    bool userInteraction{true};
    bool clips{false};
    bool opaque{false};
    double cornerRadius{0};
    double borderWidth{0};
    Color borderColor{Color::black()};
    QGraphicsOpacityEffect* effect{nullptr};

    // The superview owns this view, so the plain pointer stays valid; the
    // superview clears it when it lets go or goes.
    View* superview{nullptr};
    std::vector<std::shared_ptr<View>> subviews;
    std::vector<std::pair<int, std::function<void(Point)>>> tapHandlers;

    // Pushes the displayed state to the widget.
    void applyGeometry();
    void applyOpacity();
    void applyVisibility();
    void applyInteraction();
    void relayoutChildren();
    void update();
    QWidget* parentWidget() const;
};

// Keeps a view alive while one of its callbacks runs, so that a handler may
// remove the screen that holds the view.
inline std::shared_ptr<View> retainView(View* view) {
    if (!view)
        return nullptr;
    return view->weak_from_this().lock();
}

void setDisplayAlpha(View& view, double alpha);
void setDisplayFrame(View& view, Rect frame);
// Drops running animations of the view's property ("alpha" or "frame").
void cancelAnimation(View& view, int property);
// Records a change in the open animation block; false when none is open.
bool recordAnimatedChange(View& view, int property, double fromAlpha, double toAlpha, Rect fromFrame,
                          Rect toFrame);
enum AnimatedProperty { kAlphaProperty = 0, kFrameProperty = 1 };
// Ends every running animation at its end value, without callbacks, and drops
// the animation tick (the test driver starts each test from a still screen).
void settleAnimations();

} // namespace platform::ui
