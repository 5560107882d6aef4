#include "platform/Md5.h"

#include <QByteArray>
#include <QCryptographicHash>

namespace platform {

std::string md5Hex(std::string_view bytes) {
    const auto digest = QCryptographicHash::hash(
        QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())), QCryptographicHash::Md5);
    return digest.toHex().toStdString();
}

} // namespace platform
