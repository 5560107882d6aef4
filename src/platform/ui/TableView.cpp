#include "platform/ui/TableView.h"

#include "platform/ui/ScrollViewPrivate.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace platform::ui {

// --- cell -------------------------------------------------------------------------

struct TableViewCell::Data : View::Impl {
    TableViewCellStyle style{TableViewCellStyle::Default};
    std::string reuseIdentifier;
    std::shared_ptr<View> content;
    std::shared_ptr<Label> text;
    std::shared_ptr<Label> detail;
    std::shared_ptr<ImageView> image;
    std::shared_ptr<View> accessoryView;
    TableViewCellAccessory accessory{TableViewCellAccessory::None};
    TableViewCellSelectionStyle selectionStyle{TableViewCellSelectionStyle::Blue};
    bool selected{false};
    bool separator{true};
    Color separatorColor{Color::rgb(224, 224, 224)};
    ViewWidget* makeWidget() override;
};

namespace {

class CellWidget : public ViewWidget {
public:
    using ViewWidget::ViewWidget;

protected:
    void paintContent(QPainter& painter) override {
        auto* d = static_cast<TableViewCell::Data*>(m_impl);
        if (!d)
            return;
        const double w = width();
        const double h = height();
        if (d->selected && d->selectionStyle != TableViewCellSelectionStyle::None) {
            QLinearGradient g(0, 0, 0, h);
            if (d->selectionStyle == TableViewCellSelectionStyle::Blue) {
                g.setColorAt(0, QColor(5, 140, 245));
                g.setColorAt(1, QColor(1, 93, 230));
            } else {
                g.setColorAt(0, QColor(190, 190, 190));
                g.setColorAt(1, QColor(150, 150, 150));
            }
            painter.fillRect(QRectF(0, 0, w, h), g);
        }
        const QColor mark = d->selected ? QColor(Qt::white) : QColor(128, 128, 128);
        QPen pen(mark);
        pen.setWidthF(2.5);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        switch (d->accessory) {
        case TableViewCellAccessory::None:
            break;
        case TableViewCellAccessory::DisclosureIndicator:
            painter.setPen(pen);
            painter.drawPolyline(
                QPolygonF({QPointF(w - 20, h / 2 - 5), QPointF(w - 15, h / 2), QPointF(w - 20, h / 2 + 5)}));
            break;
        case TableViewCellAccessory::Checkmark:
            pen.setColor(d->selected ? QColor(Qt::white) : QColor(50, 79, 133));
            painter.setPen(pen);
            painter.drawPolyline(
                QPolygonF({QPointF(w - 26, h / 2), QPointF(w - 21, h / 2 + 5), QPointF(w - 12, h / 2 - 6)}));
            break;
        case TableViewCellAccessory::DetailDisclosureButton: {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(40, 110, 220));
            painter.drawEllipse(QPointF(w - 22, h / 2), 11, 11);
            QPen white(Qt::white);
            white.setWidthF(2.5);
            white.setCapStyle(Qt::RoundCap);
            painter.setPen(white);
            painter.drawPolyline(
                QPolygonF({QPointF(w - 24, h / 2 - 5), QPointF(w - 19, h / 2), QPointF(w - 24, h / 2 + 5)}));
            break;
        }
        }
        if (d->separator) {
            painter.setPen(toQColor(d->separatorColor));
            painter.drawLine(QPointF(0, h - 0.5), QPointF(w, h - 0.5));
        }
    }
};

} // namespace

ViewWidget* TableViewCell::Data::makeWidget() {
    auto* widget = new CellWidget(this);
    // Touches go to the table, which tells taps from drags.
    widget->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    return widget;
}

std::shared_ptr<TableViewCell> TableViewCell::create(TableViewCellStyle style,
                                                     const std::string& reuseIdentifier) {
    return std::make_shared<TableViewCell>(style, reuseIdentifier);
}

TableViewCell::TableViewCell(TableViewCellStyle style, const std::string& reuseIdentifier)
    : View(std::make_unique<Data>(), {0, 0, 320, 44}) {
    auto* data = d();
    data->style = style;
    data->reuseIdentifier = reuseIdentifier;
    setBackgroundColor(Color::white());
    data->content = View::create({0, 0, 320, 44});
    data->content->setUserInteractionEnabled(true);
    addSubview(data->content);
    data->image = ImageView::create();
    data->text = Label::create();
    data->text->setFont(style == TableViewCellStyle::Value2 ? Font::boldSystemFont(15)
                                                            : Font::boldSystemFont(18));
    data->detail = Label::create();
    switch (style) {
    case TableViewCellStyle::Value1:
        data->detail->setFont(Font::systemFont(17));
        data->detail->setTextColor(Color::rgb(56, 84, 135));
        data->detail->setTextAlignment(TextAlignment::Right);
        break;
    case TableViewCellStyle::Value2:
        data->detail->setFont(Font::boldSystemFont(12));
        data->detail->setTextColor(Color::rgb(82, 102, 145));
        data->detail->setTextAlignment(TextAlignment::Right);
        break;
    default:
        data->detail->setFont(Font::systemFont(14));
        data->detail->setTextColor(Color::gray());
        break;
    }
    data->content->addSubview(data->image);
    data->content->addSubview(data->text);
    data->content->addSubview(data->detail);
    layoutSubviews();
}

TableViewCell::~TableViewCell() = default;

TableViewCell::Data* TableViewCell::d() const {
    return static_cast<Data*>(impl());
}

std::shared_ptr<Label> TableViewCell::textLabel() const {
    return d()->text;
}

std::shared_ptr<Label> TableViewCell::detailTextLabel() const {
    return d()->detail;
}

std::shared_ptr<ImageView> TableViewCell::imageView() const {
    return d()->image;
}

std::shared_ptr<View> TableViewCell::contentView() const {
    return d()->content;
}

TableViewCellStyle TableViewCell::style() const {
    return d()->style;
}

const std::string& TableViewCell::reuseIdentifier() const {
    return d()->reuseIdentifier;
}

TableViewCellAccessory TableViewCell::accessoryType() const {
    return d()->accessory;
}

void TableViewCell::setAccessoryType(TableViewCellAccessory accessory) {
    d()->accessory = accessory;
    layoutSubviews();
    d()->update();
}

void TableViewCell::setAccessoryView(std::shared_ptr<View> view) {
    if (d()->accessoryView)
        d()->accessoryView->removeFromSuperview();
    d()->accessoryView = std::move(view);
    if (d()->accessoryView)
        addSubview(d()->accessoryView);
    layoutSubviews();
}

std::shared_ptr<View> TableViewCell::accessoryView() const {
    return d()->accessoryView;
}

void TableViewCell::setSelectionStyle(TableViewCellSelectionStyle style) {
    d()->selectionStyle = style;
}

TableViewCellSelectionStyle TableViewCell::selectionStyle() const {
    return d()->selectionStyle;
}

bool TableViewCell::isSelected() const {
    return d()->selected;
}

void TableViewCell::setSelected(bool selected, bool) {
    auto* data = d();
    data->selected = selected;
    // Texts turn white on the selection colour.
    const bool highlight = selected && data->selectionStyle != TableViewCellSelectionStyle::None;
    data->text->setHighlighted(highlight);
    data->detail->setHighlighted(highlight);
    data->update();
    data->content->impl()->update();
}

std::string TableViewCell::displayedText() const {
    return d()->text->text();
}

void TableViewCell::layoutSubviews() {
    auto* data = d();
    if (!data->content)
        return;
    const auto f = frame();
    double right = f.width;
    if (data->accessoryView) {
        auto a = data->accessoryView->frame();
        data->accessoryView->setFrame({f.width - a.width - 10, (f.height - a.height) / 2, a.width, a.height});
        right = f.width - a.width - 20;
    } else if (data->accessory != TableViewCellAccessory::None) {
        right = f.width - 33;
    }
    data->content->setFrame({0, 0, right, f.height});
    double x = 10;
    if (auto image = data->image->image()) {
        auto s = image.size();
        const double h = std::min(s.height, f.height);
        const double w = s.height > 0 ? s.width * h / s.height : 0;
        data->image->setFrame({0, (f.height - h) / 2, w, h});
        x = w + 10;
    } else {
        data->image->setFrame({});
    }
    const double width = std::max(0.0, right - x - 10);
    switch (data->style) {
    case TableViewCellStyle::Default:
        data->text->setFrame({x, 0, width, f.height});
        data->detail->setFrame({});
        break;
    case TableViewCellStyle::Subtitle:
        data->text->setFrame({x, 2, width, f.height * 0.55});
        data->detail->setFrame({x, f.height * 0.55, width, f.height * 0.4});
        break;
    case TableViewCellStyle::Value1:
        data->text->setFrame({x, 0, width * 0.6, f.height});
        data->detail->setFrame({x + width * 0.4, 0, width * 0.6, f.height});
        break;
    case TableViewCellStyle::Value2:
        data->detail->setFrame({x, 0, 70, f.height});
        data->text->setFrame({x + 76, 0, std::max(0.0, width - 76), f.height});
        break;
    }
}

// --- table -------------------------------------------------------------------------

struct TableView::Data : ScrollView::Data {
    TableViewDataSource* dataSource{nullptr};
    TableViewDelegate* tableDelegate{nullptr};
    std::vector<std::shared_ptr<TableViewCell>> cells;
    std::vector<double> offsets; // top of each row, plus the end
    double rowHeight{44};
    bool separators{true};
    Color separatorColor{Color::rgb(224, 224, 224)};
    bool allowsSelection{true};
    int selected{-1};
    ViewWidget* makeWidget() override;
};

namespace {

class TableWidget : public ScrollWidget {
public:
    using ScrollWidget::ScrollWidget;

protected:
    void tapAt(Point point) override {
        if (!m_impl)
            return;
        auto* table = static_cast<TableView*>(m_impl->owner);
        const int row = table->rowAtPoint(point);
        if (row >= 0)
            table->selectRowByTap(row);
    }
};

} // namespace

ViewWidget* TableView::Data::makeWidget() {
    return new TableWidget(this);
}

std::shared_ptr<TableView> TableView::create(Rect frame, TableViewStyle style) {
    return std::make_shared<TableView>(frame, style);
}

TableView::TableView(Rect frame, TableViewStyle) : ScrollView(std::make_unique<Data>(), frame) {
    setBackgroundColor(Color::white());
}

TableView::~TableView() = default;

TableView::Data* TableView::d() const {
    return static_cast<Data*>(impl());
}

void TableView::setDataSource(TableViewDataSource* dataSource) {
    d()->dataSource = dataSource;
}

void TableView::setDelegate(TableViewDelegate* delegate) {
    d()->tableDelegate = delegate;
    ScrollView::setDelegate(delegate);
}

TableViewDelegate* TableView::tableDelegate() const {
    return d()->tableDelegate;
}

void TableView::reloadData() {
    auto keep = retainView(this);
    auto* data = d();
    for (auto& cell : data->cells)
        cell->removeFromSuperview();
    data->cells.clear();
    data->offsets.assign(1, 0.0);
    data->selected = -1;
    if (!data->dataSource) {
        setContentSize({frame().width, 0});
        return;
    }
    const int count = std::max(0, data->dataSource->tableViewNumberOfRows(*this));
    double y = 0;
    for (int row = 0; row < count; ++row) {
        double h = data->tableDelegate ? data->tableDelegate->tableViewHeightForRow(*this, row) : -1;
        if (h < 0)
            h = data->rowHeight;
        auto cell = data->dataSource->tableViewCellForRow(*this, row);
        if (!cell)
            cell = TableViewCell::create();
        y += h;
        data->offsets.push_back(y);
        data->cells.push_back(cell);
    }
    layoutRows();
    for (auto& cell : data->cells)
        addSubview(cell);
    setContentSize({frame().width, y});
    // Keep the offset inside the new content.
    auto offset = contentOffset();
    const double maxY = std::max(0.0, y - frame().height);
    if (!isDragging() && offset.y > maxY)
        setContentOffset({offset.x, maxY});
}

void TableView::layoutRows() {
    auto* data = d();
    const double width = frame().width;
    for (size_t row = 0; row < data->cells.size(); ++row) {
        auto& cell = data->cells[row];
        cell->d()->separator = data->separators;
        cell->d()->separatorColor = data->separatorColor;
        cell->setFrame({0, data->offsets[row], width, data->offsets[row + 1] - data->offsets[row]});
    }
}

void TableView::setFrame(Rect frame) {
    ScrollView::setFrame(frame);
    layoutRows();
    if (!d()->offsets.empty())
        setContentSize({frame.width, d()->offsets.back()});
}

int TableView::numberOfRows() const {
    return static_cast<int>(d()->cells.size());
}

std::shared_ptr<TableViewCell> TableView::cellForRow(int row) const {
    if (row < 0 || row >= numberOfRows())
        return nullptr;
    return d()->cells[row];
}

Rect TableView::rectForRow(int row) const {
    if (row < 0 || row >= numberOfRows())
        return {};
    return {0, d()->offsets[row], frame().width, d()->offsets[row + 1] - d()->offsets[row]};
}

int TableView::rowAtPoint(Point point) const {
    auto& offsets = d()->offsets;
    if (point.y < 0 || offsets.size() < 2 || point.y >= offsets.back())
        return -1;
    auto it = std::upper_bound(offsets.begin(), offsets.end(), point.y);
    return static_cast<int>(it - offsets.begin()) - 1;
}

double TableView::rowHeight() const {
    return d()->rowHeight;
}

void TableView::setRowHeight(double height) {
    d()->rowHeight = height;
}

void TableView::setSeparatorStyle(TableViewSeparatorStyle style) {
    d()->separators = style == TableViewSeparatorStyle::SingleLine;
    layoutRows();
}

void TableView::setSeparatorColor(Color color) {
    d()->separatorColor = color;
    layoutRows();
}

void TableView::setAllowsSelection(bool allows) {
    d()->allowsSelection = allows;
}

bool TableView::allowsSelection() const {
    return d()->allowsSelection;
}

bool TableView::selectRowByTap(int row) {
    if (!d()->allowsSelection || row < 0 || row >= numberOfRows())
        return false;
    auto keep = retainView(this);
    selectRow(row);
    if (d()->tableDelegate)
        d()->tableDelegate->tableViewDidSelectRow(*this, row);
    return true;
}

void TableView::selectRow(int row, bool) {
    if (row < 0 || row >= numberOfRows())
        return;
    if (d()->selected >= 0 && d()->selected < numberOfRows())
        d()->cells[d()->selected]->setSelected(false);
    d()->selected = row;
    d()->cells[row]->setSelected(true);
}

void TableView::deselectRow(int row, bool) {
    if (row < 0 || row >= numberOfRows())
        return;
    d()->cells[row]->setSelected(false);
    if (d()->selected == row)
        d()->selected = -1;
}

int TableView::indexForSelectedRow() const {
    return d()->selected;
}

} // namespace platform::ui
