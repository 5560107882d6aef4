#include "SubViews/PlaceholderPages.h"

#include "platform/ui/Label.h"

using namespace platform::ui;

std::shared_ptr<View> PlaceholderPage::loadView() {
    auto view = View::create(Rect{0, 0, 310, 245});
    view->setBackgroundColor(Color{1, 1, 1, 0.85});
    view->setCornerRadius(6);
    auto label = Label::create(Rect{10, 90, 290, 60});
    label->setText(m_title + "\n此功能即将开放，敬请期待。");
    label->setNumberOfLines(0);
    label->setTextAlignment(TextAlignment::Center);
    label->setTextColor(Color::rgb(90, 90, 90));
    view->addSubview(label);
    return view;
}
