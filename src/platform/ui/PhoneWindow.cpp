#include "platform/ui/PhoneWindow.h"

#include "platform/RunLoop.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextField.h"
#include "platform/ui/ViewPrivate.h"

#include <QApplication>
#include <QDateTime>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <ctime>

namespace platform::ui {

namespace {

PhoneWindow*& windowInstance() {
    static PhoneWindow* window = nullptr;
    return window;
}

std::string clockText() {
    const auto seconds = static_cast<std::time_t>(Clock::wallNow());
    std::tm local{};
    // Under the test clock the bar shows UTC, so that screenshots are the same
    // in every time zone.
    if (Clock::isManual())
        gmtime_r(&seconds, &local);
    else
        localtime_r(&seconds, &local);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", local.tm_hour, local.tm_min);
    return text;
}

} // namespace

struct PhoneWindow::Impl {
    std::shared_ptr<View> window;
    std::shared_ptr<Label> statusBar;
    std::shared_ptr<View> root;
    std::shared_ptr<View> alerts;
    // Presented views are owned by the window's view tree, not by this list.
    std::vector<std::weak_ptr<View>> modals;
    std::unique_ptr<Timer> statusTimer;

    void refreshStatus() { statusBar->setText(clockText()); }
};

PhoneWindow& PhoneWindow::instance() {
    auto*& window = windowInstance();
    if (!window) {
        window = new PhoneWindow();
        // The window lives until the application object goes.
        qAddPostRoutine([] {
            delete windowInstance();
            windowInstance() = nullptr;
        });
    }
    return *window;
}

bool PhoneWindow::exists() {
    return windowInstance() != nullptr;
}

PhoneWindow::PhoneWindow() : m_impl(std::make_unique<Impl>()) {
    auto& m = *m_impl;
    m.window = View::create({0, 0, kWidth, kHeight});
    m.window->impl()->isWindowRoot = true;
    m.window->setBackgroundColor(Color::black());
    auto* widget = m.window->impl()->widget.data();
    widget->setFixedSize(kWidth, kHeight);
    widget->setWindowTitle("Tansu");

    m.statusBar = Label::create({0, 0, kWidth, kStatusBarHeight});
    m.statusBar->setBackgroundColor(Color::black());
    m.statusBar->setTextColor(Color::white());
    m.statusBar->setFont(Font::boldSystemFont(12));
    m.statusBar->setTextAlignment(TextAlignment::Center);
    m.window->addSubview(m.statusBar);

    m.root = View::create({0, kStatusBarHeight, kWidth, kScreenHeight});
    m.root->setBackgroundColor(Color::white());
    m.window->addSubview(m.root);

    m.alerts = View::create({0, 0, kWidth, kHeight});
    m.alerts->setUserInteractionEnabled(false);
    m.window->addSubview(m.alerts);
    m.refreshStatus();
}

PhoneWindow::~PhoneWindow() {
    m_impl->statusTimer.reset();
}

std::shared_ptr<View> PhoneWindow::windowView() const {
    return m_impl->window;
}

std::shared_ptr<View> PhoneWindow::rootView() const {
    return m_impl->root;
}

std::shared_ptr<View> PhoneWindow::alertLayer() const {
    return m_impl->alerts;
}

void PhoneWindow::addLayer(std::shared_ptr<View> view) {
    m_impl->window->insertSubviewBelow(std::move(view), *m_impl->alerts);
}

void PhoneWindow::presentModal(std::shared_ptr<View> view, bool animated) {
    if (!view)
        return;
    auto& modals = m_impl->modals;
    std::erase_if(modals, [&](auto& weak) { return weak.expired() || weak.lock() == view; });
    modals.push_back(view);
    const Rect target{0, kStatusBarHeight, kWidth, kScreenHeight};
    if (!animated) {
        view->setFrame(target);
        addLayer(view);
        return;
    }
    view->setFrame({0, kHeight, kWidth, kScreenHeight});
    addLayer(view);
    View::animate(0.3, [&] { view->setFrame(target); });
}

void PhoneWindow::dismissModal(const std::shared_ptr<View>& view, bool animated) {
    auto& modals = m_impl->modals;
    auto it = std::find_if(modals.begin(), modals.end(), [&](auto& weak) { return weak.lock() == view; });
    if (it == modals.end())
        return;
    modals.erase(it);
    if (!animated) {
        view->removeFromSuperview();
        return;
    }
    auto f = view->frame();
    std::weak_ptr<View> weak = view;
    View::animate(
        0.3,
        [&] {
            view->setFrame({f.x, kHeight, f.width, f.height});
        },
        [weak](bool) {
            if (auto v = weak.lock())
                v->removeFromSuperview();
        });
}

std::vector<std::shared_ptr<View>> PhoneWindow::presentedModals() const {
    std::vector<std::shared_ptr<View>> out;
    for (auto& weak : m_impl->modals) {
        if (auto view = weak.lock(); view && view->isInWindow())
            out.push_back(view);
    }
    return out;
}

void PhoneWindow::show() {
    auto* widget = m_impl->window->impl()->widget.data();
    widget->show();
    if (!m_impl->statusTimer && !Clock::isManual())
        m_impl->statusTimer = Timer::schedule(30, Repeats::Yes, [this] { m_impl->refreshStatus(); });
}

void PhoneWindow::reset() {
    auto& m = *m_impl;
    for (auto& v : m.root->subviews())
        v->removeFromSuperview();
    for (auto& v : m.alerts->subviews())
        v->removeFromSuperview();
    for (auto& v : m.window->subviews()) {
        if (v != m.statusBar && v != m.root && v != m.alerts)
            v->removeFromSuperview();
    }
    m.alerts->setUserInteractionEnabled(false);
    m.modals.clear();
    endEditing();
    m.refreshStatus();
}

bool PhoneWindow::writeScreenshot(const std::string& path) {
    m_impl->refreshStatus();
    auto* widget = m_impl->window->impl()->widget.data();
    QApplication::sendPostedEvents();
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1.0);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        widget->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren | QWidget::DrawWindowBackground);
    }
    return image.save(toQString(path), "PNG");
}

} // namespace platform::ui
