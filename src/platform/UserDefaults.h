// User defaults: small named settings (booleans, strings, integers) that live
// across runs, such as "ShowLocation". They are kept in Preferences.plist in
// the data root and written through on every change. Safe from any thread.
//
//   platform::UserDefaults::standard().setBoolForKey(true, "ShowLocation");
//   bool showing = platform::UserDefaults::standard().boolForKey("ShowLocation");
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace platform {

class PlistValue;

class UserDefaults {
public:
    // The defaults of the current data root. Changing the data root (tests)
    // gives the defaults of the new root; objects handed out earlier stay valid.
    static UserDefaults& standard();

    // Defaults kept in the given plist file; a missing or damaged file starts empty.
    explicit UserDefaults(std::string path);
    ~UserDefaults();
    UserDefaults(const UserDefaults&) = delete;
    UserDefaults& operator=(const UserDefaults&) = delete;

    // A missing key reads as false, "" or 0. boolForKey also accepts an
    // integer (non-zero) or a string ("YES", "true", "1"); integerForKey a
    // boolean, a real (truncated) or a string of decimal digits.
    bool boolForKey(const std::string& key) const;
    std::string stringForKey(const std::string& key) const;
    int64_t integerForKey(const std::string& key) const;
    bool hasKey(const std::string& key) const;

    void setBoolForKey(bool value, const std::string& key);
    void setStringForKey(const std::string& value, const std::string& key);
    void setIntegerForKey(int64_t value, const std::string& key);
    void removeObjectForKey(const std::string& key);

    // Reads the file again (another process or a test changed it).
    void reload();
    const std::string& path() const { return m_path; }

private:
    void setValue(const std::string& key, const PlistValue& value);

    struct Impl;
    std::string m_path;
    std::unique_ptr<Impl> m_impl;
};

} // namespace platform
