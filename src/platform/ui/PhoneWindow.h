// The phone window: 320 x 480 points, a 20-point status bar over the
// 320 x 460 screen. Screens go into rootView(); layers that lie above every
// screen (the script page) go into the window with addLayer(); alerts and
// choice sheets float above everything. Screenshots are PNGs of exactly what
// a rider sees.
//
//   auto& window = ui::PhoneWindow::instance();
//   window.rootView()->addSubview(rootScreen);
//   window.show();
#pragma once

#include "platform/ui/View.h"

#include <memory>
#include <string>

namespace platform::ui {

class PhoneWindow {
public:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 480;
    static constexpr int kStatusBarHeight = 20;
    static constexpr int kScreenHeight = kHeight - kStatusBarHeight;

    // The one window of the application, made on first use.
    static PhoneWindow& instance();
    static bool exists();
    ~PhoneWindow();
    PhoneWindow(const PhoneWindow&) = delete;
    PhoneWindow& operator=(const PhoneWindow&) = delete;

    // The whole window, origin at its top-left corner.
    std::shared_ptr<View> windowView() const;
    // The 320 x 460 screen below the status bar, where screens live.
    std::shared_ptr<View> rootView() const;
    // Adds a view to the window above the screens and below alerts.
    void addLayer(std::shared_ptr<View> view);
    // Where alerts and choice sheets are shown (toolkit use).
    std::shared_ptr<View> alertLayer() const;

    // Modal presentation: the view slides up over the screen (frame 0, 20,
    // 320, 460) and slides down when dismissed.
    void presentModal(std::shared_ptr<View> view, bool animated);
    void dismissModal(const std::shared_ptr<View>& view, bool animated);
    std::vector<std::shared_ptr<View>> presentedModals() const;

    void show();
    // Removes every screen, layer, alert and modal view (between tests).
    void reset();
    // Writes a PNG of the window, 320 x 480 pixels; false when it cannot be written.
    bool writeScreenshot(const std::string& path);

    struct Impl;
    Impl* impl() { return m_impl.get(); }

private:
    PhoneWindow();
    std::unique_ptr<Impl> m_impl;
};

} // namespace platform::ui
