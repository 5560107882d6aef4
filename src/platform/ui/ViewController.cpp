#include "platform/ui/ViewController.h"

namespace platform::ui {

ViewController::~ViewController() {
    // A page that goes takes its view off the screen with it: its controls
    // call back into the page.
    if (m_view)
        m_view->removeFromSuperview();
}

std::shared_ptr<View> ViewController::view() {
    if (m_view)
        return m_view;
    m_view = loadView();
    if (!m_view)
        m_view = View::create({0, 0, PhoneWindow::kWidth, PhoneWindow::kScreenHeight});
    viewDidLoad();
    return m_view;
}

std::shared_ptr<View> ViewController::loadView() {
    auto page = View::create({0, 0, PhoneWindow::kWidth, PhoneWindow::kScreenHeight});
    page->setBackgroundColor(Color::white());
    return page;
}

void ViewController::presentModally(bool animated) {
    PhoneWindow::instance().presentModal(view(), animated);
}

void ViewController::dismissModally(bool animated) {
    if (m_view)
        PhoneWindow::instance().dismissModal(m_view, animated);
}

} // namespace platform::ui
