// The actions of the bus inquiry: stations, lines, vehicle positions,
// transfer plans, nearby stations and the station QR codes.
#include "ActionSupport.h"

#include "ServerClock.h"
#include "Transit.h"

#include <algorithm>
#include <cmath>

namespace tansu::demo {

namespace {

Answer translateToGPS(ServiceContext& context, const SoapRequest& request) {
    const std::string& code = required(request, "fieldCode");
    int stop = context.transit.findStopByQrCode(code);
    if (stop < 0)
        return Answer::refusal("无法识别的站点二维码").useDocumentElement();
    const Stop& found = context.transit.stops()[stop];
    Answer answer = Answer::success();
    answer.useDocumentElement()
        .status()
        .set("GPS", found.code)
        .set("station", found.name)
        .set("alia", found.alias);
    return answer;
}

Answer stationFuzzyQuery(ServiceContext& context, const SoapRequest& request) {
    const std::string& query = required(request, "query");
    auto names = pageOf(context.transit.searchStationNames(query), request, 10);
    Answer answer = Answer::success(names.empty() ? "没有查询到相关站点" : "成功");
    for (const auto& name : names)
        answer.addItem().set("station", name);
    return answer;
}

Answer getBusLineFuzzyQuery(ServiceContext& context, const SoapRequest& request) {
    const std::string& query = required(request, "query");
    auto names = pageOf(context.transit.searchLineNames(query), request, 10);
    Answer answer = Answer::success(names.empty() ? "没有查询到相关线路" : "成功");
    for (const auto& name : names)
        answer.addItem().set("busLineNum", name);
    return answer;
}

Answer getBusStationLines(ServiceContext& context, const SoapRequest& request) {
    const std::string& station = required(request, "busStation");
    const Transit& transit = context.transit;
    std::vector<int> stops;
    if (int byCode = transit.findStopByCode(station); byCode >= 0) {
        stops.push_back(byCode);
    } else if (auto name = transit.resolveStationName(station)) {
        stops = transit.stopsNamed(*name);
    }
    if (stops.empty()) {
        bool digitsOnly = !station.empty() && std::all_of(station.begin(), station.end(),
                                                          [](char c) { return c >= '0' && c <= '9'; });
        return Answer::refusal(digitsOnly ? "没有编号为" + station + "的站点"
                                          : "没有查询到站点“" + station + "”");
    }
    Answer answer = Answer::success();
    for (int stop : stops) {
        const Stop& s = transit.stops()[stop];
        answer.addItem()
            .set("stationGPS", s.code)
            .set("station", s.name)
            .set("stationAlias", s.alias)
            .set("lineName", join(transit.linesAtStop(stop)));
    }
    return answer;
}

Answer getBusLineRoute(ServiceContext& context, const SoapRequest& request) {
    const std::string& name = required(request, "busLine");
    const Line* line = context.transit.findLine(name);
    if (line == nullptr)
        return Answer::refusal("没有查询到" + name + "路的线路信息");
    Answer answer = Answer::success();
    for (const auto& direction : line->directions) {
        std::vector<std::string> names, codes, aliases;
        for (int stop : direction.stops) {
            const Stop& s = context.transit.stops()[stop];
            names.push_back(s.name);
            codes.push_back(s.code);
            aliases.push_back(s.alias);
        }
        answer.addItem()
            .set("lineNumber", line->name)
            .set("departureTime", line->firstDeparture)
            .set("closeOffTime", line->lastDeparture)
            .set("type", direction.type)
            .set("stations", join(names))
            .set("stationGPS", join(codes))
            .set("stationAliases", join(aliases));
    }
    return answer;
}

Answer getBusLocation(ServiceContext& context, const SoapRequest& request) {
    const std::string& lineName = required(request, "lineNumber");
    const std::string& station = required(request, "GPSNumber");
    const std::string lastStation = optional(request, "lastStation");
    int busCount = number(optional(request, "busCount", "3"), 3, 1, 10);
    const Transit& transit = context.transit;
    const Line* line = transit.findLine(lineName);
    if (line == nullptr || line->directions.empty())
        return Answer::refusal("没有查询到" + lineName + "路的线路信息");

    // The stop the rider means: a code first, then the name of that code, then a name.
    int byCode = transit.findStopByCode(station);
    std::optional<std::string> name =
        byCode >= 0 ? transit.stops()[byCode].name : transit.resolveStationName(station);
    auto positionIn = [&](const Direction& direction) {
        const auto& stops = direction.stops;
        for (std::size_t i = 0; i < stops.size(); ++i) {
            if (stops[i] == byCode)
                return static_cast<int>(i);
        }
        for (std::size_t i = 0; i < stops.size() && name; ++i) {
            if (transit.stops()[stops[i]].name == *name)
                return static_cast<int>(i);
        }
        return -1;
    };
    // The direction whose terminal is the rider's last station; else any that serves the stop.
    const Direction* chosen = nullptr;
    for (const auto& direction : line->directions) {
        if (!direction.stops.empty() && transit.stops()[direction.stops.back()].name == lastStation) {
            chosen = &direction;
            break;
        }
    }
    if (chosen == nullptr || positionIn(*chosen) < 0) {
        chosen = nullptr;
        for (const auto& direction : line->directions) {
            if (positionIn(direction) >= 0) {
                chosen = &direction;
                break;
            }
        }
    }
    if (chosen == nullptr)
        return Answer::refusal("该站点没有指定公交线路");
    int position = positionIn(*chosen);
    auto distances =
        transit.approachingVehicles(*line, *chosen, position, context.clock.secondsOfDay(), busCount);
    std::vector<std::string> parts;
    for (int d : distances)
        parts.push_back(std::to_string(d));
    Answer answer = Answer::success(parts.empty() ? "暂无车辆" : "成功");
    answer.status()
        .set("distance", parts.empty() ? "-1" : join(parts))
        .set("lineNumber", line->name)
        .set("type", chosen->type)
        .set("stationIndex", position);
    return answer;
}

Answer translateToStation(ServiceContext& context, const SoapRequest& request) {
    const std::string& code = required(request, "gps");
    int stop = context.transit.findStopByCode(code);
    if (stop < 0)
        return Answer::refusal("没有编号为" + code + "的站点");
    const Stop& s = context.transit.stops()[stop];
    Answer answer = Answer::success();
    answer.status().set("stationName", s.name).set("stationAlias", s.alias);
    return answer;
}

Answer getBusTransferRoute(ServiceContext& context, const SoapRequest& request) {
    const std::string& starting = required(request, "starting");
    const std::string& destination = required(request, "destination");
    const Transit& transit = context.transit;
    auto from = transit.resolveStationName(starting);
    if (!from)
        return Answer::refusal("没有找到起点“" + starting + "”，请从列表中选择站点。");
    auto to = transit.resolveStationName(destination);
    if (!to)
        return Answer::refusal("没有找到终点“" + destination + "”，请从列表中选择站点。");
    if (*from == *to)
        return Answer::refusal("起点和终点是同一个站点。");
    auto plans = transit.transferPlans(*from, *to, 5);
    if (plans.empty())
        return Answer::refusal("没有找到合适的换乘方案，请更换起点或终点。");
    Answer answer = Answer::success();
    answer.status().set("totalNumber", static_cast<long long>(plans.size()));
    for (std::size_t p = 0; p < plans.size(); ++p) {
        for (const Leg& leg : plans[p].legs) {
            const Stop& a = transit.stops()[leg.fromStop];
            const Stop& b = transit.stops()[leg.toStop];
            answer.addItem()
                .set("program", static_cast<long long>(p + 1))
                .set("TransferTime", plans[p].transfers)
                .set("lineName", leg.lineName)
                .set("starting", a.name)
                .set("destination", b.name)
                .set("startingAlias", a.alias)
                .set("destinationAlias", b.alias)
                .set("stationCount", leg.stopCount);
        }
    }
    return answer;
}

Answer getNearStationQuery(ServiceContext& context, const SoapRequest& request) {
    auto radius = decimal(required(request, "radius"));
    auto longitude = decimal(required(request, "longitude"));
    auto latitude = decimal(required(request, "latitude"));
    if (!radius || !longitude || !latitude || *latitude < -90 || *latitude > 90 || *longitude < -180 ||
        *longitude > 180)
        return Answer::refusal("坐标格式不正确");
    double r = std::clamp(*radius, 1.0, 5000.0);
    auto found = context.transit.stopsNear(*latitude, *longitude, r);
    if (found.empty())
        return Answer::refusal("附近" + std::to_string(static_cast<int>(r)) + "米内没有公交站点");
    Answer answer = Answer::success();
    for (auto& [stop, metres] : found) {
        const Stop& s = context.transit.stops()[stop];
        answer.addItem()
            .set("stationName", s.name)
            .set("stationAddr", s.address)
            .set("longitude", formatCoordinate(s.longitude))
            .set("latitude", formatCoordinate(s.latitude))
            .set("stationGPS", s.code)
            .set("distance", static_cast<long long>(std::lround(metres)));
    }
    return answer;
}

} // namespace

void addBusActions(ActionMap& actions) {
    actions.emplace("translateToGPS", translateToGPS);
    actions.emplace("stationFuzzyQuery", stationFuzzyQuery);
    actions.emplace("getBusLineFuzzyQuery", getBusLineFuzzyQuery);
    actions.emplace("getBusStationLines", getBusStationLines);
    actions.emplace("getBusLineRoute", getBusLineRoute);
    actions.emplace("getBusLocation", getBusLocation);
    actions.emplace("translateToStation", translateToStation);
    actions.emplace("getBusTransferRoute", getBusTransferRoute);
    actions.emplace("getNearStationQuery", getNearStationQuery);
}

} // namespace tansu::demo
