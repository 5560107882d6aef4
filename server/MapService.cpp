#include "MapService.h"

#include "Actions.h"
#include "Database.h"
#include "SoapEnvelope.h"
#include "Transit.h"

#include <algorithm>
#include <cstdio>

namespace tansu::demo {

namespace {

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string coordinate(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

} // namespace

std::string htmlEscape(const std::string& text) {
    // The same five characters as in XML, and no control characters either.
    return xmlEscape(text);
}

std::vector<Place> searchPlaces(ServiceContext& context, const std::string& keyword, int page) {
    if (keyword.empty())
        return {};
    auto rows = context.db.query("SELECT name, address, latitude, longitude FROM place "
                                 "UNION ALL SELECT name, address, latitude, longitude FROM charge_point "
                                 "UNION ALL SELECT name, address, latitude, longitude FROM shop");
    std::vector<std::pair<int, Place>> ranked;
    for (const Row& row : rows) {
        int rank = row[0] == keyword                           ? 0
                   : row[0].find(keyword) != std::string::npos ? 1
                   : keyword.find(row[0]) != std::string::npos ? 2
                   : row[1].find(keyword) != std::string::npos ? 3
                                                               : -1;
        if (rank < 0)
            continue;
        bool seen =
            std::any_of(ranked.begin(), ranked.end(), [&](const auto& r) { return r.second.name == row[0]; });
        if (!seen)
            ranked.emplace_back(rank, Place{row[0], row[1], std::stod(row[2]), std::stod(row[3])});
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<Place> places;
    std::size_t begin = static_cast<std::size_t>(std::max(0, page)) * 10;
    for (std::size_t i = begin; i < ranked.size() && i < begin + 10; ++i)
        places.push_back(ranked[i].second);
    return places;
}

std::string placeSearchJson(ServiceContext& context, const std::string& city, const std::string& keyword,
                            int page) {
    auto cityRows = context.db.query("SELECT value FROM setting WHERE key = 'city'");
    std::string ourCity = cityRows.empty() ? std::string() : cityRows[0][0];
    if (!city.empty() && city != ourCity)
        return "{\"status\":1,\"city\":" + jsonString(ourCity) + ",\"results\":[]}";
    std::string out = "{\"status\":0,\"city\":" + jsonString(ourCity) + ",\"results\":[";
    bool first = true;
    for (const Place& place : searchPlaces(context, keyword, page)) {
        if (!first)
            out += ",";
        first = false;
        out += "{\"name\":" + jsonString(place.name) + ",\"address\":" + jsonString(place.address) +
               ",\"latitude\":" + coordinate(place.latitude) +
               ",\"longitude\":" + coordinate(place.longitude) + "}";
    }
    return out + "]}";
}

std::string mapPageHtml(ServiceContext& context, const std::string& query) {
    std::string html = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" + htmlEscape(query) +
                       " - 地图</title><style>body{font-family:sans-serif;margin:12px}li{margin:6px 0}"
                       ".stop{color:#666}</style></head><body><h2>" +
                       htmlEscape(query) + "</h2>";
    auto places = searchPlaces(context, query, 0);
    if (places.empty())
        return html + "<p>没有找到“" + htmlEscape(query) + "”。</p></body></html>";
    html += "<ul>";
    for (const Place& place : places) {
        html += "<li><b>" + htmlEscape(place.name) + "</b> " + htmlEscape(place.address) +
                "<br><span class=\"stop\">" + coordinate(place.latitude) + ", " + coordinate(place.longitude);
        auto near = context.transit.stopsNear(place.latitude, place.longitude, 500);
        if (!near.empty()) {
            const Stop& stop = context.transit.stops()[near.front().first];
            html += "　最近的公交站：" + htmlEscape(stop.name) + "（" +
                    std::to_string(static_cast<int>(near.front().second)) + "米）";
        }
        html += "</span></li>";
    }
    return html + "</ul></body></html>";
}

} // namespace tansu::demo
