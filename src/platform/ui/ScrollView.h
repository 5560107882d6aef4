// A view whose content is larger than its frame: content size, content
// offset, bounce, paging, scrolling a rectangle into view, and the callbacks
// of a finger dragging it. Subviews are placed in content coordinates.
//
//   auto strip = ui::ScrollView::create(ui::Rect { 0, 0, 320, 40 });
//   strip->setContentSize({ 500, 40 });
//   strip->setBounces(false);
//   strip->scrollRectToVisible({ 402, 0, 96, 38 }, true);
#pragma once

#include "platform/ui/View.h"

namespace platform::ui {

class ScrollView;

class ScrollViewDelegate {
public:
    virtual ~ScrollViewDelegate() = default;
    virtual void scrollViewDidScroll(ScrollView&) {}
    virtual void scrollViewWillBeginDragging(ScrollView&) {}
    // The finger lifted; decelerate is true when the content will still move
    // (back inside its bounds or onto a page).
    virtual void scrollViewDidEndDraggingWillDecelerate(ScrollView&, bool) {}
    virtual void scrollViewDidEndDecelerating(ScrollView&) {}
    virtual void scrollViewDidEndScrollingAnimation(ScrollView&) {}
};

class ScrollView : public View {
public:
    static std::shared_ptr<ScrollView> create(Rect frame = {});
    explicit ScrollView(Rect frame = {});
    ~ScrollView() override;

    Size contentSize() const;
    void setContentSize(Size size);
    Point contentOffset() const;
    void setContentOffset(Point offset, bool animated = false);
    // Scrolls the least needed to show the rectangle (content coordinates).
    void scrollRectToVisible(Rect rect, bool animated);
    bool bounces() const;
    void setBounces(bool bounces);
    bool isPagingEnabled() const;
    void setPagingEnabled(bool paging);
    bool isScrollEnabled() const;
    void setScrollEnabled(bool enabled);
    void setShowsScrollIndicators(bool shows);
    void setDelegate(ScrollViewDelegate* delegate); // not owned
    ScrollViewDelegate* delegate() const;

    bool isDragging() const;
    bool isDecelerating() const;

    // A finger on the content (the window's mouse and the test driver use these).
    void beginDragging();
    // Moves the finger by (dx, dy) from where the drag began.
    void dragTo(double dx, double dy);
    void endDragging();

    void setFrame(Rect frame) override;
    std::string className() const override { return "ScrollView"; }

    struct Data;

protected:
    ScrollView(std::unique_ptr<View::Impl> impl, Rect frame);

private:
    Data* d() const;
    void applyOffset(Point offset);
    void animateOffset(Point target, double duration, bool decelerating);
    Point clamped(Point offset) const;
};

} // namespace platform::ui
