#include "platform/ui/TextPaint.h"

#include "platform/ui/ViewPrivate.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace platform::ui {

namespace {

Qt::Alignment horizontal(TextAlignment alignment) {
    switch (alignment) {
    case TextAlignment::Center:
        return Qt::AlignHCenter;
    case TextAlignment::Right:
        return Qt::AlignRight;
    case TextAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace

double fittedFontSize(const TextStyle& style, double width) {
    double size = style.font.size;
    if (!style.shrinkToFit || style.lines != 1 || width <= 0)
        return size;
    Font font = style.font;
    const QString text = toQString(style.text);
    while (size > style.minimumFontSize) {
        font.size = size;
        if (QFontMetricsF(toQFont(font)).horizontalAdvance(text) <= width)
            break;
        size -= 0.5;
    }
    return std::max(size, style.minimumFontSize);
}

Size measureText(const TextStyle& style, double width) {
    Font font = style.font;
    font.size = fittedFontSize(style, width);
    QFontMetricsF metrics(toQFont(font));
    const QString text = toQString(style.text);
    if (style.lines == 1)
        return {std::ceil(metrics.horizontalAdvance(text)), std::ceil(metrics.height())};
    QRectF bound = metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap | Qt::AlignLeft, text);
    double height = bound.height();
    if (style.lines > 1)
        height = std::min(height, metrics.lineSpacing() * style.lines);
    return {std::ceil(bound.width()), std::ceil(height)};
}

void paintText(QPainter& painter, const QRectF& rect, const TextStyle& style) {
    if (style.text.empty())
        return;
    Font font = style.font;
    font.size = fittedFontSize(style, rect.width());
    const QFont qfont = toQFont(font);
    painter.setFont(qfont);
    QFontMetricsF metrics(qfont);
    QString text = toQString(style.text);
    int flags = horizontal(style.alignment) | Qt::AlignVCenter;
    if (style.lines == 1) {
        text = metrics.elidedText(text, Qt::ElideRight, rect.width() + 0.5);
        flags |= Qt::TextSingleLine;
    } else {
        flags |= Qt::TextWordWrap;
        if (style.lines > 1) {
            // Keep at most the given number of lines, centred.
            QRectF need = metrics.boundingRect(QRectF(0, 0, rect.width(), 1e6), Qt::TextWordWrap, text);
            if (need.height() > metrics.lineSpacing() * style.lines)
                flags = (flags & ~Qt::AlignVCenter) | Qt::AlignTop;
        }
    }
    if (!style.shadowColor.isClear()) {
        painter.setPen(toQColor(style.shadowColor));
        painter.drawText(rect.translated(style.shadowOffset.width, style.shadowOffset.height), flags, text);
    }
    painter.setPen(toQColor(style.color));
    painter.drawText(rect, flags, text);
}

} // namespace platform::ui
