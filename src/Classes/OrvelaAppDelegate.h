// The application delegate: the window, the root screen and the four tab
// pages, reached by the screens that switch tabs.
#pragma once

#include <memory>

namespace platform::ui {
class PhoneWindow;
}

class RootViewController;
class TabHomeViewController;
class TabInquireViewController;
class TabFavoriteViewController;
class TabMoreViewController;

class OrvelaAppDelegate {
public:
    // The window may be none in tests that drive pages without a window.
    explicit OrvelaAppDelegate(platform::ui::PhoneWindow* window);
    ~OrvelaAppDelegate();

    // The delegate of the running application (set while one exists).
    static OrvelaAppDelegate* shared();

    // Puts the root screen into the window, which loads it and runs the start-up sequence.
    bool applicationDidFinishLaunchingWithOptions();
    void applicationDidBecomeActive() {}

    platform::ui::PhoneWindow* window{nullptr};
    std::unique_ptr<RootViewController> rootViewController;
    std::unique_ptr<TabHomeViewController> m_viewTabHome;
    std::unique_ptr<TabInquireViewController> m_viewTabInquire;
    std::unique_ptr<TabFavoriteViewController> m_viewTabFavorite;
    std::unique_ptr<TabMoreViewController> m_viewTabMore;
};
