#include "Classes/ShowBusLines.h"

std::shared_ptr<platform::ui::View> ShowBusLines::loadView() {
    return platform::ui::View::create(platform::ui::Rect{0, 0, 320, 460});
}
