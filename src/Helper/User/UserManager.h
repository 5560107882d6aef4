// The login state of the run: kept only in memory, so every run starts logged
// out. The account actions (login, registration, password change) and their
// pages come with the account screens.
#pragma once

#include <memory>

namespace platform::ui {
class View;
}

class UserManager {
public:
    static UserManager& getInstance();

    bool isUserLogin() const { return m_bLoginSuccess; }
    void userLogout() { m_bLoginSuccess = false; }
    void setM_currentView(std::shared_ptr<platform::ui::View> view) { m_currentView = std::move(view); }
    // For the account actions and tests: a successful login sets it.
    void setLoginSucceeded(bool succeeded) { m_bLoginSuccess = succeeded; }

private:
    UserManager() = default;

    std::shared_ptr<platform::ui::View> m_currentView;
    bool m_bLoginSuccess{false};
};
