#include "Script/ScriptBridge.h"

#include <atomic>

namespace {
DefaultScriptBridge g_defaultBridge;
std::atomic<ScriptBridge*> g_bridge{nullptr};
} // namespace

ScriptBridge& ScriptBridge::current() {
    ScriptBridge* bridge = g_bridge.load();
    return bridge ? *bridge : g_defaultBridge;
}

void ScriptBridge::install(ScriptBridge* bridge) {
    g_bridge.store(bridge);
}
