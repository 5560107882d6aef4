// The map side of the demo back end: a keyword place search for the client's
// map component (GET /place/search?city=…&keyword=…&page=0, JSON) and the web
// map page that shop scripts open (GET /maps?hl=zh&mrt=loc&q=…, HTML).
#pragma once

#include <string>
#include <vector>

namespace tansu::demo {

struct ServiceContext;

struct Place {
    std::string name;
    std::string address;
    double latitude{0};
    double longitude{0};
};

// Places whose name contains the keyword or is contained in it (a charge point
// text "name(address)" finds its place), best matches first, 10 per page.
std::vector<Place> searchPlaces(ServiceContext& context, const std::string& keyword, int page);

// {"status":0,"city":"…","results":[{"name":…,"address":…,"latitude":…,"longitude":…}]}
// status 1 when the city is not the demo city.
std::string placeSearchJson(ServiceContext& context, const std::string& city, const std::string& keyword,
                            int page);

std::string mapPageHtml(ServiceContext& context, const std::string& query);

std::string htmlEscape(const std::string& text);

} // namespace tansu::demo
