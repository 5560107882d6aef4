// The tour: drives the running client through the typical flows and writes a
// screenshot after each, for machines without a display (./run.sh) and for
// reviewing what a rider sees.
#pragma once

#include <string>
#include <vector>

class OrvelaAppDelegate;

class Tour {
public:
    Tour(OrvelaAppDelegate& app, std::string directory);
    // Runs every flow; answers the screenshot files written, in order.
    std::vector<std::string> run();

private:
    void settle(double seconds);
    void shoot(const std::string& name);

    OrvelaAppDelegate& m_app;
    std::string m_directory;
    std::vector<std::string> m_files;
};
