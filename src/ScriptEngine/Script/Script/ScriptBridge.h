// What the interpreter needs from the script page bridge: the identity of the
// current run (user, caller, script code and instance name) and hiding the
// page. The host installs its own bridge; until then a plain record is used.
//
//   ScriptBridge::current().setUserId("u1");
#pragma once

#include <mutex>
#include <string>

class ScriptBridge {
public:
    virtual ~ScriptBridge() = default;

    virtual void setUserId(const std::string& value) = 0;
    virtual void setUserName(const std::string& value) = 0;
    virtual void setCallerId(const std::string& value) = 0;
    virtual void setScriptCode(const std::string& value) = 0;
    virtual void setScriptName(const std::string& value) = 0;
    virtual std::string userId() const = 0;
    virtual std::string userName() const = 0;
    virtual std::string callerId() const = 0;
    virtual std::string scriptCode() const = 0;
    virtual std::string scriptName() const = 0;
    virtual void hideMainView() {}

    // The bridge in use; install(nullptr) goes back to the plain record.
    static ScriptBridge& current();
    static void install(ScriptBridge* bridge);
};

class DefaultScriptBridge : public ScriptBridge {
public:
    void setUserId(const std::string& value) override { set(m_userId, value); }
    void setUserName(const std::string& value) override { set(m_userName, value); }
    void setCallerId(const std::string& value) override { set(m_callerId, value); }
    void setScriptCode(const std::string& value) override { set(m_scriptCode, value); }
    void setScriptName(const std::string& value) override { set(m_scriptName, value); }
    std::string userId() const override { return get(m_userId); }
    std::string userName() const override { return get(m_userName); }
    std::string callerId() const override { return get(m_callerId); }
    std::string scriptCode() const override { return get(m_scriptCode); }
    std::string scriptName() const override { return get(m_scriptName); }

private:
    void set(std::string& field, const std::string& value) {
        std::lock_guard lock(m_mutex);
        field = value;
    }
    std::string get(const std::string& field) const {
        std::lock_guard lock(m_mutex);
        return field;
    }
    mutable std::mutex m_mutex;
    std::string m_userId, m_userName, m_callerId, m_scriptCode, m_scriptName;
};
