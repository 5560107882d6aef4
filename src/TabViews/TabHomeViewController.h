// The Home tab: a strip of five pages (hot shops, nearby, traffic
// announcements, lost and found, system notices) shown one at a time with a
// 1.0-second fade.
#pragma once

#include "Classes/ViewController.h"

#include <memory>
#include <string>

namespace platform::ui {
class Button;
class ScrollView;
} // namespace platform::ui

class SubHomeHot;
class SubHomeNearby;
class SubHomeBus;
class SubHomeLost;
class SubHomeSystem;

class TabHomeViewController : public ViewController {
public:
    TabHomeViewController();
    ~TabHomeViewController() override;

    void buttonAction(platform::ui::Button& button);
    void showWindow(int index);

    int currentIndex() const { return m_nIndex; }
    platform::ui::ScrollView& strip();
    std::shared_ptr<platform::ui::View> shownPage() const { return m_lastView; }

protected:
    void viewDidLoad() override;

private:
    std::shared_ptr<platform::ui::View> pageView(int index);

    std::shared_ptr<platform::ui::ScrollView> m_scrollView;
    platform::ui::Button* m_lastButton{nullptr};
    std::shared_ptr<platform::ui::View> m_lastView;
    std::unique_ptr<SubHomeHot> m_subHot;
    std::unique_ptr<SubHomeNearby> m_subNearby;
    std::unique_ptr<SubHomeBus> m_subBus;
    std::unique_ptr<SubHomeLost> m_subLost;
    std::unique_ptr<SubHomeSystem> m_subSystem;
    int m_nIndex{-1};
};
