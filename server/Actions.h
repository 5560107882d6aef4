// The actions of the demo back end: one handler per SOAP action, reading the
// request's parameters and answering the records and fields the client reads.
// Handlers answer "999" with a message for the user when they refuse, and
// throw SoapFault when a parameter the action needs is missing.
#pragma once

#include "SoapEnvelope.h"

#include <map>
#include <string>

namespace tansu::demo {

class Database;
class Transit;
class ServerClock;

// What a handler may use while it answers one request.
struct ServiceContext {
    Database& db;
    const Transit& transit;
    ServerClock& clock;
    std::string dataDir;
    // "http://host:port" as the client reached this server, for picture addresses.
    std::string baseUrl;
};

using ActionHandler = Answer (*)(ServiceContext&, const SoapRequest&);

// The actions of the official and backup endpoints.
const std::map<std::string, ActionHandler>& backEndActions();
// The actions of the interaction service.
const std::map<std::string, ActionHandler>& interactionActions();

// The day number of the password token: milliseconds since the epoch divided
// by the length of a day, rounded to the nearest whole day.
long long dayNumber(long long epochMillis);

// The password token: MD5 of (MD5 of the password, as hex) followed by the day number.
std::string passwordToken(const std::string& passwordMd5, long long day);

// Shop scripts are text files with placeholders such as ${NAME}; this fills
// them from the shop's record. Answers an empty text for an unknown code.
std::string shopScript(ServiceContext& context, const std::string& extrCode);

} // namespace tansu::demo
