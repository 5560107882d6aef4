#include "platform/ui/PageControl.h"

#include "platform/ui/ViewPrivate.h"

#include <QPainter>

#include <algorithm>

namespace platform::ui {

struct PageControl::Data : View::Impl {
    int pages{0};
    int current{0};
    bool hidesForSingle{false};
    std::function<void(PageControl&)> changed;
    ViewWidget* makeWidget() override;
};

namespace {

class PageWidget : public ViewWidget {
public:
    using ViewWidget::ViewWidget;

protected:
    void paintContent(QPainter& painter) override {
        auto* d = static_cast<PageControl::Data*>(m_impl);
        if (!d || d->pages <= 0 || (d->hidesForSingle && d->pages == 1))
            return;
        const double spacing = 16;
        const double start = (width() - spacing * (d->pages - 1)) / 2;
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < d->pages; ++i) {
            painter.setBrush(i == d->current ? QColor(255, 255, 255) : QColor(255, 255, 255, 90));
            painter.drawEllipse(QPointF(start + i * spacing, height() / 2.0), 3.5, 3.5);
        }
    }
};

} // namespace

ViewWidget* PageControl::Data::makeWidget() {
    return new PageWidget(this);
}

std::shared_ptr<PageControl> PageControl::create(Rect frame) {
    return std::make_shared<PageControl>(frame);
}

PageControl::PageControl(Rect frame) : View(std::make_unique<Data>(), frame) {
    addTapHandler(1, [this](Point p) {
        auto* data = d();
        const int before = data->current;
        if (p.x > this->frame().width / 2)
            data->current = std::min(data->pages - 1, data->current + 1);
        else
            data->current = std::max(0, data->current - 1);
        data->update();
        if (data->current != before && data->changed)
            data->changed(*this);
    });
}

PageControl::~PageControl() = default;

PageControl::Data* PageControl::d() const {
    return static_cast<Data*>(impl());
}

int PageControl::numberOfPages() const {
    return d()->pages;
}

void PageControl::setNumberOfPages(int pages) {
    d()->pages = std::max(0, pages);
    d()->current = std::clamp(d()->current, 0, std::max(0, d()->pages - 1));
    d()->update();
}

int PageControl::currentPage() const {
    return d()->current;
}

void PageControl::setCurrentPage(int page) {
    d()->current = std::clamp(page, 0, std::max(0, d()->pages - 1));
    d()->update();
}

void PageControl::setHidesForSinglePage(bool hides) {
    d()->hidesForSingle = hides;
    d()->update();
}

void PageControl::setOnPageChanged(std::function<void(PageControl&)> fn) {
    d()->changed = std::move(fn);
}

} // namespace platform::ui
