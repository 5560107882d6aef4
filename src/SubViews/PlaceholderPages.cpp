#include "SubViews/PlaceholderPages.h"

#include "platform/AppInfo.h"
#include "platform/ui/Button.h"
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

void SubFavorityShop::reloadData(std::vector<FavoriteItem> items) {
    m_items = std::move(items);
    auto page = view();
    for (auto& subview : page->subviews())
        subview->removeFromSuperview();
    double y = 10;
    for (auto& item : m_items) {
        auto label = Label::create(Rect{10, y, 260, 24});
        label->setText(item.strTitle);
        label->setFont(Font::systemFont(16));
        page->addSubview(label);
        y += 30;
    }
}

std::shared_ptr<View> MoreCommandPage::loadView() {
    auto view = View::create(Rect{0, 0, 320, 460});
    view->setBackgroundColor(Color::rgb(236, 240, 244));
    auto bar = View::create(Rect{0, 0, 320, 44});
    bar->setBackgroundColor(Color::rgb(32, 90, 158));
    auto title = Label::create(Rect{80, 0, 160, 44});
    title->setText(m_title);
    title->setFont(Font::boldSystemFont(18));
    title->setTextColor(Color::white());
    title->setTextAlignment(TextAlignment::Center);
    bar->addSubview(title);
    auto back = Button::create(Rect{6, 7, 56, 30});
    back->setTitle("返回");
    back->setTitleColor(Color::white());
    back->setBorder(1, Color::white());
    back->setCornerRadius(5);
    back->setAction([this] { close(); });
    bar->addSubview(back);
    view->addSubview(bar);
    m_content = View::create(Rect{0, 44, 320, 416});
    auto note = Label::create(Rect{20, 150, 280, 60});
    note->setText(m_title + "\n此功能即将开放，敬请期待。");
    note->setNumberOfLines(0);
    note->setTextAlignment(TextAlignment::Center);
    note->setTextColor(Color::rgb(90, 90, 90));
    m_content->addSubview(note);
    view->addSubview(m_content);
    return view;
}

void MoreCommandPage::close() {
    if (isViewLoaded())
        view()->removeFromSuperview();
}

std::string SubMoreAbout::versionText() const {
    return "Tansu 公交 " + platform::infoString("VersionName") + "（版本号 " +
           platform::infoString("VersionCode") + "）";
}

void SubMoreAbout::resetVersion() {
    view();
    for (auto& subview : m_content->subviews())
        subview->removeFromSuperview();
    m_labelVersion = Label::create(Rect{20, 60, 280, 60});
    m_labelVersion->setNumberOfLines(0);
    m_labelVersion->setTextAlignment(TextAlignment::Center);
    m_labelVersion->setText(versionText() + "\n城市公交信息：车辆位置、换乘、线路与站点");
    m_content->addSubview(m_labelVersion);
}
