#include "Classes/MapManager.h"

MapManager& MapManager::shared() {
    static MapManager manager;
    return manager;
}

bool MapManager::start(const std::string& accessKey) {
    bool valid = accessKey.size() == 40;
    for (char c : accessKey)
        valid = valid && ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'));
    m_started = valid;
    return valid;
}
