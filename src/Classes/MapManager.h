// The map component's manager, started once with the access key issued to the
// application: 40 upper-case hexadecimal characters.
#pragma once

#include <string>

class MapManager {
public:
    static MapManager& shared();
    // False when the key is not a valid access key; the map pages then have no working map.
    bool start(const std::string& accessKey);
    bool isStarted() const { return m_started; }

private:
    bool m_started{false};
};
