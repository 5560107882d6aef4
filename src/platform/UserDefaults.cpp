#include "platform/UserDefaults.h"

#include "platform/Log.h"
#include "platform/Paths.h"
#include "platform/PropertyList.h"

#include <charconv>
#include <map>
#include <mutex>

namespace platform {

struct UserDefaults::Impl {
    mutable std::mutex mutex;
    PlistValue values{PlistValue::dictionary()};
};

UserDefaults& UserDefaults::standard() {
    static std::mutex mutex;
    // One object per data root, never destroyed while the process runs, so a
    // reference kept by a caller stays valid when a test moves the root.
    static auto* byPath = new std::map<std::string, std::unique_ptr<UserDefaults>>();
    const std::string path = dataRoot() + "/Preferences.plist";
    std::lock_guard lock(mutex);
    auto& slot = (*byPath)[path];
    if (!slot)
        slot = std::make_unique<UserDefaults>(path);
    return *slot;
}

UserDefaults::UserDefaults(std::string path) : m_path(std::move(path)), m_impl(std::make_unique<Impl>()) {
    reload();
}

UserDefaults::~UserDefaults() = default;

void UserDefaults::reload() {
    auto stored = readPropertyList(m_path);
    std::lock_guard lock(m_impl->mutex);
    if (stored && stored->isDictionary())
        m_impl->values = std::move(*stored);
    else
        m_impl->values = PlistValue::dictionary();
}

bool UserDefaults::boolForKey(const std::string& key) const {
    std::lock_guard lock(m_impl->mutex);
    auto* value = m_impl->values.find(key);
    if (!value)
        return false;
    switch (value->type()) {
    case PlistValue::Type::Boolean:
        return value->asBoolean();
    case PlistValue::Type::Integer:
    case PlistValue::Type::Real:
        return value->asReal() != 0;
    case PlistValue::Type::String: {
        auto& s = value->asString();
        return s == "YES" || s == "yes" || s == "true" || s == "TRUE" || s == "1";
    }
    default:
        return false;
    }
}

std::string UserDefaults::stringForKey(const std::string& key) const {
    std::lock_guard lock(m_impl->mutex);
    return m_impl->values.stringForKey(key);
}

int64_t UserDefaults::integerForKey(const std::string& key) const {
    std::lock_guard lock(m_impl->mutex);
    auto* value = m_impl->values.find(key);
    if (!value)
        return 0;
    switch (value->type()) {
    case PlistValue::Type::Integer:
    case PlistValue::Type::Real:
        return value->asInteger();
    case PlistValue::Type::Boolean:
        return value->asBoolean() ? 1 : 0;
    case PlistValue::Type::String: {
        auto& s = value->asString();
        int64_t n = 0;
        auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
        return ec == std::errc() ? n : 0;
    }
    default:
        return 0;
    }
}

bool UserDefaults::hasKey(const std::string& key) const {
    std::lock_guard lock(m_impl->mutex);
    return m_impl->values.contains(key);
}

namespace {

// Written under the lock, so two threads changing different keys cannot
// write the file in the opposite order of their changes.
void store(const std::string& path, const PlistValue& values) {
    if (!writePropertyList(path, values))
        logf("user defaults not saved to {}", path);
}

} // namespace

void UserDefaults::setValue(const std::string& key, const PlistValue& value) {
    auto& impl = *m_impl;
    std::lock_guard lock(impl.mutex);
    // Flags such as "ShowLocation" are set again and again to the same value;
    // only a change costs a write.
    if (auto* old = impl.values.find(key); old && *old == value)
        return;
    impl.values.set(key, value);
    store(m_path, impl.values);
}

void UserDefaults::setBoolForKey(bool value, const std::string& key) {
    setValue(key, PlistValue::boolean(value));
}

void UserDefaults::setStringForKey(const std::string& value, const std::string& key) {
    setValue(key, PlistValue(value));
}

void UserDefaults::setIntegerForKey(int64_t value, const std::string& key) {
    setValue(key, PlistValue::integer(value));
}

void UserDefaults::removeObjectForKey(const std::string& key) {
    std::lock_guard lock(m_impl->mutex);
    if (m_impl->values.remove(key))
        store(m_path, m_impl->values);
}

} // namespace platform
