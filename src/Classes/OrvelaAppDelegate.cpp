#include "Classes/OrvelaAppDelegate.h"

#include "Classes/RootViewController.h"
#include "TabViews/TabFavoriteViewController.h"
#include "TabViews/TabHomeViewController.h"
#include "TabViews/TabInquireViewController.h"
#include "TabViews/TabMoreViewController.h"
#include "platform/ui/PhoneWindow.h"

namespace {
OrvelaAppDelegate* g_shared = nullptr;
}

OrvelaAppDelegate::OrvelaAppDelegate(platform::ui::PhoneWindow* window)
    : window(window), rootViewController(std::make_unique<RootViewController>(this)),
      m_viewTabHome(std::make_unique<TabHomeViewController>()),
      m_viewTabInquire(std::make_unique<TabInquireViewController>()),
      m_viewTabFavorite(std::make_unique<TabFavoriteViewController>()),
      m_viewTabMore(std::make_unique<TabMoreViewController>()) {
    g_shared = this;
}

OrvelaAppDelegate::~OrvelaAppDelegate() {
    if (g_shared == this)
        g_shared = nullptr;
}

OrvelaAppDelegate* OrvelaAppDelegate::shared() {
    return g_shared;
}

bool OrvelaAppDelegate::applicationDidFinishLaunchingWithOptions() {
    auto root = rootViewController->view();
    if (window)
        window->rootView()->addSubview(root);
    return true;
}
