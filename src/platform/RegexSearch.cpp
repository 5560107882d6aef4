#include "platform/RegexSearch.h"

#include "platform/Log.h"

#include <QRegularExpression>
#include <QString>

namespace platform {

namespace {

// QString offsets count UTF-16 units; characters outside the BMP take two.
size_t codePointsBefore(const QString& text, qsizetype utf16Offset) {
    size_t count = 0;
    for (qsizetype i = 0; i < utf16Offset; ++i) {
        if (text.at(i).isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate())
            continue;
        ++count;
    }
    return count;
}

} // namespace

std::optional<RegexMatch> firstMatch(const std::string& pattern, const std::string& text) {
    QRegularExpression expression(QString::fromStdString(pattern));
    if (!expression.isValid()) {
        logf("invalid regular expression {}: {}", pattern, expression.errorString().toStdString());
        return std::nullopt;
    }
    const QString subject = QString::fromStdString(text);
    const auto match = expression.match(subject);
    if (!match.hasMatch())
        return std::nullopt;
    RegexMatch result;
    result.text = match.captured(0).toStdString();
    const auto start = match.capturedStart(0);
    result.location = codePointsBefore(subject, start);
    result.length = codePointsBefore(subject, match.capturedEnd(0)) - result.location;
    return result;
}

} // namespace platform
