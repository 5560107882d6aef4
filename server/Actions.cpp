#include "Actions.h"

#include "Database.h"
#include "Md5.h"
#include "ServerClock.h"
#include "Transit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <random>
#include <sstream>

namespace tansu::demo {

namespace {

const std::string& required(const SoapRequest& request, const std::string& name) {
    auto it = request.parameters.find(name);
    if (it == request.parameters.end())
        throw SoapFault(SoapFault::Side::Client, "missing parameter: " + name);
    return it->second;
}

std::string optional(const SoapRequest& request, const std::string& name, const std::string& fallback = "") {
    auto it = request.parameters.find(name);
    return it == request.parameters.end() ? fallback : it->second;
}

// A whole number from text, or the fallback when the text is not one; clamped.
int number(const std::string& text, int fallback, int low, int high) {
    int value = 0;
    std::size_t used = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        return fallback;
    }
    if (used == 0)
        return fallback;
    return std::clamp(value, low, high);
}

std::optional<double> decimal(const std::string& text) {
    try {
        std::size_t used = 0;
        double value = std::stod(text, &used);
        if (used != text.size() || !std::isfinite(value))
            return std::nullopt;
        return value;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::string join(const std::vector<std::string>& parts, const char* separator = ",") {
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            out += separator;
        out += parts[i];
    }
    return out;
}

std::string formatCoordinate(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

// The part of a list that a page holds; pages count from 1.
template <typename T>
std::vector<T> pageOf(const std::vector<T>& all, const SoapRequest& request, int defaultSize) {
    int index = number(optional(request, "pageIndex", "1"), 1, 1, 100000);
    int size = number(optional(request, "pageSize", std::to_string(defaultSize)), defaultSize, 1, 100);
    std::size_t begin = static_cast<std::size_t>(index - 1) * static_cast<std::size_t>(size);
    if (begin >= all.size())
        return {};
    return std::vector<T>(all.begin() + static_cast<long>(begin),
                          all.begin() + static_cast<long>(std::min(all.size(), begin + size)));
}

std::string now(ServiceContext& context) {
    return formatCityTime(context.clock.nowMillis());
}

// Accounts -----------------------------------------------------------------

struct Account {
    std::string userid;
    std::string username;
    std::string passwordMd5;
};

// Favourites and the favourite button send the stored user id as "username";
// a name typed by the rider works as well.
std::optional<Account> findAccount(ServiceContext& context, const std::string& nameOrId) {
    auto rows = context.db.query(
        "SELECT userid, username, password_md5 FROM account WHERE userid = ? OR username = ? "
        "ORDER BY userid = ? DESC LIMIT 1",
        {nameOrId, nameOrId, nameOrId});
    if (rows.empty())
        return std::nullopt;
    return Account{rows[0][0], rows[0][1], rows[0][2]};
}

// The token may have been made on either side of the change of day.
bool tokenMatches(ServiceContext& context, const Account& account, const std::string& token) {
    long long today = dayNumber(context.clock.nowMillis());
    for (long long day = today - 1; day <= today + 1; ++day) {
        if (passwordToken(account.passwordMd5, day) == token)
            return true;
    }
    return false;
}

bool isMd5Hex(const std::string& text) {
    return text.size() == 32 && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

std::size_t codePoints(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string randomHex(std::size_t digits) {
    static std::mutex mutex;
    static std::mt19937_64 engine(std::random_device{}());
    std::lock_guard guard(mutex);
    static const char* hex = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < digits; ++i)
        out += hex[engine() % 16];
    return out;
}

// Shared service requests -----------------------------------------------------

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

Answer getWeatherInfo(ServiceContext& context, const SoapRequest&) {
    auto rows = context.db.query("SELECT text, icon FROM weather ORDER BY id");
    if (rows.empty())
        return Answer::refusal("暂无天气信息").useDocumentElement();
    long long day = (context.clock.nowMillis() / 1000 + kCityUtcOffsetSeconds) / 86400;
    const Row& today = rows[static_cast<std::size_t>(day % static_cast<long long>(rows.size()))];
    Answer answer = Answer::success();
    answer.useDocumentElement()
        .status()
        .set("weatherInfo", today[0])
        .set("imageUrl", context.baseUrl + "/icons/" + today[1])
        .set("date", now(context).substr(0, 10));
    return answer;
}

std::vector<int> versionParts(const std::string& text) {
    std::vector<int> parts;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, '.'))
        parts.push_back(number(part, 0, 0, 1000000));
    return parts;
}

Answer getUpdateInfo(ServiceContext& context, const SoapRequest& request) {
    const std::string& version = required(request, "versionCode");
    auto setting = [&](const std::string& key) {
        auto rows = context.db.query("SELECT value FROM setting WHERE key = ?", {key});
        return rows.empty() ? std::string() : rows[0][0];
    };
    std::string latest = setting("latest_version");
    // "1" and "1.0.0" are the same version: compare part by part, missing parts as 0.
    auto have = versionParts(version);
    auto newest = versionParts(latest);
    std::size_t parts = std::max(have.size(), newest.size());
    have.resize(parts, 0);
    newest.resize(parts, 0);
    bool newer = have < newest;
    Answer answer = Answer::success(newer ? "有新版本" : "已是最新版本");
    answer.useDocumentElement()
        .status()
        .set("needUpdate", newer ? "true" : "false")
        .set("fourceUpdate", newer && setting("force_update") == "true" ? "true" : "false")
        .set("versionCode", latest)
        .set("description", setting("latest_version_note"));
    return answer;
}

Answer anonymousUserRegister(ServiceContext& context, const SoapRequest&) {
    std::string uid;
    for (int attempt = 0; attempt < 5 && uid.empty(); ++attempt) {
        std::string candidate = "A" + randomHex(15);
        if (context.db.execute("INSERT OR IGNORE INTO anonymous_user VALUES(?, ?)",
                               {candidate, now(context)}) == 1)
            uid = candidate;
    }
    if (uid.empty())
        throw SoapFault(SoapFault::Side::Server, "cannot make a user id");
    Answer answer = Answer::success();
    answer.status().set("uid", uid);
    return answer;
}

// Vehicle positions, stations and lines -------------------------------------------

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
    // On a loop the first stop is also the last: the buses coming round to it are the ones to count.
    if (line->loop && position == 0 && chosen->stops.size() > 1 &&
        chosen->stops.front() == chosen->stops.back())
        position = static_cast<int>(chosen->stops.size()) - 1;
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

// Transfers -----------------------------------------------------------------

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

// IC cards and charge points --------------------------------------------------

std::optional<std::string> cardKind(ServiceContext& context, const std::string& card) {
    auto rows = context.db.query("SELECT kind FROM card WHERE card_id = ?", {card});
    if (rows.empty())
        return std::nullopt;
    return rows[0][0];
}

Answer getChargeRecords(ServiceContext& context, const SoapRequest& request) {
    const std::string& card = required(request, "cardID");
    int count = number(optional(request, "count", "11"), 11, 1, 100);
    if (!cardKind(context, card))
        return Answer::refusal("没有查询到卡号为" + card + "的IC卡。");
    auto rows = context.db.query("SELECT type, time, count, amount, residual_amount FROM charge_record "
                                 "WHERE card_id = ? ORDER BY time DESC LIMIT ?",
                                 {card, std::to_string(count)});
    Answer answer = Answer::success(rows.empty() ? "没有充值记录" : "成功");
    for (const Row& row : rows) {
        answer.addItem()
            .set("chargeType", row[0])
            .set("chargeTime", row[1])
            .set("chargeCount", row[2])
            .set("chargeAmount", row[3])
            .set("residualAmount", row[4]);
    }
    return answer;
}

Answer getConsumerRecords(ServiceContext& context, const SoapRequest& request) {
    const std::string& card = required(request, "cardID");
    int count = number(optional(request, "count", "11"), 11, 1, 100);
    auto kind = cardKind(context, card);
    if (!kind)
        return Answer::refusal("没有查询到卡号为" + card + "的IC卡。");
    auto rows =
        context.db.query("SELECT line, time, count, amount, residual_count, residual_amount, bus_number "
                         "FROM consumer_record WHERE card_id = ? ORDER BY time DESC LIMIT ?",
                         {card, std::to_string(count)});
    Answer answer = Answer::success(rows.empty() ? "没有乘车记录" : "成功");
    for (const Row& row : rows) {
        Record& record = answer.addItem();
        record.set("lineNumber", row[0]).set("consumerTime", row[1]);
        // Cards counted in rides say how many; the others only have amounts.
        if (*kind == "count")
            record.set("consumerCount", row[2]);
        record.set("consumerAmount", row[3])
            .set("residualCount", row[4])
            .set("residualAmount", row[5])
            .set("busNumber", row[6]);
    }
    return answer;
}

Answer getChargePoint(ServiceContext& context, const SoapRequest& request) {
    const std::string& area = required(request, "area");
    auto rows =
        context.db.query("SELECT name, address FROM charge_point WHERE area = ? ORDER BY sort", {area});
    if (rows.empty())
        return Answer::refusal("没有查询到“" + area + "”的充值点。");
    std::vector<std::string> points;
    for (const Row& row : rows)
        points.push_back(row[0] + "(" + row[1] + ")");
    Answer answer = Answer::success();
    answer.status().set("info", join(points));
    return answer;
}

Answer getChargePointArea(ServiceContext& context, const SoapRequest&) {
    Answer answer = Answer::success();
    for (const Row& row : context.db.query("SELECT name FROM charge_area ORDER BY sort"))
        answer.addItem().set("name", row[0]);
    return answer;
}

// Notices -------------------------------------------------------------------

Answer notices(ServiceContext& context, const SoapRequest& request, const char* feed, const char* titleField,
               const char* timeField, const char* contentField) {
    auto rows = pageOf(
        context.db.query("SELECT title, time, content FROM notice WHERE feed = ? ORDER BY time DESC", {feed}),
        request, 10);
    Answer answer = Answer::success(rows.empty() ? "暂无信息" : "成功");
    for (const Row& row : rows)
        answer.addItem().set(titleField, row[0]).set(timeField, row[1]).set(contentField, row[2]);
    return answer;
}

Answer getBusAnnouncement(ServiceContext& context, const SoapRequest& request) {
    return notices(context, request, "bus", "infoTitle", "infoTime", "infoContent");
}

Answer getLostAndFound(ServiceContext& context, const SoapRequest& request) {
    return notices(context, request, "lost", "title", "pubDate", "content");
}

Answer getSystemAnnouncement(ServiceContext& context, const SoapRequest& request) {
    return notices(context, request, "system", "infoTitle", "infoTime", "infoContent");
}

// Accounts and favourites ---------------------------------------------------------

Answer getDateTime(ServiceContext& context, const SoapRequest&) {
    long long millis = context.clock.nowMillis();
    Answer answer = Answer::success();
    answer.useDocumentElement().status().set("systemTime", millis).set("dateTime", formatCityTime(millis));
    return answer;
}

Answer userLogin(ServiceContext& context, const SoapRequest& request) {
    const std::string& name = required(request, "userName");
    const std::string& token = required(request, "password");
    auto account = findAccount(context, name);
    if (!account || account->username != name || !tokenMatches(context, *account, token))
        return Answer::refusal("用户名或密码错误。");
    Answer answer = Answer::success("登录成功");
    answer.status().set("userid", account->userid).set("userName", account->username);
    return answer;
}

Answer userRegister(ServiceContext& context, const SoapRequest& request) {
    const std::string& name = required(request, "userName");
    const std::string& password = required(request, "password");
    const std::string email = optional(request, "Email");
    const std::string uid = optional(request, "uid");
    if (name.empty() || codePoints(name) > 20 || name.find_first_of(" \t,;") != std::string::npos)
        return Answer::refusal("用户名须为1到20个字符，且不能含有空格和标点。");
    if (!isMd5Hex(password))
        return Answer::refusal("密码格式不正确。");
    if (!email.empty() && email.find('@') == std::string::npos)
        return Answer::refusal("电子邮件地址格式不正确。");
    auto guard = context.db.lock();
    if (!context.db.query("SELECT 1 FROM account WHERE username = ?", {name}).empty())
        return Answer::refusal("用户名“" + name + "”已被注册。");
    // The device's anonymous id becomes the account's id, so the id it keeps
    // keeps working for favourites after registering.
    std::string userid;
    if (!uid.empty() && !context.db.query("SELECT 1 FROM anonymous_user WHERE uid = ?", {uid}).empty() &&
        context.db.query("SELECT 1 FROM account WHERE userid = ?", {uid}).empty())
        userid = uid;
    else
        userid = "U" + randomHex(12);
    context.db.execute("INSERT INTO account VALUES(?, ?, ?, ?, ?, ?)",
                       {userid, name, password, email, optional(request, "mobile"), now(context)});
    Answer answer = Answer::success("注册成功");
    answer.status().set("userid", userid);
    return answer;
}

Answer userPasswordChange(ServiceContext& context, const SoapRequest& request) {
    const std::string& name = required(request, "username");
    const std::string& token = required(request, "password");
    const std::string& newPassword = required(request, "newPassword");
    auto guard = context.db.lock();
    auto account = findAccount(context, name);
    if (!account)
        return Answer::refusal("用户“" + name + "”不存在。");
    if (!tokenMatches(context, *account, token))
        return Answer::refusal("原密码错误。");
    if (!isMd5Hex(newPassword))
        return Answer::refusal("新密码格式不正确。");
    context.db.execute("UPDATE account SET password_md5 = ? WHERE userid = ?",
                       {newPassword, account->userid});
    return Answer::success("密码修改成功");
}

Answer getFavoriteList(ServiceContext& context, const SoapRequest& request) {
    const std::string& name = required(request, "username");
    const std::string& token = required(request, "password");
    const std::string category = optional(request, "category");
    auto account = findAccount(context, name);
    if (!account || !tokenMatches(context, *account, token))
        return Answer::refusal("用户验证失败，请重新登录。");
    // One run of records per category, so that a category never comes back after another.
    auto rows = pageOf(
        context.db.query("SELECT shop.name, shop.extr_code, favorite.time, shop.category FROM favorite "
                         "JOIN shop ON shop.extr_code = favorite.extr_code WHERE favorite.userid = ? "
                         "AND (? = '' OR shop.category = ?) ORDER BY shop.category, favorite.time",
                         {account->userid, category, category}),
        request, 10);
    Answer answer = Answer::success(rows.empty() ? "收藏夹是空的" : "成功");
    for (const Row& row : rows)
        answer.addItem()
            .set("title", row[0])
            .set("extrCode", row[1])
            .set("time", row[2])
            .set("category", row[3]);
    return answer;
}

Answer AddFavorite(ServiceContext& context, const SoapRequest& request) {
    const std::string& name = required(request, "username");
    const std::string& token = required(request, "password");
    const std::string& code = required(request, "id");
    auto account = findAccount(context, name);
    if (!account || !tokenMatches(context, *account, token))
        return Answer::refusal("用户验证失败，请先登录。");
    if (context.db.query("SELECT 1 FROM shop WHERE extr_code = ?", {code}).empty())
        return Answer::refusal("没有找到该商家。");
    int added = context.db.execute("INSERT OR IGNORE INTO favorite VALUES(?, ?, ?)",
                                   {account->userid, code, now(context)});
    return Answer::success(added ? "收藏成功" : "已经在收藏夹中");
}

// Shops -----------------------------------------------------------------------

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

// The interaction service -------------------------------------------------------

Answer Execute_Interact_Add(ServiceContext& context, const SoapRequest& request) {
    const std::string& text = required(request, "context");
    if (text.find_first_not_of(" \t\r\n") == std::string::npos)
        return Answer::refusal("请填写问题内容。");
    context.db.execute("INSERT INTO question VALUES(?, ?, ?, ?, ?, '', ?)",
                       {optional(request, "group"), optional(request, "name"), optional(request, "tel"),
                        optional(request, "sex"), text, now(context)});
    return Answer::success("问题提交成功");
}

Answer Execute_Interact_Ds(ServiceContext& context, const SoapRequest& request) {
    const std::string group = optional(request, "group");
    const std::string begin = optional(request, "strBegin_date", "0000-00-00");
    const std::string end = optional(request, "strBegin_end", "9999-12-31");
    auto rows = context.db.query("SELECT grp, question, answer, time FROM question WHERE (? = '' OR grp = ?) "
                                 "AND time >= ? AND time <= ? ORDER BY time DESC LIMIT 20",
                                 {group, group, begin, end + " 23:59:59"});
    Answer answer = Answer::success(rows.empty() ? "没有任何数据" : "成功");
    for (const Row& row : rows) {
        answer.addItem()
            .set("group", row[0])
            .set("question", row[1])
            .set("answer", row[2].empty() ? "正在处理中" : row[2])
            .set("time", row[3]);
    }
    return answer;
}

} // namespace

long long dayNumber(long long epochMillis) {
    return static_cast<long long>(std::floor(static_cast<double>(epochMillis) / 24 / 60 / 60 / 1000 + 0.5));
}

std::string passwordToken(const std::string& passwordMd5, long long day) {
    return md5Hex(passwordMd5 + std::to_string(day));
}

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

const std::map<std::string, ActionHandler>& backEndActions() {
    static const std::map<std::string, ActionHandler> actions = {
        {"translateToGPS", translateToGPS},
        {"getWeatherInfo", getWeatherInfo},
        {"getUpdateInfo", getUpdateInfo},
        {"anonymousUserRegister", anonymousUserRegister},
        {"stationFuzzyQuery", stationFuzzyQuery},
        {"getBusStationLines", getBusStationLines},
        {"getBusLineRoute", getBusLineRoute},
        {"getBusLocation", getBusLocation},
        {"translateToStation", translateToStation},
        {"getBusTransferRoute", getBusTransferRoute},
        {"getBusLineFuzzyQuery", getBusLineFuzzyQuery},
        {"getNearStationQuery", getNearStationQuery},
        {"getChargeRecords", getChargeRecords},
        {"getConsumerRecords", getConsumerRecords},
        {"getChargePoint", getChargePoint},
        {"getChargePointArea", getChargePointArea},
        {"getBusAnnouncement", getBusAnnouncement},
        {"getLostAndFound", getLostAndFound},
        {"getSystemAnnouncement", getSystemAnnouncement},
        {"getDateTime", getDateTime},
        {"userLogin", userLogin},
        {"userRegister", userRegister},
        {"userPasswordChange", userPasswordChange},
        {"getFavoriteList", getFavoriteList},
        {"AddFavorite", AddFavorite},
        {"getPicWall", getPicWall},
        {"getScript", getScript},
        {"inquiryShop", inquiryShop},
    };
    return actions;
}

const std::map<std::string, ActionHandler>& interactionActions() {
    static const std::map<std::string, ActionHandler> actions = {
        {"Execute_Interact_Add", Execute_Interact_Add},
        {"Execute_Interact_Ds", Execute_Interact_Ds},
    };
    return actions;
}

} // namespace tansu::demo
