// The bar across the top of the account and feedback pages: a title and a
// left and right button.
//
//   m_navigationBar = ui::NavigationBar::create();
//   m_navigationBar->setTitle("登录");
//   m_navigationBar->setLeftButton("返回", [this] { barItemAction(); });
//   m_navigationBar->setRightButton("登录", [this] { userLogin(); });
#pragma once

#include "platform/ui/Button.h"

namespace platform::ui {

class NavigationBar : public View {
public:
    static constexpr double kHeight = 44;
    static std::shared_ptr<NavigationBar> create(Rect frame = {0, 0, 320, kHeight});
    explicit NavigationBar(Rect frame = {0, 0, 320, kHeight});
    ~NavigationBar() override;

    std::string title() const;
    void setTitle(const std::string& title);
    std::shared_ptr<Button> setLeftButton(const std::string& title, std::function<void()> action);
    std::shared_ptr<Button> setRightButton(const std::string& title, std::function<void()> action);
    std::shared_ptr<Button> leftButton() const;
    std::shared_ptr<Button> rightButton() const;
    void removeLeftButton();
    void removeRightButton();

    std::string className() const override { return "NavigationBar"; }
    std::string displayedText() const override { return title(); }

protected:
    void layoutSubviews() override;

private:
    std::shared_ptr<Label> m_title;
    std::shared_ptr<Button> m_left;
    std::shared_ptr<Button> m_right;
};

} // namespace platform::ui
