// An image loaded from the application's resources or from a file (the
// documents folder holds downloaded weather icons and script pictures).
// Images are shared and immutable; a missing file gives a null image.
//
//   auto arrow = ui::Image::named("table_arrow.png");
//   auto size = arrow.size(); // natural pixel size
#pragma once

#include "platform/ui/Geometry.h"

#include <memory>
#include <string>

namespace platform::ui {

class Image {
public:
    Image() = default;

    // A resource image by file name ("title_normal.png"); cached.
    static Image named(const std::string& name);
    // Any image file; null when it is missing or unreadable.
    static Image fromFile(const std::string& path);

    bool isNull() const;
    explicit operator bool() const { return !isNull(); }
    Size size() const;
    // The file or resource name it came from (empty for a null image).
    const std::string& name() const;

    struct Data;
    const Data* data() const { return m_data.get(); }
    explicit Image(std::shared_ptr<const Data> data) : m_data(std::move(data)) {}

private:
    std::shared_ptr<const Data> m_data;
};

} // namespace platform::ui
