// Internal to the toolkit: the state of a scroll view, shared with tables.
#pragma once

#include "platform/RunLoop.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/ViewPrivate.h"

namespace platform::ui {

struct ScrollView::Data : View::Impl {
    Size contentSize;
    bool bounces{true};
    bool paging{false};
    bool scrollEnabled{true};
    bool indicators{true};
    ScrollViewDelegate* delegate{nullptr};
    bool dragging{false};
    bool decelerating{false};
    Point dragStart;
    // The offset animation (scrolling into view, settling after a drag).
    std::unique_ptr<Timer> animation;
    Point animFrom;
    Point animTo;
    double animStart{0};
    double animDuration{0};
    bool animDecelerating{false};
    ViewWidget* makeWidget() override;
};

class ScrollWidget : public ViewWidget {
public:
    using ViewWidget::ViewWidget;

protected:
    void paintContent(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    // A press that did not move: a tap at a point in content coordinates.
    virtual void tapAt(Point) {}
    ScrollView* scrollView() const;
    QPointF m_pressAt;
    bool m_pressed{false};
    bool m_moved{false};
};

} // namespace platform::ui
