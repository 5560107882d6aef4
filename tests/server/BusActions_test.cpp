// Lines, stations, vehicle positions, transfers and nearby stations of the
// demo city, read the way the bus-inquiry screens read them.
#include "support/ServerFixture.h"

#include <algorithm>
#include <set>

namespace tansu::demo::test {
namespace {

using BusActionsTest = ServerFixture;

TEST_F(BusActionsTest, LineRouteHasBothDirectionsWithParallelCodes) {
    Fragment route = call("getBusLineRoute", {{"busLine", "1"}});
    ASSERT_EQ(route.code(), "200");
    ASSERT_EQ(route.records.size(), 2u);
    const FragmentRecord& up = route.records[0];
    const FragmentRecord& down = route.records[1];
    EXPECT_EQ(up["type"], "上行");
    EXPECT_EQ(down["type"], "下行");
    EXPECT_EQ(up["lineNumber"], "1");
    EXPECT_EQ(up["departureTime"], "06:00");
    EXPECT_EQ(up["closeOffTime"], "22:00");
    auto upStations = split(up["stations"]);
    auto downStations = split(down["stations"]);
    ASSERT_EQ(upStations.size(), 12u);
    EXPECT_EQ(upStations.front(), "西夏区政府");
    EXPECT_EQ(upStations.back(), "清和园");
    std::reverse(downStations.begin(), downStations.end());
    EXPECT_EQ(upStations, downStations);
    EXPECT_EQ(split(up["stationGPS"]).size(), upStations.size());
    EXPECT_EQ(split(up["stationAliases"]).size(), upStations.size());
    for (const auto& code : split(up["stationGPS"]))
        EXPECT_EQ(code.size(), 5u) << code;
}

TEST_F(BusActionsTest, LoopLineHasOneRowThatEndsWhereItStarts) {
    for (const char* line : {"101", "西夏区环线"}) {
        Fragment route = call("getBusLineRoute", {{"busLine", line}});
        ASSERT_EQ(route.records.size(), 1u) << line;
        EXPECT_EQ(route.records[0]["type"], "环行") << line;
        auto stations = split(route.records[0]["stations"]);
        EXPECT_GE(stations.size(), 10u);
        EXPECT_EQ(stations.front(), stations.back()) << line;
    }
}

TEST_F(BusActionsTest, SpecialLineNamesAndLowerCaseLettersAreFound) {
    const std::pair<const char*, const char*> cases[] = {
        {"k1", "K1"}, {"brt1", "BRT1"}, {"游1", "游1"}, {"游2", "游2"}, {"林场专线", "林场专线"}};
    for (const auto& [asked, name] : cases) {
        Fragment route = call("getBusLineRoute", {{"busLine", asked}});
        EXPECT_EQ(route.code(), "200") << asked;
        EXPECT_EQ(route.records[0]["lineNumber"], name);
    }
    Fragment unknown = call("getBusLineRoute", {{"busLine", "999"}});
    EXPECT_EQ(unknown.code(), "999");
    EXPECT_FALSE(unknown.msg().empty());
}

struct PositionCase {
    const char* clock;
    const char* station;
    const char* lastStation;
    const char* busCount;
    const char* distance;
};

TEST_F(BusActionsTest, VehiclesApproachTheRiderAsTheClockMoves) {
    // Line 1 leaves every 5 minutes from 06:00 and takes 90 s from stop to stop;
    // 鼓楼 is the sixth stop up and the seventh down, 清和园 the up terminal.
    const PositionCase cases[] = {
        {"2026-12-11 08:30:40", "鼓楼", "清和园", "3", "2,5"},
        {"2026-12-11 08:31:10", "鼓楼", "清和园", "3", "1,5"},
        {"2026-12-11 08:31:10", "10006", "清和园", "3", "1,5"},
        {"2026-12-11 08:30:00", "清和园", "清和园", "3", "1,5,8"},
        {"2026-12-11 08:30:00", "清和园", "清和园", "5", "1,5,8,11"},
        {"2026-12-11 08:30:00", "鼓楼", "西夏区政府", "3", "0,3,6"},
        {"2026-12-11 05:00:00", "鼓楼", "清和园", "3", "-1"},
        {"2026-12-11 23:30:00", "鼓楼", "清和园", "3", "-1"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(server->setClock(c.clock));
        Fragment answer = call("getBusLocation", {{"lineNumber", "1"},
                                                  {"GPSNumber", c.station},
                                                  {"busCount", c.busCount},
                                                  {"lastStation", c.lastStation}});
        EXPECT_EQ(answer.code(), "200");
        EXPECT_EQ(answer.records[0]["distance"], c.distance)
            << c.clock << " " << c.station << " " << c.lastStation;
    }
}

TEST_F(BusActionsTest, DistancesChangeWithinThirtySeconds) {
    ASSERT_TRUE(server->setClock("2026-12-11 08:30:40"));
    Parameters request = {
        {"lineNumber", "1"}, {"GPSNumber", "鼓楼"}, {"busCount", "3"}, {"lastStation", "清和园"}};
    std::string before = call("getBusLocation", request).records[0]["distance"];
    server->advanceClock(std::chrono::seconds(30));
    std::string after = call("getBusLocation", request).records[0]["distance"];
    EXPECT_NE(before, after);
}

TEST_F(BusActionsTest, LoopLineVehiclesAreCounted) {
    Fragment route = call("getBusLineRoute", {{"busLine", "101"}});
    auto stations = split(route.records[0]["stations"]);
    Fragment answer = call("getBusLocation", {{"lineNumber", "101"},
                                              {"GPSNumber", stations[10]},
                                              {"busCount", "3"},
                                              {"lastStation", stations.back()}});
    ASSERT_EQ(answer.code(), "200");
    auto distances = split(answer.records[0]["distance"]);
    EXPECT_EQ(distances.size(), 3u) << answer.records[0]["distance"];
    EXPECT_TRUE(
        std::is_sorted(distances.begin(), distances.end(), [](const std::string& a, const std::string& b) {
            return std::stoi(a) < std::stoi(b);
        }));
}

TEST_F(BusActionsTest, OnALoopEveryBusComesRoundToTheRider) {
    // 101 leaves 怀远市场 every 5 minutes and is back there after 20 stops of 90 s: at 08:30 the buses
    // are 0, 3, 6, 10, 13 and 16 stops into their lap, one of them just leaving 怀远市场.
    const std::pair<const char*, const char*> cases[] = {{"怀远市场", "0,4,7"}, {"新华百货", "2,6,9"}};
    for (const auto& [station, distance] : cases) {
        Fragment answer = call(
            "getBusLocation",
            {{"lineNumber", "101"}, {"GPSNumber", station}, {"busCount", "3"}, {"lastStation", "怀远市场"}});
        ASSERT_EQ(answer.code(), "200");
        EXPECT_EQ(answer.records[0]["distance"], distance) << station;
    }
}

TEST_F(BusActionsTest, AStationThatTheLineDoesNotServeIsRefused) {
    Fragment answer =
        call("getBusLocation",
             {{"lineNumber", "1"}, {"GPSNumber", "火车站"}, {"busCount", "3"}, {"lastStation", "清和园"}});
    EXPECT_EQ(answer.code(), "999");
    EXPECT_EQ(answer.msg(), "该站点没有指定公交线路");
    EXPECT_FALSE(answer.records[0].has("distance"));
}

TEST_F(BusActionsTest, StationSearchListsEachNameOnceBestMatchFirst) {
    Fragment answer = call("stationFuzzyQuery", {{"query", "鼓楼"}, {"pageIndex", "1"}, {"pageSize", "10"}});
    ASSERT_EQ(answer.code(), "200");
    auto names = answer.list("station");
    ASSERT_GE(names.size(), 2u);
    EXPECT_EQ(names[0], "鼓楼");
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());

    Fragment none = call("stationFuzzyQuery", {{"query", "1234"}, {"pageIndex", "1"}, {"pageSize", "10"}});
    EXPECT_EQ(none.code(), "200");
    EXPECT_TRUE(none.list("station").empty());
}

TEST_F(BusActionsTest, StationLinesByCodeAndByNameWithSeveralStops) {
    Fragment byCode =
        call("getBusStationLines", {{"busStation", "10006"}, {"pageIndex", "1"}, {"pageSize", "10"}});
    ASSERT_EQ(byCode.code(), "200");
    ASSERT_EQ(byCode.records.size(), 1u);
    auto lines = split(byCode.records[0]["lineName"]);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "1"), lines.end());

    Fragment byName =
        call("getBusStationLines", {{"busStation", "鼓楼"}, {"pageIndex", "1"}, {"pageSize", "10"}});
    auto codes = byName.list("stationGPS");
    EXPECT_EQ(std::set<std::string>(codes.begin(), codes.end()),
              (std::set<std::string>{"10006", "10015", "10037"}));
    for (const auto& record : byName.records)
        EXPECT_FALSE(record["lineName"].empty());

    Fragment unknown =
        call("getBusStationLines", {{"busStation", "99999"}, {"pageIndex", "1"}, {"pageSize", "10"}});
    EXPECT_EQ(unknown.code(), "999");
    EXPECT_NE(unknown.msg().find("99999"), std::string::npos);
}

TEST_F(BusActionsTest, LineSearchPutsTheExactNameFirst) {
    Fragment answer = call("getBusLineFuzzyQuery", {{"query", "1"}, {"pageIndex", "1"}, {"pageSize", "20"}});
    auto names = answer.list("busLineNum");
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names[0], "1");
    EXPECT_NE(std::find(names.begin(), names.end(), "K1"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "游1"), names.end());
}

// Groups the legs of a transfer answer by plan number, checking the plan header fields.
std::vector<std::vector<FragmentRecord>> plansOf(const Fragment& answer) {
    std::vector<std::vector<FragmentRecord>> plans;
    for (const auto& record : answer.records) {
        if (!record.has("program"))
            break;
        std::size_t number = std::stoul(record["program"]);
        if (number > plans.size())
            plans.emplace_back();
        EXPECT_EQ(number, plans.size()) << "plans are numbered 1, 2, … in order";
        plans.back().push_back(record);
    }
    return plans;
}

void expectConnected(const std::vector<FragmentRecord>& legs, const std::string& from,
                     const std::string& to) {
    ASSERT_FALSE(legs.empty());
    EXPECT_EQ(legs.front()["starting"], from);
    EXPECT_EQ(legs.back()["destination"], to);
    int rides = 0;
    for (std::size_t i = 0; i < legs.size(); ++i) {
        rides += legs[i]["lineName"] != "步行";
        if (i > 0) {
            EXPECT_EQ(legs[i - 1]["destination"], legs[i]["starting"]);
        }
    }
    EXPECT_EQ(legs.front()["TransferTime"], std::to_string(rides - 1)) << "walks are not transfers";
}

TEST_F(BusActionsTest, DirectPlansComeFirst) {
    Fragment answer = call("getBusTransferRoute", {{"starting", "西夏区政府"}, {"destination", "清和园"}});
    ASSERT_EQ(answer.code(), "200");
    auto plans = plansOf(answer);
    ASSERT_FALSE(plans.empty());
    EXPECT_EQ(answer.records[0]["totalNumber"], std::to_string(plans.size()));
    ASSERT_EQ(plans[0].size(), 1u);
    EXPECT_EQ(plans[0][0]["lineName"], "1");
    EXPECT_EQ(plans[0][0]["TransferTime"], "0");
    for (const auto& plan : plans)
        expectConnected(plan, "西夏区政府", "清和园");
}

TEST_F(BusActionsTest, APlanWithOneTransferAndAWalkBetweenStopsOfOneName) {
    Fragment answer = call("getBusTransferRoute", {{"starting", "南门"}, {"destination", "步行街"}});
    ASSERT_EQ(answer.code(), "200");
    auto plans = plansOf(answer);
    ASSERT_FALSE(plans.empty());
    bool walked = false;
    for (const auto& plan : plans) {
        expectConnected(plan, "南门", "步行街");
        for (const auto& leg : plan) {
            if (leg["lineName"] != "步行")
                continue;
            walked = true;
            EXPECT_EQ(leg["starting"], leg["destination"]);
            EXPECT_NE(leg["startingAlias"], leg["destinationAlias"]);
        }
    }
    EXPECT_TRUE(walked);
    EXPECT_EQ(plans[0][0]["TransferTime"], "1");
}

TEST_F(BusActionsTest, RidesOnALoopGoOnPastItsTerminal) {
    // 文昌路 lies just before the end of the 西夏区环线 list; the ride to 15 at 丽景街长城路口 goes on round.
    Fragment answer = call("getBusTransferRoute", {{"starting", "文昌路"}, {"destination", "北门"}});
    ASSERT_EQ(answer.code(), "200") << answer.msg();
    auto plans = plansOf(answer);
    ASSERT_FALSE(plans.empty());
    EXPECT_EQ(plans[0][0]["lineName"], "西夏区环线");
    EXPECT_EQ(plans[0].front()["TransferTime"], "1");
    for (const auto& plan : plans)
        expectConnected(plan, "文昌路", "北门");
}

TEST_F(BusActionsTest, TwoTransfersWhenNothingShorterExists) {
    Fragment answer = call("getBusTransferRoute", {{"starting", "林场"}, {"destination", "东门"}});
    ASSERT_EQ(answer.code(), "200") << answer.msg();
    auto plans = plansOf(answer);
    ASSERT_FALSE(plans.empty());
    for (const auto& plan : plans) {
        expectConnected(plan, "林场", "东门");
        EXPECT_EQ(plan.front()["TransferTime"], "2");
    }
}

TEST_F(BusActionsTest, TransferEndsGivenAsCodesOrMenuTitles) {
    Fragment byCode =
        call("getBusTransferRoute", {{"starting", "10001"}, {"destination", "清和园(GPS号:10012)"}});
    ASSERT_EQ(byCode.code(), "200");
    EXPECT_EQ(byCode.records[0]["starting"], "西夏区政府");

    const std::pair<const char*, const char*> refused[] = {
        {"火星", "清和园"}, {"鼓楼", "鼓楼"}, {"鼓楼", "99999"}};
    for (const auto& [from, to] : refused) {
        Fragment answer = call("getBusTransferRoute", {{"starting", from}, {"destination", to}});
        EXPECT_EQ(answer.code(), "999") << from << " " << to;
        EXPECT_FALSE(answer.msg().empty());
    }
}

TEST_F(BusActionsTest, CodesTranslateToStations) {
    Fragment station = call("translateToStation", {{"gps", "10025"}});
    EXPECT_EQ(station.records[0]["stationName"], "火车站");
    EXPECT_EQ(call("translateToStation", {{"gps", "12345"}}).code(), "999");

    Fragment scanned = call("translateToGPS", {{"fieldCode", "00S001010006"}});
    EXPECT_EQ(scanned.records[0]["GPS"], "10006");
    EXPECT_EQ(scanned.records[0]["station"], "鼓楼");
    EXPECT_EQ(scanned.records[0]["alia"], "鼓楼南侧");
    Fragment unknown = call("translateToGPS", {{"fieldCode", "00S001999999"}});
    EXPECT_EQ(unknown.code(), "999");
    EXPECT_TRUE(unknown.records[0]["station"].empty());
}

TEST_F(BusActionsTest, NearbyStationsWithinTheRadiusNearestFirst) {
    Fragment answer = call("getNearStationQuery",
                           {{"radius", "500"}, {"longitude", "106.214500"}, {"latitude", "38.450800"}});
    ASSERT_EQ(answer.code(), "200");
    auto names = answer.list("stationName");
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names[0], "鼓楼");
    for (const auto& record : answer.records) {
        EXPECT_LE(std::stoi(record["distance"]), 500);
        EXPECT_EQ(record["longitude"].size() - record["longitude"].find('.'), 7u) << record["longitude"];
        EXPECT_FALSE(record["stationAddr"].empty());
    }
    Fragment far =
        call("getNearStationQuery", {{"radius", "500"}, {"longitude", "100.0"}, {"latitude", "30.0"}});
    EXPECT_EQ(far.code(), "999");
    EXPECT_FALSE(far.msg().empty());
    Fragment bad =
        call("getNearStationQuery", {{"radius", "500"}, {"longitude", "east"}, {"latitude", "38.45"}});
    EXPECT_EQ(bad.code(), "999");
}

} // namespace
} // namespace tansu::demo::test
