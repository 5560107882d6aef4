#include "platform/DateFormat.h"

#include <QDateTime>
#include <QLocale>
#include <QTimeZone>

#include <cmath>

namespace platform {

std::string formatDate(double secondsSinceEpoch, const std::string& pattern) {
    // Beyond about 290 million years the milliseconds no longer fit.
    if (!std::isfinite(secondsSinceEpoch) || std::fabs(secondsSinceEpoch) > 9e15)
        return {};
    const auto msecs = static_cast<qint64>(std::llround(secondsSinceEpoch * 1000.0));
    const auto when = QDateTime::fromMSecsSinceEpoch(msecs, Qt::LocalTime);
    return QLocale::c().toString(when, QString::fromStdString(pattern)).toStdString();
}

std::optional<double> parseDate(const std::string& text, const std::string& pattern) {
    if (text.empty())
        return std::nullopt;
    const auto when = QLocale::c().toDateTime(QString::fromStdString(text), QString::fromStdString(pattern));
    if (!when.isValid())
        return std::nullopt;
    return static_cast<double>(when.toMSecsSinceEpoch()) / 1000.0;
}

} // namespace platform
