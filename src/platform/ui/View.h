// The base of every element on the phone screen: a rectangle in its
// superview's coordinates (points), with subviews, hidden and opacity, a tag,
// a background colour or image, and whether it takes touches. A superview
// owns its subviews (shared_ptr); a view knows its superview weakly.
//
//   auto panel = ui::View::create(ui::Rect { 0, 40, 320, 360 });
//   panel->setBackgroundColor(ui::Color::clear());
//   screen->addSubview(panel);
//
// Opacity and frame changes can be animated by the clock (see animate()); the
// model value changes at once, the displayed one follows the animation.
#pragma once

#include "platform/ui/Geometry.h"
#include "platform/ui/Image.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform::ui {

enum class ImageFill { Stretch, Tile };

class View : public std::enable_shared_from_this<View> {
public:
    static std::shared_ptr<View> create(Rect frame = {});
    explicit View(Rect frame = {});
    virtual ~View();
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    // --- geometry -----------------------------------------------------------
    Rect frame() const;
    virtual void setFrame(Rect frame);
    // The visible part of the view in its own coordinates: the origin is 0, 0
    // except in a scrolled view, where it is the content offset.
    Rect bounds() const;
    Point center() const;
    void setCenter(Point center);
    // Converts a point or rectangle in this view to another view's
    // coordinates (or to the window's when other is null).
    Point convertPointToView(Point point, const View* other) const;
    Rect convertRectToView(Rect rect, const View* other) const;
    Point convertPointFromView(Point point, const View* other) const;

    // --- hierarchy ----------------------------------------------------------
    void addSubview(std::shared_ptr<View> view);
    void insertSubviewAtIndex(std::shared_ptr<View> view, int index);
    void insertSubviewBelow(std::shared_ptr<View> view, const View& sibling);
    void insertSubviewAbove(std::shared_ptr<View> view, const View& sibling);
    void removeFromSuperview();
    void bringSubviewToFront(const View& view);
    void sendSubviewToBack(const View& view);
    std::shared_ptr<View> superview() const;
    std::vector<std::shared_ptr<View>> subviews() const;
    bool isDescendantOfView(const View& other) const;
    // This view or the first descendant (depth first) with the tag.
    std::shared_ptr<View> viewWithTag(int tag);
    // True when the view is in the phone window.
    bool isInWindow() const;

    // --- appearance ---------------------------------------------------------
    int tag() const;
    void setTag(int tag);
    bool isHidden() const;
    void setHidden(bool hidden);
    double alpha() const; // the model value; see presentationAlpha()
    void setAlpha(double alpha);
    Color backgroundColor() const;
    void setBackgroundColor(Color color);
    // A background image stretched over the view or repeated as a pattern.
    void setBackgroundImage(Image image, ImageFill fill = ImageFill::Stretch);
    Image backgroundImage() const;
    bool isUserInteractionEnabled() const;
    void setUserInteractionEnabled(bool enabled);
    void setClipsToBounds(bool clips); // subviews are always clipped; kept for reading back
    bool clipsToBounds() const;
    void setCornerRadius(double radius);
    void setBorder(double width, Color color);
    void setOpaque(bool opaque);
    // Hidden, transparent or outside the window, for the view or an ancestor.
    bool isVisibleOnScreen() const;

    // --- touches --------------------------------------------------------------
    // A tap recogniser: fn gets the touch point in this view after `taps` taps.
    void addTapHandler(int taps, std::function<void(Point)> fn);
    bool hasTapHandler(int taps) const;
    // Runs the tap handler as a touch would (the test driver uses it).
    bool performTap(Point point, int taps = 1);

    // --- animations -----------------------------------------------------------
    // UIKit-style block animation: opacity and frame changes made inside
    // changes() move from their displayed values to the new ones over the
    // duration, driven by platform::Clock. completion(finished) runs once,
    // with false when a later animation took over every property.
    static void animate(double duration, const std::function<void()>& changes,
                        std::function<void(bool finished)> completion = {},
                        AnimationCurve curve = AnimationCurve::EaseInOut, double delay = 0);
    // The same in begin/commit form, for screens that name a did-stop handler.
    static void beginAnimations();
    static void setAnimationDuration(double seconds);
    static void setAnimationCurve(AnimationCurve curve);
    static void setAnimationDelay(double seconds);
    static void setAnimationDidStop(std::function<void(bool finished)> fn);
    static void commitAnimations();
    // What the screen shows now, mid-animation.
    double presentationAlpha() const;
    Rect presentationFrame() const;
    bool isAnimating() const;

    // --- introspection for the test driver --------------------------------------
    virtual std::string className() const { return "View"; }
    // The text a rider reads on the view itself (label text, button title...).
    virtual std::string displayedText() const { return {}; }

    struct Impl;
    Impl* impl() const { return m_impl.get(); }

protected:
    // Subclasses pass their own widget through the private implementation.
    View(std::unique_ptr<Impl> impl, Rect frame);
    // Called after the frame changed, to lay out the view's own parts.
    virtual void layoutSubviews() {}

private:
    friend struct Impl;
    void attach(std::shared_ptr<View> view, int index);
    std::unique_ptr<Impl> m_impl;
};

} // namespace platform::ui
