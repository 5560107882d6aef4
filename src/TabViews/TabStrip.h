// The strip of tab buttons across the top of the Home, Inquire and Favourites
// pages: 96 x 38 buttons at x = 2 + 100 i, black titles on "title_normal.png",
// the selected one red on "title_click.png".
#pragma once

#include "platform/ui/Button.h"
#include "platform/ui/ScrollView.h"

#include <memory>
#include <string>

namespace TabStrip {

// A horizontal strip without bounce and with a transparent background.
std::shared_ptr<platform::ui::ScrollView> makeStrip(platform::ui::Rect frame, platform::ui::Size contentSize);
// A tab button at x, styled as selected or not, added to the strip.
std::shared_ptr<platform::ui::Button> addTabButton(platform::ui::ScrollView& strip, double x,
                                                   const std::string& title, bool selected);
void setSelected(platform::ui::Button& button, bool selected);

} // namespace TabStrip
