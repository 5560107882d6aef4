#include "Helper/Common/AppConfig.h"

#include "platform/Log.h"
#include "platform/Paths.h"

#include <fstream>
#include <sstream>

namespace {

std::string trim(const std::string& s) {
    auto begin = s.find_first_not_of(" \t\r\n");
    if (begin == std::string::npos)
        return {};
    auto end = s.find_last_not_of(" \t\r\n");
    return s.substr(begin, end - begin + 1);
}

} // namespace

void AppConfig::readIni(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    std::string section;
    while (std::getline(in, line)) {
        line = trim(line);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            section = trim(line.substr(1, line.size() - 2));
            continue;
        }
        auto eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        std::string key = section + "." + trim(line.substr(0, eq));
        std::string value = trim(line.substr(eq + 1));
        if (key == "server.official")
            officialUrl = value;
        else if (key == "server.backup")
            backupUrl = value;
        else if (key == "server.namespace")
            serviceNamespace = value.empty() || value.back() == '/' ? value : value + "/";
        else if (key == "server.interact")
            interactUrl = value;
        else if (key == "server.script")
            scriptServiceUrl = value;
        else if (key == "server.webmap")
            webMapHost = value;
        else if (key == "map.key")
            mapAccessKey = value;
        else if (key == "code.url_prefix")
            codeUrlPrefix = value;
    }
}

void AppConfig::useServer(const std::string& baseUrl) {
    std::string base = baseUrl;
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    officialUrl = base + "/service.asmx";
    backupUrl = base + "/TrafficService.asmx";
    interactUrl = base + "/InteractService.asmx";
    scriptServiceUrl = base + "/OnlineMethod/Default.aspx";
    webMapHost = base;
}

AppConfig& AppConfig::shared() {
    static AppConfig config;
    return config;
}

void AppConfig::load(const std::string& configFile, const std::string& serverOverride) {
    std::string path = configFile.empty() ? platform::dataRoot() + "/tansu.conf" : configFile;
    std::ifstream in(path);
    if (in) {
        std::stringstream text;
        text << in.rdbuf();
        shared().readIni(text.str());
    } else if (!configFile.empty()) {
        platform::logf("cannot read configuration {}", configFile);
    }
    if (!serverOverride.empty())
        shared().useServer(serverOverride);
}
