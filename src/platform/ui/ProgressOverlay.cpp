#include "platform/ui/ProgressOverlay.h"

#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/Label.h"

#include <map>

namespace platform::ui {

namespace {

struct Entry {
    std::weak_ptr<View> host;
    // The host owns the overlay as its subview.
    std::weak_ptr<View> overlay;
    int count{0};
};

std::map<const View*, Entry>& entries() {
    // Never destroyed: overlays still showing at exit must not be torn down
    // after the toolkit itself is gone.
    static auto* map = new std::map<const View*, Entry>;
    return *map;
}

// The entry of a live view; a stale entry (a view gone, its address reused)
// is dropped first.
Entry* entryFor(const View& view) {
    auto& map = entries();
    auto it = map.find(&view);
    if (it == map.end())
        return nullptr;
    if (it->second.host.lock().get() != &view) {
        map.erase(it);
        return nullptr;
    }
    return &it->second;
}

std::shared_ptr<View> makeOverlay(const View& host) {
    auto overlay = View::create(host.bounds());
    // While it shows, the view under it takes no touches.
    overlay->addTapHandler(1, [](Point) {});
    const double size = 100;
    auto box =
        View::create({(host.bounds().width - size) / 2, (host.bounds().height - size) / 2, size, size});
    box->setBackgroundColor(Color{0, 0, 0, 0.75});
    box->setCornerRadius(10);
    box->setUserInteractionEnabled(false);
    auto wheel = ActivityIndicatorView::create(ActivityIndicatorStyle::WhiteLarge);
    wheel->setFrame({(size - 37) / 2, 20, 37, 37});
    wheel->startAnimating();
    box->addSubview(wheel);
    auto label = Label::create({0, 66, size, 20});
    label->setText("加载中...");
    label->setTextColor(Color::white());
    label->setFont(Font::boldSystemFont(14));
    label->setTextAlignment(TextAlignment::Center);
    box->addSubview(label);
    overlay->addSubview(box);
    return overlay;
}

void removeWhenHidden(const View* key, bool animated) {
    auto it = entries().find(key);
    if (it == entries().end())
        return;
    auto overlay = it->second.overlay.lock();
    if (!overlay) {
        entries().erase(it);
        return;
    }
    if (!animated) {
        overlay->removeFromSuperview();
        entries().erase(it);
        return;
    }
    View::animate(
        0.3, [&] { overlay->setAlpha(0); },
        [key, overlay](bool) {
            // A show during the fade took the overlay back.
            auto it = entries().find(key);
            if (it != entries().end() && it->second.overlay.lock() == overlay && it->second.count > 0)
                return;
            overlay->removeFromSuperview();
            if (it != entries().end() && it->second.overlay.lock() == overlay)
                entries().erase(it);
        });
}

} // namespace

void ProgressOverlay::show(View& view, bool animated) {
    auto host = view.weak_from_this().lock();
    if (!host)
        return;
    Entry* entry = entryFor(view);
    if (!entry) {
        entry = &entries()[&view];
        entry->host = host;
    }
    if (entry->count++ > 0)
        return;
    auto overlay = entry->overlay.lock();
    if (!overlay || !overlay->superview()) {
        overlay = makeOverlay(view);
        entry->overlay = overlay;
        overlay->setAlpha(animated ? 0 : 1);
        view.addSubview(overlay);
    } else {
        view.bringSubviewToFront(*overlay);
    }
    if (animated)
        View::animate(0.3, [&] { overlay->setAlpha(1); });
    else
        overlay->setAlpha(1);
}

void ProgressOverlay::hide(View& view, bool animated) {
    Entry* entry = entryFor(view);
    if (!entry || entry->count == 0)
        return;
    if (--entry->count > 0)
        return;
    removeWhenHidden(&view, animated);
}

void ProgressOverlay::hideAll(View& view, bool animated) {
    Entry* entry = entryFor(view);
    if (!entry || entry->count == 0)
        return;
    entry->count = 0;
    removeWhenHidden(&view, animated);
}

int ProgressOverlay::count(const View& view) {
    Entry* entry = entryFor(view);
    return entry ? entry->count : 0;
}

std::shared_ptr<View> ProgressOverlay::overlayOver(const View& view) {
    Entry* entry = entryFor(view);
    return entry && entry->count > 0 ? entry->overlay.lock() : nullptr;
}

} // namespace platform::ui
