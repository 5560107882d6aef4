// tansu-soap: the client's SOAP wire format from the command line.
//
//   tansu-soap envelope ACTION [key=value ...]   the exact request body
//   tansu-soap fragment FILE                     the fragment cut from a saved answer
//   tansu-soap call URL ACTION [key=value ...]   post it and print status and fragment
//
// Parameters keep the order given. --config FILE reads tansu.conf (for the namespace).
#include "Helper/Common/AppConfig.h"
#include "Helper/WebService/SoapEnvelope.h"
#include "platform/Application.h"
#include "platform/Http.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: tansu-soap [--config FILE] envelope ACTION [key=value ...]\n"
                         "       tansu-soap [--config FILE] fragment FILE\n"
                         "       tansu-soap [--config FILE] call URL ACTION [key=value ...]\n");
    return 2;
}

bool parseParameters(const std::vector<std::string>& args, size_t from, SoapParameters& out)
{
    for (size_t i = from; i < args.size(); ++i) {
        auto eq = args[i].find('=');
        if (eq == std::string::npos) {
            std::fprintf(stderr, "tansu-soap: parameter '%s' is not key=value\n", args[i].c_str());
            return false;
        }
        out.emplace_back(args[i].substr(0, eq), args[i].substr(eq + 1));
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string configFile;
    if (args.size() >= 2 && args[0] == "--config") {
        configFile = args[1];
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty())
        return usage();
    if (!configFile.empty())
        AppConfig::load(configFile, {});
    const auto& ns = AppConfig::shared().serviceNamespace;

    if (args[0] == "envelope" && args.size() >= 2) {
        SoapParameters parameters;
        if (!parseParameters(args, 2, parameters))
            return 2;
        auto body = buildSoapEnvelope(ns, args[1], parameters);
        std::fwrite(body.data(), 1, body.size(), stdout);
        return 0;
    }
    if (args[0] == "fragment" && args.size() == 2) {
        std::ifstream in(args[1], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "tansu-soap: cannot read %s\n", args[1].c_str());
            return 2;
        }
        std::stringstream body;
        body << in.rdbuf();
        auto fragment = extractSoapFragment(body.str());
        if (!fragment) {
            std::printf("no fragment\n");
            return 1;
        }
        std::printf("%s\n", fragment->c_str());
        return 0;
    }
    if (args[0] == "call" && args.size() >= 3) {
        SoapParameters parameters;
        if (!parseParameters(args, 3, parameters))
            return 2;
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        int qtArgc = 1;
        platform::Application app(qtArgc, argv);
        auto response = platform::httpSendBlocking({ .method = "POST",
            .url = args[1],
            .headers = soapHeaders(ns, args[2]),
            .body = buildSoapEnvelope(ns, args[2], parameters) });
        if (!response.finished) {
            std::printf("0 %s\n", response.errorText.c_str());
            return 1;
        }
        auto fragment = extractSoapFragment(response.body);
        std::printf("%d\n%s\n", response.status, fragment ? fragment->c_str() : "no fragment");
        return fragment ? 0 : 1;
    }
    return usage();
}
