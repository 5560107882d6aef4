// The phone window: 320 x 480 points, a 20-point status bar over the
// 320 x 460 screen. Screenshots are PNGs of exactly what a rider sees.
#pragma once

#include <memory>
#include <string>

namespace platform::ui {

class PhoneWindow {
public:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 480;
    static constexpr int kStatusBarHeight = 20;

    PhoneWindow();
    ~PhoneWindow();
    PhoneWindow(const PhoneWindow&) = delete;
    PhoneWindow& operator=(const PhoneWindow&) = delete;

    void show();
    // Writes a PNG of the window; answers false when the file cannot be written.
    bool writeScreenshot(const std::string& path);

    struct Impl;
    Impl* impl() { return m_impl.get(); }

private:
    std::unique_ptr<Impl> m_impl;
};

} // namespace platform::ui
