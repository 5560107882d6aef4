#include "platform/NotificationCenter.h"

#include "platform/RunLoop.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

namespace platform {

std::string Notification::string(const std::string& key) const {
    auto it = userInfo.find(key);
    return it == userInfo.end() ? std::string() : it->second;
}

namespace {

struct Observer {
    ObserverToken token{0};
    std::string name;
    const void* owner{nullptr};
    NotificationCenter::Callback callback;
    std::atomic<bool> alive{true};
};

} // namespace

struct NotificationCenter::Impl : std::enable_shared_from_this<NotificationCenter::Impl> {
    mutable std::mutex mutex;
    std::vector<std::shared_ptr<Observer>> observers; // in registration order
    std::map<std::string, UserInfo> pending;          // enqueued, not yet delivered
    ObserverToken nextToken{1};

    void removeIf(const std::function<bool(const Observer&)>& match) {
        std::lock_guard lock(mutex);
        auto keep =
            std::remove_if(observers.begin(), observers.end(), [&](const std::shared_ptr<Observer>& o) {
                if (!match(*o))
                    return false;
                o->alive = false;
                return true;
            });
        observers.erase(keep, observers.end());
    }

    void deliver(const Notification& notification) {
        std::vector<std::shared_ptr<Observer>> targets;
        {
            std::lock_guard lock(mutex);
            for (auto& o : observers) {
                if (o->name == notification.name)
                    targets.push_back(o);
            }
        }
        // An observer may remove itself or others while we deliver; the alive
        // flag keeps us from calling one that has gone.
        for (auto& o : targets) {
            if (o->alive)
                o->callback(notification);
        }
    }

    void deliverPending(const std::string& name) {
        Notification notification{name, {}};
        {
            std::lock_guard lock(mutex);
            auto it = pending.find(name);
            if (it == pending.end())
                return;
            notification.userInfo = std::move(it->second);
            pending.erase(it);
        }
        deliver(notification);
    }
};

NotificationCenter::NotificationCenter() : m_impl(std::make_shared<Impl>()) {}

NotificationCenter::~NotificationCenter() {
    m_impl->removeIf([](const Observer&) { return true; });
}

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}

ObserverToken NotificationCenter::addObserver(const std::string& name, const void* owner, Callback callback) {
    if (owner)
        removeObserver(owner, name);
    auto observer = std::make_shared<Observer>();
    observer->name = name;
    observer->owner = owner;
    observer->callback = std::move(callback);
    std::lock_guard lock(m_impl->mutex);
    observer->token = m_impl->nextToken++;
    m_impl->observers.push_back(observer);
    return observer->token;
}

void NotificationCenter::removeObserver(const void* owner) {
    if (!owner)
        return;
    m_impl->removeIf([owner](const Observer& o) { return o.owner == owner; });
}

void NotificationCenter::removeObserver(const void* owner, const std::string& name) {
    if (!owner)
        return;
    m_impl->removeIf([&](const Observer& o) { return o.owner == owner && o.name == name; });
}

void NotificationCenter::removeObserverToken(ObserverToken token) {
    m_impl->removeIf([token](const Observer& o) { return o.token == token; });
}

Observation NotificationCenter::observe(const std::string& name, Callback callback) {
    auto token = addObserver(name, nullptr, std::move(callback));
    return Observation(m_impl, token);
}

void NotificationCenter::post(const std::string& name, UserInfo userInfo) {
    m_impl->deliver(Notification{name, std::move(userInfo)});
}

void NotificationCenter::enqueue(const std::string& name, UserInfo userInfo) {
    {
        std::lock_guard lock(m_impl->mutex);
        auto [it, isNew] = m_impl->pending.insert_or_assign(name, std::move(userInfo));
        if (!isNew)
            return; // already on its way: the later user info replaces the earlier
    }
    std::weak_ptr<Impl> weak = m_impl;
    performOnMain([weak, name] {
        if (auto impl = weak.lock())
            impl->deliverPending(name);
    });
}

size_t NotificationCenter::observerCount(const std::string& name) const {
    std::lock_guard lock(m_impl->mutex);
    return static_cast<size_t>(
        std::count_if(m_impl->observers.begin(), m_impl->observers.end(),
                      [&](const std::shared_ptr<Observer>& o) { return o->name == name; }));
}

// --- observation ----------------------------------------------------------------

Observation::Observation(std::weak_ptr<NotificationCenter::Impl> center, ObserverToken token)
    : m_center(std::move(center)), m_token(token) {}

Observation::Observation(Observation&& other) noexcept
    : m_center(std::move(other.m_center)), m_token(other.m_token) {
    other.m_token = 0;
}

Observation& Observation::operator=(Observation&& other) noexcept {
    if (this == &other)
        return *this;
    reset();
    m_center = std::move(other.m_center);
    m_token = other.m_token;
    other.m_token = 0;
    return *this;
}

void Observation::reset() {
    if (m_token == 0)
        return;
    if (auto impl = m_center.lock()) {
        const auto token = m_token;
        impl->removeIf([token](const Observer& o) { return o.token == token; });
    }
    m_token = 0;
    m_center.reset();
}

} // namespace platform
