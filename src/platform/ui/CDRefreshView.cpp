#include "platform/ui/CDRefreshView.h"

#include "platform/RunLoop.h"
#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/ViewPrivate.h"

#include <QPainter>

namespace platform::ui {

struct CDRefreshView::Data : View::Impl {
    int state{0};
    std::shared_ptr<ImageView> arrow;
    std::shared_ptr<ActivityIndicatorView> activity;
    std::shared_ptr<Label> title;
    std::shared_ptr<Label> detail;
    double angle{0};
    double fromAngle{0};
    double toAngle{0};
    double turnStart{0};
    std::unique_ptr<Timer> turn;
    Image upright;
};

namespace {

Image turned(const Image& image, double degrees) {
    if (!image || degrees == 0)
        return image;
    const QImage& source = image.data()->image;
    QImage out(source.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(source.width() / 2.0, source.height() / 2.0);
    painter.rotate(degrees);
    painter.translate(-source.width() / 2.0, -source.height() / 2.0);
    painter.drawImage(0, 0, source);
    painter.end();
    auto data = std::make_shared<Image::Data>();
    data->image = out;
    data->name = image.name();
    return Image(std::move(data));
}

} // namespace

std::shared_ptr<CDRefreshView> CDRefreshView::create(Rect frame) {
    return std::make_shared<CDRefreshView>(frame);
}

std::shared_ptr<CDRefreshView> CDRefreshView::attachTo(ScrollView& list) {
    auto header = create({0, -kHeight, list.frame().width, kHeight});
    list.addSubview(header);
    return header;
}

CDRefreshView::CDRefreshView(Rect frame) : View(std::make_unique<Data>(), frame) {
    auto* data = d();
    data->upright = Image::named("table_arrow.png");
    data->arrow = ImageView::create(data->upright);
    auto a = data->arrow->frame();
    data->arrow->setFrame({65, 5, a.width, a.height});
    addSubview(data->arrow);

    data->activity = ActivityIndicatorView::create(ActivityIndicatorStyle::Gray);
    data->activity->setFrame({65 + (a.width - 19) / 2, 5 + (a.height - 19) / 2, 19, 19});
    addSubview(data->activity);

    const double x = 65 + a.width + 10;
    data->title = Label::create({x, 12, 200, 20});
    data->title->setFont(Font::boldSystemFont(15));
    data->title->setTextColor(Color::black());
    data->title->setShadow(Color::white(), {0, 1});
    data->title->setBackgroundColor(Color::clear());
    addSubview(data->title);

    data->detail = Label::create({x, 34, 200, 20});
    data->detail->setFont(Font::systemFont(13));
    data->detail->setTextColor(Color::darkGray());
    data->detail->setBackgroundColor(Color::clear());
    addSubview(data->detail);

    updateRefreshState(Normal);
}

CDRefreshView::~CDRefreshView() = default;

CDRefreshView::Data* CDRefreshView::d() const {
    return static_cast<Data*>(impl());
}

void CDRefreshView::updateRefreshState(int state) {
    auto* data = d();
    if (state == data->state || state < Normal || state > Loading)
        return;
    data->state = state;
    if (state == Loading) {
        data->arrow->setHidden(true);
        data->activity->startAnimating();
        data->title->setText("加载中...");
        return;
    }
    data->activity->stopAnimating();
    data->arrow->setHidden(false);
    data->title->setText(state == Ready ? "松开即可刷新" : "下拉可以刷新");
    // The arrow turns by half a turn in 0.25 s.
    data->fromAngle = data->angle;
    data->toAngle = state == Ready ? 180 : 0;
    data->turnStart = platform::Clock::now();
    auto step = [data] {
        const double t = std::min(1.0, (platform::Clock::now() - data->turnStart) / 0.25);
        data->angle = data->fromAngle + (data->toAngle - data->fromAngle) * t;
        data->arrow->setImage(turned(data->upright, data->angle));
        if (t >= 1)
            data->turn.reset();
    };
    data->turn = platform::Timer::schedule(1.0 / 60.0, platform::Repeats::Yes, step);
}

int CDRefreshView::refreshState() const {
    return d()->state;
}

void CDRefreshView::setLastUpdate(const std::string& text) {
    d()->detail->setText("最后更新: " + text);
}

void CDRefreshView::followScroll(const ScrollView& list) {
    if (isDoing())
        return;
    updateRefreshState(list.contentOffset().y < -frame().height ? Ready : Normal);
}

std::shared_ptr<Label> CDRefreshView::titleLabel() const {
    return d()->title;
}

std::shared_ptr<Label> CDRefreshView::detailLabel() const {
    return d()->detail;
}

std::shared_ptr<ImageView> CDRefreshView::arrowView() const {
    return d()->arrow;
}

std::shared_ptr<ActivityIndicatorView> CDRefreshView::activityView() const {
    return d()->activity;
}

double CDRefreshView::arrowAngle() const {
    return d()->angle;
}

} // namespace platform::ui
