#include "platform/TextFile.h"

#include "platform/AtomicFile.h"

#include <cstdint>

namespace platform {

bool isValidUtf8(std::string_view text) {
    static const uint32_t minimum[] = {0, 0x80, 0x800, 0x10000};
    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
        auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t extra = 0;
        uint32_t cp = 0;
        if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= n)
            return false;
        for (size_t k = 1; k <= extra; ++k) {
            auto cc = static_cast<unsigned char>(text[i + k]);
            if ((cc & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

std::optional<std::string> readTextFile(const std::string& path) {
    auto bytes = readWholeFile(path);
    if (!bytes || !isValidUtf8(*bytes))
        return std::nullopt;
    if (bytes->compare(0, 3, "\xEF\xBB\xBF") == 0)
        bytes->erase(0, 3);
    return bytes;
}

bool writeTextFile(const std::string& path, std::string_view text) {
    return writeFileAtomically(path, text);
}

} // namespace platform
