#include "platform/Utf8.h"

namespace platform::utf8 {

namespace {

// Length of the sequence that starts at text[i], or 0 when it is not valid UTF-8.
size_t sequenceLength(std::string_view text, size_t i)
{
    auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char c = byte(i);
    size_t n = 0;
    unsigned int min = 0;
    unsigned int cp = 0;
    if (c < 0x80)
        return 1;
    if ((c & 0xE0) == 0xC0) {
        n = 2;
        cp = c & 0x1F;
        min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        n = 3;
        cp = c & 0x0F;
        min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        n = 4;
        cp = c & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + n > text.size())
        return 0;
    for (size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return n;
}

size_t step(std::string_view text, size_t i)
{
    size_t n = sequenceLength(text, i);
    return n == 0 ? 1 : n;
}

} // namespace

bool isValid(std::string_view text)
{
    for (size_t i = 0; i < text.size();) {
        size_t n = sequenceLength(text, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

size_t length(std::string_view text)
{
    size_t count = 0;
    for (size_t i = 0; i < text.size(); i += step(text, i))
        ++count;
    return count;
}

std::string substr(std::string_view text, size_t start, size_t count)
{
    size_t i = 0;
    for (size_t k = 0; k < start && i < text.size(); ++k)
        i += step(text, i);
    size_t end = i;
    for (size_t k = 0; k < count && end < text.size(); ++k)
        end += step(text, end);
    return std::string(text.substr(i, end - i));
}

} // namespace platform::utf8
