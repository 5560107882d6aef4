#include "Global/MyString.h"

namespace {

// Length in bytes of a space character at text[i], 0 when there is none.
size_t spaceAt(std::string_view text, size_t i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == ' ' || c == '\t' || c == '\v' || c == '\f')
        return 1;
    auto is = [&](const char* seq, size_t n) { return text.substr(i, n) == std::string_view(seq, n); };
    if (c == 0xC2 && is("\xC2\xA0", 2)) // no-break space
        return 2;
    if (c == 0xE3 && is("\xE3\x80\x80", 3)) // ideographic space
        return 3;
    if (c == 0xE2 && i + 2 < text.size()) {
        const unsigned char b1 = static_cast<unsigned char>(text[i + 1]);
        const unsigned char b2 = static_cast<unsigned char>(text[i + 2]);
        if (b1 == 0x80 && ((b2 >= 0x80 && b2 <= 0x8A) || b2 == 0xAF)) // en quad .. hair space, narrow nbsp
            return 3;
        if (b1 == 0x81 && b2 == 0x9F) // medium mathematical space
            return 3;
    }
    return 0;
}

// Length in bytes of a space character that ends at text[end - 1], 0 when none.
size_t spaceBefore(std::string_view text, size_t end) {
    for (size_t n = 1; n <= 3 && n <= end; ++n) {
        const size_t at = end - n;
        if (spaceAt(text, at) == n)
            return n;
    }
    return 0;
}

} // namespace

size_t MyString::charLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
}

std::vector<std::string> MyString::split(std::string_view text) {
    std::vector<std::string> lines;
    std::string current;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue; // the "\n" that follows ends the line
        if (c == '\n') {
            lines.push_back(std::move(current));
            current.clear();
            continue;
        }
        current.push_back(c);
    }
    lines.push_back(std::move(current));
    return lines;
}

std::string MyString::trim(std::string_view text) {
    size_t begin = 0;
    while (begin < text.size()) {
        const size_t n = spaceAt(text, begin);
        if (n == 0)
            break;
        begin += n;
    }
    size_t end = text.size();
    while (end > begin) {
        const size_t n = spaceBefore(text, end);
        if (n == 0 || end - n < begin)
            break;
        end -= n;
    }
    return std::string(text.substr(begin, end - begin));
}

int MyString::length(std::string_view text) {
    int count = 0;
    for (size_t i = 0; i < text.size(); i += charLength(static_cast<unsigned char>(text[i])))
        ++count;
    return count;
}

int MyString::indexOf(std::string_view text, std::string_view part) {
    const size_t at = text.find(part);
    if (at == std::string_view::npos)
        return -1;
    return length(text.substr(0, at));
}

std::optional<std::string> MyString::subString(std::string_view text, int start, int end) {
    if (start < 0 || end < start)
        return std::nullopt;
    const int total = length(text);
    if (start > total || end > total)
        return std::nullopt;
    size_t i = 0;
    int index = 0;
    size_t from = text.size();
    size_t to = text.size();
    for (; i <= text.size(); ++index) {
        if (index == start)
            from = i;
        if (index == end) {
            to = i;
            break;
        }
        if (i == text.size())
            break;
        i += charLength(static_cast<unsigned char>(text[i]));
        if (i > text.size())
            i = text.size();
    }
    return std::string(text.substr(from, to - from));
}

bool MyString::startsWith(std::string_view text, std::string_view part) {
    return text.size() >= part.size() && text.compare(0, part.size(), part) == 0;
}

bool MyString::endsWith(std::string_view text, std::string_view part) {
    return text.size() >= part.size() && text.compare(text.size() - part.size(), part.size(), part) == 0;
}

bool MyString::contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}
