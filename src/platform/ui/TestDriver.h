// The headless harness of screen tests: it finds views by text, tag or class,
// taps, types, presses return, answers alerts and choice sheets, drags lists,
// advances the clock and runs the loop until idle. No test sleeps.
//
//   ui::TestDriver driver; // manual clock, empty window
//   driver.root()->addSubview(screen->view());
//   driver.tapText("查询");
//   EXPECT_EQ(driver.alertMessages(), std::vector<std::string> { "网络连接失败" });
//
// Finding looks only at views that a rider can see (not hidden, not fully
// transparent, in the window) unless told otherwise.
#pragma once

#include "platform/ui/View.h"

#include <memory>
#include <string>
#include <vector>

namespace platform::ui {

class AlertView;
class ActionSheet;
class TextField;
class ScrollView;
class TableView;
class HtmlView;
class MapView;
class PickerView;

enum class Visibility { OnScreen, Any };

class TestDriver {
public:
    // Puts the clock in manual mode (unless told not to) and empties the window.
    explicit TestDriver(bool manualClock = true);
    ~TestDriver();
    TestDriver(const TestDriver&) = delete;
    TestDriver& operator=(const TestDriver&) = delete;

    std::shared_ptr<View> root() const;   // the 320 x 460 screen
    std::shared_ptr<View> window() const; // the whole window

    // --- finding ------------------------------------------------------------
    // Views whose own text (label text, button title, field text or
    // placeholder, alert or sheet title) equals the text.
    std::vector<std::shared_ptr<View>> findAllByText(const std::string& text,
                                                     Visibility = Visibility::OnScreen) const;
    std::shared_ptr<View> findByText(const std::string& text, Visibility = Visibility::OnScreen) const;
    // Views whose own text contains the fragment.
    std::shared_ptr<View> findContaining(const std::string& fragment,
                                         Visibility = Visibility::OnScreen) const;
    std::shared_ptr<View> findByTag(int tag, Visibility = Visibility::Any) const;
    template <typename T>
    std::vector<std::shared_ptr<T>> findAll(Visibility visibility = Visibility::OnScreen) const {
        std::vector<std::shared_ptr<T>> out;
        for (auto& v : allViews(visibility)) {
            if (auto t = std::dynamic_pointer_cast<T>(v))
                out.push_back(t);
        }
        return out;
    }
    template <typename T> std::shared_ptr<T> find(Visibility visibility = Visibility::OnScreen) const {
        auto all = findAll<T>(visibility);
        return all.empty() ? nullptr : all.front();
    }
    // Every view in the window, front-most last, depth first.
    std::vector<std::shared_ptr<View>> allViews(Visibility = Visibility::OnScreen) const;
    // The texts of every visible view, in window order (for failure messages).
    std::vector<std::string> visibleTexts() const;

    // --- touching -----------------------------------------------------------
    // Taps a view as a finger would: a button's action, a text field's start
    // of editing, a table cell's row, or a tap handler. False (and nothing
    // happens) when the view cannot be touched: hidden, transparent, disabled
    // or under a view that ignores touches, or covered by an alert.
    bool tap(View& view);
    bool tapText(const std::string& text);
    bool tapTag(int tag);
    bool doubleTap(View& view, Point point);
    bool tapRow(TableView& table, int row);
    // Taps a link of an HTML view by its target as written in the page; false
    // when the page has no such link or the view cannot be touched. Whether
    // the link is followed is the view's delegate's decision.
    bool tapLink(HtmlView& view, const std::string& href);
    // Turns a picker to the row, as a finger would.
    bool choosePickerRow(PickerView& picker, int row);
    // Touches the map at a point of the view, once or twice (a double tap).
    bool tapMap(MapView& map, Point point, int taps = 1);
    // Taps the pin of the annotation at the index (in adding order).
    bool tapPin(MapView& map, int annotationIndex);
    // Taps the right accessory of the callout shown now.
    bool tapCallout(MapView& map);

    // --- typing ---------------------------------------------------------------
    // Taps the field (it may refuse) and types the text at the end.
    bool type(TextField& field, const std::string& text);
    bool typeInto(const std::string& placeholderOrText, const std::string& text);
    bool pressReturn(TextField& field);
    bool pressReturn(); // on the field being edited
    std::shared_ptr<View> firstResponder() const;

    // --- alerts and choice sheets ----------------------------------------------------
    std::vector<std::shared_ptr<AlertView>> alerts() const;
    std::vector<std::shared_ptr<ActionSheet>> sheets() const;
    std::vector<std::string> alertTitles() const;
    std::vector<std::string> alertMessages() const;
    // Presses a button of the newest alert; false when there is none.
    bool pressAlertButton(int index);
    bool pressAlertButton(const std::string& title);
    bool chooseSheetButton(int index);
    bool chooseSheetButton(const std::string& title);
    std::vector<std::string> sheetButtons() const;

    // --- scrolling --------------------------------------------------------------
    // Drags the content by the offset as a finger would (dy > 0 pulls the
    // content down, showing what lies above), then lifts the finger.
    void drag(ScrollView& view, double dx, double dy);
    void dragWithoutRelease(ScrollView& view, double dx, double dy);
    void release(ScrollView& view);

    // --- the mouse, as the window system delivers it ---------------------------
    // Presses at a point of the view (its own coordinates), moves by (dx, dy)
    // in steps and lets go; (0, 0) is a click.
    void mouseDrag(View& view, Point at, double dx, double dy);
    void mouseClick(View& view, Point at) { mouseDrag(view, at, 0, 0); }
    void mouseDoubleClick(View& view, Point at);

    // --- time -------------------------------------------------------------------
    void advance(double seconds);
    void runUntilIdle();
    bool runUntil(const std::function<bool()>& done, double limitSeconds = 10);

    bool screenshot(const std::string& path);
    // Hands an image file to the scanner presented now; false when none is
    // presented or the image holds no code.
    bool scanImage(const std::string& path);

    // True when a point of the view would receive a touch (nothing in front).
    bool isTouchable(const View& view) const;

private:
    bool m_manual;
};

} // namespace platform::ui
