// The notification centre: screens that do not know each other talk by name.
// post() delivers at once, synchronously, to every observer of the name, in
// the order they registered. enqueue() delivers on the main loop's next turn,
// coalesced by name: several enqueues of one name before delivery reach each
// observer once, with the user info of the last enqueue.
//
// An observer goes away either by removeObserver(owner) or, more safely, by
// holding the Observation that observe() returns: it unregisters when
// destroyed. An observer removed during a delivery is not called afterwards.
//
//   m_observation = platform::NotificationCenter::defaultCenter().observe(
//       "getBusLine", [this](const platform::Notification& n) { setLine(n.string("MyInfo")); });
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace platform {

using UserInfo = std::map<std::string, std::string>;

struct Notification {
    std::string name;
    UserInfo userInfo;

    // The user-info value under key, or the empty string.
    std::string string(const std::string& key) const;
    bool has(const std::string& key) const { return userInfo.count(key) != 0; }
};

using ObserverToken = uint64_t;

class Observation;

class NotificationCenter {
public:
    using Callback = std::function<void(const Notification&)>;

    NotificationCenter();
    ~NotificationCenter();
    NotificationCenter(const NotificationCenter&) = delete;
    NotificationCenter& operator=(const NotificationCenter&) = delete;

    static NotificationCenter& defaultCenter();

    // owner identifies the observer (usually `this`). A second registration of
    // the same owner for the same name replaces the first, so a page that
    // registers again on every reload still hears each notification once.
    ObserverToken addObserver(const std::string& name, const void* owner, Callback callback);
    void removeObserver(const void* owner);                          // every name
    void removeObserver(const void* owner, const std::string& name); // one name
    void removeObserverToken(ObserverToken token);

    // Registration tied to the returned object's lifetime.
    [[nodiscard]] Observation observe(const std::string& name, Callback callback);

    // Safe from any thread; observers run on the calling thread.
    void post(const std::string& name, UserInfo userInfo = {});
    // Safe from any thread; observers run on the main thread.
    void enqueue(const std::string& name, UserInfo userInfo = {});

    size_t observerCount(const std::string& name) const;

    struct Impl;

private:
    std::shared_ptr<Impl> m_impl;
};

class Observation {
public:
    Observation() = default;
    ~Observation() { reset(); }
    Observation(Observation&& other) noexcept;
    Observation& operator=(Observation&& other) noexcept;
    Observation(const Observation&) = delete;
    Observation& operator=(const Observation&) = delete;

    void reset();
    bool isActive() const { return m_token != 0; }

private:
    friend class NotificationCenter;
    Observation(std::weak_ptr<NotificationCenter::Impl> center, ObserverToken token);
    std::weak_ptr<NotificationCenter::Impl> m_center;
    ObserverToken m_token{0};
};

} // namespace platform
