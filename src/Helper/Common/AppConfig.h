// The configuration values: the two server endpoints, the service namespace,
// the interaction and script services, the web map host, the map access key
// and the code-URL prefix. Read from tansu.conf (INI) in the data folder or
// from --config; the defaults point at the demo back end on loopback, so the
// client runs with no file at all.
//
//   [server]
//   official = http://127.0.0.1:8080/service.asmx
//   backup = http://127.0.0.1:8080/TrafficService.asmx
//   namespace = http://tansu.example.cn/
#pragma once

#include <string>

struct AppConfig {
    std::string officialUrl{"http://127.0.0.1:8080/service.asmx"};
    std::string backupUrl{"http://127.0.0.1:8080/TrafficService.asmx"};
    std::string serviceNamespace{"http://tansu.example.cn/"}; // ends with "/"
    std::string interactUrl{"http://127.0.0.1:8080/InteractService.asmx"};
    std::string scriptServiceUrl{"http://127.0.0.1:8080/OnlineMethod/Default.aspx"};
    std::string webMapHost{"http://127.0.0.1:8080"};
    std::string mapAccessKey{"5A3B8C9D0E1F2A3B4C5D6E7F8091A2B3C4D5E6F7"}; // 40 upper-case hex
    std::string codeUrlPrefix{"http://t.cn/q/"};                          // 14 characters

    // Reads the INI text over the defaults; unknown keys are ignored.
    void readIni(const std::string& text);
    // Points both endpoints and the other services at one server ("http://host:port").
    void useServer(const std::string& baseUrl);

    static AppConfig& shared();
    // Loads --config FILE when given, else tansu.conf in the data folder when present.
    static void load(const std::string& configFile, const std::string& serverOverride);
};
