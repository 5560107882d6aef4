#include "Classes/ViewController.h"

std::shared_ptr<platform::ui::View> ViewController::view() {
    if (!m_view) {
        m_view = loadView();
        viewDidLoad();
    }
    return m_view;
}

std::shared_ptr<platform::ui::View> ViewController::loadView() {
    return platform::ui::View::create(platform::ui::Rect{0, 0, 320, 460});
}
