// View animations driven by platform::Clock: one repeating tick at 60 Hz moves
// every running animation, so a test advances a 1.0 s fade by hand.
#include "platform/RunLoop.h"
#include "platform/ui/ViewPrivate.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace platform::ui {

namespace {

struct Change {
    std::weak_ptr<View> view;
    const View* key{nullptr};
    int property{0};
    double fromAlpha{0};
    double toAlpha{0};
    Rect fromFrame;
    Rect toFrame;
};

struct Block {
    double duration{0.2};
    double delay{0};
    AnimationCurve curve{AnimationCurve::EaseInOut};
    std::function<void(bool)> didStop;
    std::vector<Change> changes;
};

struct Running {
    double start{0};
    double duration{0};
    AnimationCurve curve{AnimationCurve::EaseInOut};
    std::function<void(bool)> didStop;
    std::vector<Change> changes;
    bool tookOver{false};
};

struct Animator {
    std::vector<Block> open; // nested begin/commit blocks
    std::map<long, Running> running;
    long nextId{1};
    std::unique_ptr<Timer> ticker;
    bool tickerManual{false};
};

Animator& animator() {
    static Animator a;
    return a;
}

double ease(AnimationCurve curve, double t) {
    t = std::clamp(t, 0.0, 1.0);
    switch (curve) {
    case AnimationCurve::Linear:
        return t;
    case AnimationCurve::EaseIn:
        return t * t;
    case AnimationCurve::EaseOut:
        return 1 - (1 - t) * (1 - t);
    case AnimationCurve::EaseInOut:
        break;
    }
    return t < 0.5 ? 2 * t * t : 1 - 2 * (1 - t) * (1 - t);
}

double mix(double a, double b, double t) {
    return a + (b - a) * t;
}

void apply(const Change& c, double t) {
    auto view = c.view.lock();
    if (!view)
        return;
    if (c.property == kAlphaProperty) {
        setDisplayAlpha(*view, mix(c.fromAlpha, c.toAlpha, t));
        return;
    }
    setDisplayFrame(*view, Rect{mix(c.fromFrame.x, c.toFrame.x, t), mix(c.fromFrame.y, c.toFrame.y, t),
                                mix(c.fromFrame.width, c.toFrame.width, t),
                                mix(c.fromFrame.height, c.toFrame.height, t)});
}

void tick();

void ensureTicker() {
    auto& a = animator();
    if (a.ticker && a.tickerManual == Clock::isManual())
        return;
    a.tickerManual = Clock::isManual();
    a.ticker = Timer::schedule(1.0 / 60.0, Repeats::Yes, [] { tick(); });
}

void finish(long id, bool finished) {
    auto& a = animator();
    auto it = a.running.find(id);
    if (it == a.running.end())
        return;
    auto done = std::move(it->second);
    a.running.erase(it);
    for (auto& c : done.changes)
        apply(c, 1.0);
    if (done.didStop)
        done.didStop(finished);
}

void tick() {
    auto& a = animator();
    const double now = Clock::now();
    std::vector<long> ids;
    for (auto& [id, r] : a.running)
        ids.push_back(id);
    for (long id : ids) {
        auto it = a.running.find(id);
        if (it == a.running.end())
            continue;
        auto& r = it->second;
        if (now < r.start)
            continue;
        const double t = r.duration <= 0 ? 1.0 : (now - r.start) / r.duration;
        if (t >= 1.0) {
            finish(id, true);
            continue;
        }
        const double eased = ease(r.curve, t);
        for (auto& c : r.changes)
            apply(c, eased);
    }
    if (a.running.empty() && a.ticker) {
        // Dropping the timer inside its own callback is allowed.
        a.ticker.reset();
    }
}

} // namespace

void settleAnimations() {
    auto& a = animator();
    auto running = std::move(a.running);
    a.running.clear();
    for (auto& [id, r] : running) {
        for (auto& c : r.changes)
            apply(c, 1.0);
    }
    a.ticker.reset();
}

void cancelAnimation(View& view, int property) {
    auto& a = animator();
    std::vector<long> emptied;
    for (auto& [id, r] : a.running) {
        auto before = r.changes.size();
        r.changes.erase(std::remove_if(r.changes.begin(), r.changes.end(),
                                       [&](const Change& c) {
                                           return c.key == &view && c.property == property &&
                                                  !c.view.expired();
                                       }),
                        r.changes.end());
        if (before != r.changes.size() && r.changes.empty() && !r.tookOver) {
            r.tookOver = true;
            emptied.push_back(id);
        }
    }
    // An animation whose every property was taken over stops now, unfinished;
    // its handler runs on the next turn of the loop, not inside the caller.
    for (long id : emptied)
        performOnMain([id] { finish(id, false); });
}

bool recordAnimatedChange(View& view, int property, double fromAlpha, double toAlpha, Rect fromFrame,
                          Rect toFrame) {
    auto& a = animator();
    if (a.open.empty())
        return false;
    auto self = view.weak_from_this();
    if (self.expired())
        return false;
    auto& changes = a.open.back().changes;
    for (auto& c : changes) {
        if (c.key == &view && c.property == property) {
            c.toAlpha = toAlpha;
            c.toFrame = toFrame;
            return true;
        }
    }
    changes.push_back(Change{self, &view, property, fromAlpha, toAlpha, fromFrame, toFrame});
    return true;
}

void View::beginAnimations() {
    animator().open.push_back(Block{});
}

void View::setAnimationDuration(double seconds) {
    if (!animator().open.empty())
        animator().open.back().duration = std::max(0.0, seconds);
}

void View::setAnimationCurve(AnimationCurve curve) {
    if (!animator().open.empty())
        animator().open.back().curve = curve;
}

void View::setAnimationDelay(double seconds) {
    if (!animator().open.empty())
        animator().open.back().delay = std::max(0.0, seconds);
}

void View::setAnimationDidStop(std::function<void(bool)> fn) {
    if (!animator().open.empty())
        animator().open.back().didStop = std::move(fn);
}

void View::commitAnimations() {
    auto& a = animator();
    if (a.open.empty())
        return;
    Block block = std::move(a.open.back());
    a.open.pop_back();
    // A new animation of a property takes it over from a running one.
    for (auto& c : block.changes) {
        if (auto view = c.view.lock())
            cancelAnimation(*view, c.property);
    }
    Running r;
    r.start = Clock::now() + block.delay;
    r.duration = block.duration;
    r.curve = block.curve;
    r.didStop = std::move(block.didStop);
    r.changes = std::move(block.changes);
    const long id = a.nextId++;
    if (r.duration <= 0 && block.delay <= 0) {
        for (auto& c : r.changes)
            apply(c, 1.0);
        r.changes.clear();
        a.running.emplace(id, std::move(r));
        performOnMain([id] { finish(id, true); });
        return;
    }
    a.running.emplace(id, std::move(r));
    ensureTicker();
}

void View::animate(double duration, const std::function<void()>& changes,
                   std::function<void(bool)> completion, AnimationCurve curve, double delay) {
    beginAnimations();
    setAnimationDuration(duration);
    setAnimationCurve(curve);
    setAnimationDelay(delay);
    setAnimationDidStop(std::move(completion));
    if (changes)
        changes();
    commitAnimations();
}

bool View::isAnimating() const {
    for (auto& [id, r] : animator().running) {
        for (auto& c : r.changes) {
            if (c.key == this)
                return true;
        }
    }
    return false;
}

} // namespace platform::ui
