#include "platform/ui/Label.h"

#include "platform/ui/TextPaint.h"
#include "platform/ui/ViewPrivate.h"

#include <QFontMetricsF>
#include <QPainter>

namespace platform::ui {

struct Label::Data : View::Impl {
    TextStyle style;
    bool highlighted{false};
    Color highlightedColor{Color::white()};
    ViewWidget* makeWidget() override;
};

namespace {

class LabelWidget : public ViewWidget {
public:
    using ViewWidget::ViewWidget;

protected:
    void paintContent(QPainter& painter) override {
        if (!m_impl)
            return;
        auto* data = static_cast<Label::Data*>(m_impl);
        if (!data->highlighted) {
            paintText(painter, QRectF(0, 0, width(), height()), data->style);
            return;
        }
        TextStyle style = data->style;
        style.color = data->highlightedColor;
        style.shadowColor = Color::clear();
        paintText(painter, QRectF(0, 0, width(), height()), style);
    }
};

} // namespace

ViewWidget* Label::Data::makeWidget() {
    return new LabelWidget(this);
}

std::shared_ptr<Label> Label::create(Rect frame) {
    return std::make_shared<Label>(frame);
}

Label::Label(Rect frame) : View(std::make_unique<Data>(), frame) {
    // Labels let touches through to what lies under them.
    setUserInteractionEnabled(false);
}

Label::~Label() = default;

Label::Data* Label::d() const {
    return static_cast<Data*>(impl());
}

std::string Label::text() const {
    return d()->style.text;
}

void Label::setText(const std::string& text) {
    d()->style.text = text;
    d()->update();
}

Font Label::font() const {
    return d()->style.font;
}

void Label::setFont(const Font& font) {
    d()->style.font = font;
    d()->update();
}

Color Label::textColor() const {
    return d()->style.color;
}

void Label::setTextColor(Color color) {
    d()->style.color = color;
    d()->update();
}

void Label::setShadow(Color color, Size offset) {
    d()->style.shadowColor = color;
    d()->style.shadowOffset = offset;
    d()->update();
}

Color Label::shadowColor() const {
    return d()->style.shadowColor;
}

Size Label::shadowOffset() const {
    return d()->style.shadowOffset;
}

TextAlignment Label::textAlignment() const {
    return d()->style.alignment;
}

void Label::setTextAlignment(TextAlignment alignment) {
    d()->style.alignment = alignment;
    d()->update();
}

int Label::numberOfLines() const {
    return d()->style.lines;
}

void Label::setNumberOfLines(int lines) {
    d()->style.lines = std::max(0, lines);
    d()->update();
}

void Label::setAdjustsFontSizeToFitWidth(bool adjust, double minimumFontSize) {
    d()->style.shrinkToFit = adjust;
    d()->style.minimumFontSize = minimumFontSize;
    d()->update();
}

bool Label::adjustsFontSizeToFitWidth() const {
    return d()->style.shrinkToFit;
}

void Label::setHighlighted(bool highlighted) {
    d()->highlighted = highlighted;
    d()->update();
}

bool Label::isHighlighted() const {
    return d()->highlighted;
}

void Label::setHighlightedTextColor(Color color) {
    d()->highlightedColor = color;
    d()->update();
}

double Label::drawnFontSize() const {
    return fittedFontSize(d()->style, frame().width);
}

Size Label::sizeThatFits(double width) const {
    return measureText(d()->style, width);
}

void Label::sizeToFit() {
    auto f = frame();
    auto size = sizeThatFits(d()->style.lines == 1 ? 100000.0 : f.width);
    setFrame({f.x, f.y, size.width, size.height});
}

} // namespace platform::ui
