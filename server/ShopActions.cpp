// The actions of shops: the picture wall, shop scripts and the shop search.
#include "ActionSupport.h"

#include "Database.h"
#include "Transit.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tansu::demo {

namespace {

Answer getPicWall(ServiceContext& context, const SoapRequest&) {
    auto rows =
        context.db.query("SELECT picture, page_name, extr_code, preview FROM shop ORDER BY "
                         "(SELECT min(s.rowid) FROM shop s WHERE s.page_name = shop.page_name), sort");
    Answer answer = Answer::success();
    for (const Row& row : rows) {
        answer.addItem()
            .set("picUrl", context.baseUrl + "/pics/" + row[0])
            .set("pageName", row[1])
            .set("extrCode", row[2])
            .set("preview", row[3]);
    }
    return answer;
}

Answer getScript(ServiceContext& context, const SoapRequest& request) {
    const std::string& code = required(request, "extrCode");
    auto rows = context.db.query("SELECT caller_id FROM shop WHERE extr_code = ?", {code});
    if (rows.empty())
        return Answer::refusal("没有找到该商家的页面。");
    std::string script = shopScript(context, code);
    if (script.empty())
        throw SoapFault(SoapFault::Side::Server, "the page of " + code + " cannot be read");
    Answer answer = Answer::success();
    answer.status().set("script", script).set("callerID", rows[0][0]).set("scriptID", code);
    return answer;
}

Answer inquiryShop(ServiceContext& context, const SoapRequest& request) {
    std::string keyword = required(request, "keyword");
    const Transit& transit = context.transit;
    // A station menu sends its title ("鼓楼(GPS号:10006)") or the stop's alias:
    // those ask for the shops around that station.
    std::vector<std::pair<double, double>> around;
    if (auto station = transit.resolveStationName(keyword)) {
        for (int stop : transit.stopsNamed(*station))
            around.emplace_back(transit.stops()[stop].latitude, transit.stops()[stop].longitude);
    }
    for (const Stop& stop : transit.stops()) {
        if (!keyword.empty() && stop.alias == keyword)
            around.emplace_back(stop.latitude, stop.longitude);
    }
    auto rows = context.db.query(
        "SELECT name, extr_code, keywords, latitude, longitude, address FROM shop ORDER BY rowid");
    std::vector<std::pair<double, const Row*>> hits;
    for (const Row& row : rows) {
        double nearest = 1e12;
        for (auto& [lat, lon] : around)
            nearest = std::min(nearest, distanceMetres(lat, lon, std::stod(row[3]), std::stod(row[4])));
        bool named = !keyword.empty() &&
                     (row[0].find(keyword) != std::string::npos || row[2].find(keyword) != std::string::npos);
        if (named)
            hits.emplace_back(-1.0, &row);
        else if (nearest <= 1000.0)
            hits.emplace_back(nearest, &row);
    }
    std::stable_sort(hits.begin(), hits.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<const Row*> found;
    for (auto& hit : hits)
        found.push_back(hit.second);
    auto page = pageOf(found, request, 10);
    Answer answer = Answer::success(page.empty() ? "没有查询到符合条件的商家" : "成功");
    for (const Row* row : page)
        answer.addItem().set("title", (*row)[0]).set("extrCode", (*row)[1]).set("address", (*row)[5]);
    return answer;
}

} // namespace

std::string shopScript(ServiceContext& context, const std::string& extrCode) {
    auto rows =
        context.db.query("SELECT name, category, phone, address, email, site, intro, picture, script_file "
                         "FROM shop WHERE extr_code = ?",
                         {extrCode});
    if (rows.empty())
        return {};
    const Row& shop = rows[0];
    std::ifstream in(std::filesystem::path(context.dataDir) / "scripts" / shop[8], std::ios::binary);
    if (!in)
        return {};
    std::ostringstream text;
    text << in.rdbuf();
    std::string script = text.str();
    // A script string cannot hold a double quote or a line break.
    auto clean = [](std::string value) {
        std::string out;
        for (std::size_t i = 0; i < value.size(); ++i) {
            if (value[i] == '"')
                out += "”";
            else if (value[i] == '\n' || value[i] == '\r')
                out += ' ';
            else
                out += value[i];
        }
        return out;
    };
    const std::pair<const char*, std::string> values[] = {
        {"${NAME}", shop[0]},  {"${CATEGORY}", shop[1]},
        {"${PHONE}", shop[2]}, {"${ADDRESS}", shop[3]},
        {"${EMAIL}", shop[4]}, {"${SITE}", shop[5]},
        {"${INTRO}", shop[6]}, {"${PICTURE}", context.baseUrl + "/pics/" + shop[7]},
        {"${CODE}", extrCode}};
    for (const auto& [key, value] : values) {
        std::string replacement = clean(value);
        for (std::size_t at = script.find(key); at != std::string::npos;
             at = script.find(key, at + replacement.size()))
            script.replace(at, std::strlen(key), replacement);
    }
    return script;
}

void addShopActions(ActionMap& actions) {
    actions.emplace("getPicWall", getPicWall);
    actions.emplace("getScript", getScript);
    actions.emplace("inquiryShop", inquiryShop);
}

} // namespace tansu::demo
