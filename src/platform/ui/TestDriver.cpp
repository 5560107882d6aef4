#include "platform/ui/TestDriver.h"

#include "platform/RunLoop.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Button.h"
#include "platform/ui/HtmlView.h"
#include "platform/ui/MapView.h"
#include "platform/ui/PhoneWindow.h"
#include "platform/ui/PickerView.h"
#include "platform/ui/ScannerView.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TextField.h"
#include "platform/ui/ViewPrivate.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWindow>

#include <algorithm>

QT_BEGIN_NAMESPACE
// QtGui's entry for mouse input from the window system (the one Qt's own test
// library drives).
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);
QT_END_NAMESPACE

namespace platform::ui {

namespace {

void collect(const std::shared_ptr<View>& view, Visibility visibility,
             std::vector<std::shared_ptr<View>>& out) {
    if (visibility == Visibility::OnScreen && (view->isHidden() || view->presentationAlpha() < 0.01))
        return;
    out.push_back(view);
    for (auto& child : view->subviews())
        collect(child, visibility, out);
}

std::shared_ptr<View> viewOfWidget(QWidget* widget) {
    for (auto* w = widget; w; w = w->parentWidget()) {
        if (auto* vw = dynamic_cast<ViewWidget*>(w); vw && vw->viewImpl())
            return retainView(vw->viewImpl()->owner);
    }
    return nullptr;
}

// The part of the view that its ancestors leave visible, in window points.
Rect visibleRect(const View& view) {
    Rect r = view.convertRectToView(view.bounds(), nullptr);
    for (auto v = view.superview(); v; v = v->superview()) {
        Rect clip = v->convertRectToView(v->bounds(), nullptr);
        const double x1 = std::max(r.x, clip.x);
        const double y1 = std::max(r.y, clip.y);
        const double x2 = std::min(r.maxX(), clip.maxX());
        const double y2 = std::min(r.maxY(), clip.maxY());
        r = {x1, y1, std::max(0.0, x2 - x1), std::max(0.0, y2 - y1)};
    }
    return r;
}

bool interactionChain(const View& view) {
    for (auto v = view.weak_from_this().lock(); v; v = v->superview()) {
        if (!v->isUserInteractionEnabled() && v.get() != &view)
            return false;
    }
    return true;
}

} // namespace

TestDriver::TestDriver(bool manualClock) : m_manual(manualClock) {
    // Timers of an earlier test's clock would wait for its time: start still.
    settleAnimations();
    if (manualClock) {
        Clock::setManual(true);
        // A text cursor that does not blink keeps screenshots the same.
        QGuiApplication::styleHints()->setCursorFlashTime(0);
    }
    auto& window = PhoneWindow::instance();
    window.reset();
    window.show();
    runUntilIdle();
}

TestDriver::~TestDriver() {
    endEditing();
    PhoneWindow::instance().reset();
    runUntilIdle();
    settleAnimations();
    if (m_manual)
        Clock::setManual(false);
}

std::shared_ptr<View> TestDriver::root() const {
    return PhoneWindow::instance().rootView();
}

std::shared_ptr<View> TestDriver::window() const {
    return PhoneWindow::instance().windowView();
}

std::vector<std::shared_ptr<View>> TestDriver::allViews(Visibility visibility) const {
    std::vector<std::shared_ptr<View>> out;
    collect(window(), visibility, out);
    return out;
}

std::vector<std::shared_ptr<View>> TestDriver::findAllByText(const std::string& text,
                                                             Visibility visibility) const {
    std::vector<std::shared_ptr<View>> out;
    for (auto& v : allViews(visibility)) {
        if (v->displayedText() == text)
            out.push_back(v);
    }
    return out;
}

std::shared_ptr<View> TestDriver::findByText(const std::string& text, Visibility visibility) const {
    auto all = findAllByText(text, visibility);
    // The front-most match is the one a finger would reach.
    return all.empty() ? nullptr : all.back();
}

std::shared_ptr<View> TestDriver::findContaining(const std::string& fragment, Visibility visibility) const {
    std::shared_ptr<View> found;
    for (auto& v : allViews(visibility)) {
        if (v->displayedText().find(fragment) != std::string::npos)
            found = v;
    }
    return found;
}

std::shared_ptr<View> TestDriver::findByTag(int tag, Visibility visibility) const {
    for (auto& v : allViews(visibility)) {
        if (v->tag() == tag)
            return v;
    }
    return nullptr;
}

std::vector<std::string> TestDriver::visibleTexts() const {
    std::vector<std::string> out;
    for (auto& v : allViews(Visibility::OnScreen)) {
        if (auto t = v->displayedText(); !t.empty())
            out.push_back(t);
    }
    return out;
}

bool TestDriver::isTouchable(const View& view) const {
    if (!view.isVisibleOnScreen() || !interactionChain(view))
        return false;
    Rect r = visibleRect(view);
    if (r.width <= 0 || r.height <= 0)
        return false;
    auto* windowWidget = window()->impl()->widget.data();
    const QPoint p(static_cast<int>(r.x + r.width / 2), static_cast<int>(r.y + r.height / 2));
    auto hit = viewOfWidget(windowWidget->childAt(p));
    if (!hit)
        hit = window();
    // The touch lands on the view, on one of its parts, or passes through a
    // view that ignores touches to the view under it.
    return hit.get() == &view || hit->isDescendantOfView(view) || view.isDescendantOfView(*hit);
}

bool TestDriver::tap(View& view) {
    if (!isTouchable(view))
        return false;
    auto keep = view.weak_from_this().lock();
    Rect r = visibleRect(view);
    const Point windowPoint{r.x + r.width / 2, r.y + r.height / 2};
    auto* windowWidget = window()->impl()->widget.data();
    auto hit = viewOfWidget(
        windowWidget->childAt(QPoint(static_cast<int>(windowPoint.x), static_cast<int>(windowPoint.y))));
    if (!hit || !(hit.get() == &view || hit->isDescendantOfView(view)))
        hit = keep;
    bool handled = false;
    for (auto v = hit; v && !handled; v = v->superview()) {
        if (auto button = std::dynamic_pointer_cast<Button>(v)) {
            handled = button->sendAction();
            break;
        }
        if (auto field = std::dynamic_pointer_cast<TextField>(v)) {
            field->becomeFirstResponder();
            handled = true;
            break;
        }
        if (auto text = std::dynamic_pointer_cast<TextView>(v)) {
            text->becomeFirstResponder();
            handled = true;
            break;
        }
        if (v->hasTapHandler(1)) {
            v->performTap(v->convertPointFromView(windowPoint, nullptr), 1);
            handled = true;
            break;
        }
        if (auto cell = std::dynamic_pointer_cast<TableViewCell>(v)) {
            if (auto table = std::dynamic_pointer_cast<TableView>(cell->superview())) {
                for (int row = 0; row < table->numberOfRows(); ++row) {
                    if (table->cellForRow(row) == cell) {
                        handled = table->selectRowByTap(row);
                        break;
                    }
                }
            }
            break;
        }
    }
    runUntilIdle();
    return handled;
}

bool TestDriver::tapText(const std::string& text) {
    // Of several views with the text, tap the front-most that takes touches.
    auto all = findAllByText(text);
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        if (isTouchable(**it))
            return tap(**it);
    }
    return false;
}

bool TestDriver::tapTag(int tag) {
    auto view = findByTag(tag, Visibility::OnScreen);
    return view && tap(*view);
}

bool TestDriver::doubleTap(View& view, Point point) {
    if (!isTouchable(view))
        return false;
    const bool handled = view.performTap(point, 2);
    runUntilIdle();
    return handled;
}

bool TestDriver::tapRow(TableView& table, int row) {
    if (!table.isVisibleOnScreen() || !interactionChain(table) || row < 0 || row >= table.numberOfRows())
        return false;
    if (!alerts().empty() || !sheets().empty())
        return false;
    const bool handled = table.selectRowByTap(row);
    runUntilIdle();
    return handled;
}

bool TestDriver::tapLink(HtmlView& view, const std::string& href) {
    if (!isTouchable(view))
        return false;
    auto links = view.links();
    if (std::find(links.begin(), links.end(), href) == links.end())
        return false;
    view.activateLink(href);
    runUntilIdle();
    return true;
}

bool TestDriver::choosePickerRow(PickerView& picker, int row) {
    if (!isTouchable(picker))
        return false;
    const bool chosen = picker.chooseRow(row);
    runUntilIdle();
    return chosen;
}

bool TestDriver::tapMap(MapView& map, Point point, int taps) {
    if (!map.isVisibleOnScreen() || !interactionChain(map) || !alerts().empty() || !sheets().empty())
        return false;
    auto keep = map.weak_from_this().lock();
    bool handled = map.performTap(point, taps);
    if (!handled && taps == 1) {
        map.deselectAnnotation();
        handled = true;
    }
    runUntilIdle();
    return handled;
}

bool TestDriver::tapPin(MapView& map, int annotationIndex) {
    auto annotations = map.annotations();
    if (annotationIndex < 0 || annotationIndex >= static_cast<int>(annotations.size()))
        return false;
    auto pin = map.viewForAnnotation(annotations[annotationIndex]);
    return pin && tap(*pin);
}

bool TestDriver::tapCallout(MapView& map) {
    auto callout = map.calloutView();
    if (!callout)
        return false;
    for (auto& part : callout->subviews()) {
        if (auto button = std::dynamic_pointer_cast<Button>(part))
            return tap(*button);
    }
    return false;
}

bool TestDriver::type(TextField& field, const std::string& text) {
    if (!field.isFirstResponder()) {
        if (!isTouchable(field) || !field.becomeFirstResponder())
            return false;
    }
    field.insertText(text);
    runUntilIdle();
    return true;
}

bool TestDriver::typeInto(const std::string& placeholderOrText, const std::string& text) {
    for (auto& field : findAll<TextField>()) {
        if (field->placeholder() == placeholderOrText || field->text() == placeholderOrText)
            return type(*field, text);
    }
    return false;
}

bool TestDriver::pressReturn(TextField& field) {
    if (!field.isFirstResponder())
        return false;
    field.pressReturn();
    runUntilIdle();
    return true;
}

bool TestDriver::pressReturn() {
    auto field = std::dynamic_pointer_cast<TextField>(currentFirstResponder());
    return field && pressReturn(*field);
}

std::shared_ptr<View> TestDriver::firstResponder() const {
    return currentFirstResponder();
}

std::vector<std::shared_ptr<AlertView>> TestDriver::alerts() const {
    return AlertView::visibleAlerts();
}

std::vector<std::shared_ptr<ActionSheet>> TestDriver::sheets() const {
    return ActionSheet::visibleSheets();
}

std::vector<std::string> TestDriver::alertTitles() const {
    std::vector<std::string> out;
    for (auto& a : alerts())
        out.push_back(a->title());
    return out;
}

std::vector<std::string> TestDriver::alertMessages() const {
    std::vector<std::string> out;
    for (auto& a : alerts())
        out.push_back(a->message());
    return out;
}

bool TestDriver::pressAlertButton(int index) {
    auto all = alerts();
    if (all.empty())
        return false;
    const bool done = all.back()->pressButtonAtIndex(index);
    runUntilIdle();
    return done;
}

bool TestDriver::pressAlertButton(const std::string& title) {
    auto all = alerts();
    if (all.empty())
        return false;
    auto& alert = all.back();
    for (int i = 0; i < alert->numberOfButtons(); ++i) {
        if (alert->buttonTitleAtIndex(i) == title)
            return pressAlertButton(i);
    }
    return false;
}

bool TestDriver::chooseSheetButton(int index) {
    auto all = sheets();
    if (all.empty())
        return false;
    const bool done = all.back()->pressButtonAtIndex(index);
    runUntilIdle();
    return done;
}

bool TestDriver::chooseSheetButton(const std::string& title) {
    auto all = sheets();
    if (all.empty())
        return false;
    auto& sheet = all.back();
    for (int i = 0; i < sheet->numberOfButtons(); ++i) {
        if (sheet->buttonTitleAtIndex(i) == title)
            return chooseSheetButton(i);
    }
    return false;
}

std::vector<std::string> TestDriver::sheetButtons() const {
    std::vector<std::string> out;
    auto all = sheets();
    if (all.empty())
        return out;
    for (int i = 0; i < all.back()->numberOfButtons(); ++i)
        out.push_back(all.back()->buttonTitleAtIndex(i));
    return out;
}

void TestDriver::dragWithoutRelease(ScrollView& view, double dx, double dy) {
    view.beginDragging();
    // The finger moves in small steps, so that each step is reported.
    const int steps = 10;
    for (int i = 1; i <= steps; ++i)
        view.dragTo(dx * i / steps, dy * i / steps);
    runUntilIdle();
}

void TestDriver::release(ScrollView& view) {
    view.endDragging();
    runUntilIdle();
}

void TestDriver::drag(ScrollView& view, double dx, double dy) {
    dragWithoutRelease(view, dx, dy);
    release(view);
}

namespace {

int& mouseTime() {
    static int time = 1000;
    return time;
}

// Goes through the window system's own entry, as a real mouse does, so that
// grabbing, propagation and double clicks behave as they do for a rider.
void sendMouse(QWidget* window, QEvent::Type type, QPointF at, Qt::MouseButtons buttons, int delay = 20) {
    auto* handle = window->windowHandle();
    if (!handle)
        return;
    mouseTime() += delay;
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    qt_handleMouseEvent(handle, at, handle->mapToGlobal(at), buttons, button, type, Qt::NoModifier,
                        mouseTime());
    QCoreApplication::processEvents();
}

} // namespace

void TestDriver::mouseDrag(View& view, Point at, double dx, double dy) {
    auto* window = this->window()->impl()->widget.data();
    const Point start = view.convertPointToView(at, nullptr);
    const QPointF from(start.x, start.y);
    // A new gesture, not the second half of a double click.
    sendMouse(window, QEvent::MouseButtonPress, from, Qt::LeftButton, 2000);
    const int steps = dx == 0 && dy == 0 ? 0 : 10;
    for (int i = 1; i <= steps; ++i)
        sendMouse(window, QEvent::MouseMove, from + QPointF(dx * i / steps, dy * i / steps), Qt::LeftButton);
    sendMouse(window, QEvent::MouseButtonRelease, from + QPointF(dx, dy), Qt::NoButton);
    runUntilIdle();
}

void TestDriver::mouseDoubleClick(View& view, Point at) {
    auto* window = this->window()->impl()->widget.data();
    const Point p = view.convertPointToView(at, nullptr);
    const QPointF where(p.x, p.y);
    sendMouse(window, QEvent::MouseButtonPress, where, Qt::LeftButton, 2000);
    sendMouse(window, QEvent::MouseButtonRelease, where, Qt::NoButton);
    sendMouse(window, QEvent::MouseButtonPress, where, Qt::LeftButton);
    sendMouse(window, QEvent::MouseButtonRelease, where, Qt::NoButton);
    runUntilIdle();
}

void TestDriver::advance(double seconds) {
    Clock::advance(seconds);
    runUntilIdle();
}

void TestDriver::runUntilIdle() {
    runLoopUntilIdle();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool TestDriver::runUntil(const std::function<bool()>& done, double limitSeconds) {
    return runLoopUntil(done, limitSeconds);
}

bool TestDriver::screenshot(const std::string& path) {
    runUntilIdle();
    return PhoneWindow::instance().writeScreenshot(path);
}

} // namespace platform::ui

namespace platform::ui {

bool TestDriver::scanImage(const std::string& path) {
    for (auto& view : PhoneWindow::instance().presentedModals()) {
        if (auto scanner = std::dynamic_pointer_cast<ScannerView>(view)) {
            const bool read = scanner->scanImageFile(path);
            runUntilIdle();
            return read;
        }
    }
    return false;
}

} // namespace platform::ui
