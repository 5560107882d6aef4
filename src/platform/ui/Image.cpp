#include "platform/Paths.h"
#include "platform/ui/ViewPrivate.h"

#include <map>
#include <mutex>

namespace platform::ui {

Image Image::named(const std::string& name) {
    static std::mutex mutex;
    static std::map<std::string, Image> cache;
    std::lock_guard lock(mutex);
    if (auto it = cache.find(name); it != cache.end())
        return it->second;
    Image image = fromFile(resourcePath(name));
    if (image)
        cache[name] = image;
    return image;
}

Image Image::fromFile(const std::string& path) {
    if (path.empty())
        return {};
    QImage loaded(toQString(path));
    if (loaded.isNull())
        return {};
    auto data = std::make_shared<Data>();
    data->image = loaded.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    data->name = path.substr(path.find_last_of('/') + 1);
    return Image(std::move(data));
}

bool Image::isNull() const {
    return !m_data || m_data->image.isNull();
}

Size Image::size() const {
    if (isNull())
        return {};
    return {static_cast<double>(m_data->image.width()), static_cast<double>(m_data->image.height())};
}

const std::string& Image::name() const {
    static const std::string empty;
    return m_data ? m_data->name : empty;
}

} // namespace platform::ui
