#include "platform/ui/PickerView.h"

#include "platform/ui/TextPaint.h"
#include "platform/ui/ViewPrivate.h"

#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace platform::ui {

struct PickerView::Data : View::Impl {
    PickerViewDelegate* delegate{nullptr};
    std::vector<std::string> titles;
    int selected{0};
    ViewWidget* makeWidget() override;
};

namespace {

class PickerWidget : public ViewWidget {
public:
    using ViewWidget::ViewWidget;

protected:
    PickerView::Data* data() const { return static_cast<PickerView::Data*>(m_impl); }

    void paintContent(QPainter& painter) override {
        auto* d = data();
        if (!d)
            return;
        const double w = width();
        const double h = height();
        const double mid = h / 2;
        QLinearGradient shade(0, 0, 0, h);
        shade.setColorAt(0, QColor(200, 200, 205));
        shade.setColorAt(0.25, QColor(255, 255, 255));
        shade.setColorAt(0.75, QColor(255, 255, 255));
        shade.setColorAt(1, QColor(200, 200, 205));
        painter.fillRect(QRectF(10, 0, w - 20, h), shade);
        const double rowH = PickerView::kRowHeight;
        painter.fillRect(QRectF(6, mid - rowH / 2, w - 12, rowH), QColor(190, 205, 240, 170));
        painter.setPen(QColor(120, 130, 160));
        painter.drawRect(QRectF(6, mid - rowH / 2, w - 12, rowH));
        for (int row = 0; row < static_cast<int>(d->titles.size()); ++row) {
            const double top = mid - rowH / 2 + (row - d->selected) * rowH;
            if (top + rowH < 0 || top > h)
                continue;
            TextStyle style;
            style.text = d->titles[row];
            style.font = row == d->selected ? Font::boldSystemFont(20) : Font::systemFont(18);
            style.alignment = TextAlignment::Center;
            style.shrinkToFit = true;
            paintText(painter, QRectF(20, top, w - 40, rowH), style);
        }
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        auto* d = data();
        if (!d)
            return;
        const double offset = (event->position().y() - height() / 2.0) / PickerView::kRowHeight;
        static_cast<PickerView*>(d->owner)->chooseRow(d->selected + static_cast<int>(std::lround(offset)));
    }

    void mousePressEvent(QMouseEvent* event) override { event->accept(); }

    void wheelEvent(QWheelEvent* event) override {
        auto* d = data();
        if (!d)
            return;
        const int step = event->angleDelta().y() > 0 ? -1 : 1;
        static_cast<PickerView*>(d->owner)->chooseRow(
            std::clamp(d->selected + step, 0, static_cast<int>(d->titles.size()) - 1));
    }
};

} // namespace

ViewWidget* PickerView::Data::makeWidget() {
    return new PickerWidget(this);
}

std::shared_ptr<PickerView> PickerView::create(Rect frame) {
    return std::make_shared<PickerView>(frame);
}

PickerView::PickerView(Rect frame) : View(std::make_unique<Data>(), frame) {
    setBackgroundColor(Color::rgb(60, 62, 70));
}

PickerView::~PickerView() = default;

PickerView::Data* PickerView::d() const {
    return static_cast<Data*>(impl());
}

void PickerView::setDelegate(PickerViewDelegate* delegate) {
    d()->delegate = delegate;
    reloadAllComponents();
}

void PickerView::reloadAllComponents() {
    auto* data = d();
    data->titles.clear();
    if (data->delegate) {
        auto keep = retainView(this);
        const int count = std::max(0, data->delegate->pickerViewNumberOfRows(*this));
        for (int row = 0; row < count; ++row)
            data->titles.push_back(data->delegate->pickerViewTitleForRow(*this, row));
    }
    data->selected = std::clamp(data->selected, 0, std::max(0, static_cast<int>(data->titles.size()) - 1));
    data->update();
}

int PickerView::numberOfRows() const {
    return static_cast<int>(d()->titles.size());
}

std::string PickerView::titleForRow(int row) const {
    return row >= 0 && row < numberOfRows() ? d()->titles[row] : std::string{};
}

int PickerView::selectedRow() const {
    return numberOfRows() == 0 ? -1 : d()->selected;
}

void PickerView::selectRow(int row, bool) {
    if (row < 0 || row >= numberOfRows())
        return;
    d()->selected = row;
    d()->update();
}

bool PickerView::chooseRow(int row) {
    if (row < 0 || row >= numberOfRows())
        return false;
    auto keep = retainView(this);
    selectRow(row);
    if (d()->delegate)
        d()->delegate->pickerViewDidSelectRow(*this, row);
    return true;
}

} // namespace platform::ui
