// The progress overlay laid over a view while requests run: a dark box with a
// spinning wheel, faded in and out. Shows and hides are counted per view, so
// that two requests over one view do not hide each other's overlay early.
//
//   ui::ProgressOverlay::show(*m_currView);   // request started
//   ui::ProgressOverlay::hide(*m_currView);   // request finished
#pragma once

#include "platform/ui/View.h"

namespace platform::ui {

class ProgressOverlay {
public:
    static void show(View& view, bool animated = true);
    // Takes back one show; the overlay goes when none is left.
    static void hide(View& view, bool animated = true);
    // Takes back every show over the view.
    static void hideAll(View& view, bool animated = true);
    // Outstanding shows over the view.
    static int count(const View& view);
    // The overlay view over the view, while it shows (null otherwise).
    static std::shared_ptr<View> overlayOver(const View& view);
};

} // namespace platform::ui
