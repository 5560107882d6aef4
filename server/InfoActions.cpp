// The actions of the information feeds: weather, the update check, notices,
// IC-card records and charge points; and the interaction service.
#include "ActionSupport.h"

#include "Database.h"
#include "ServerClock.h"

#include <sstream>

namespace tansu::demo {

namespace {

std::vector<int> versionParts(const std::string& text) {
    std::vector<int> parts;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, '.'))
        parts.push_back(number(part, 0, 0, 1000000));
    return parts;
}

std::optional<std::string> cardKind(ServiceContext& context, const std::string& card) {
    auto rows = context.db.query("SELECT kind FROM card WHERE card_id = ?", {card});
    if (rows.empty())
        return std::nullopt;
    return rows[0][0];
}

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

Answer getBusAnnouncement(ServiceContext& context, const SoapRequest& request) {
    return notices(context, request, "bus", "infoTitle", "infoTime", "infoContent");
}

Answer getLostAndFound(ServiceContext& context, const SoapRequest& request) {
    return notices(context, request, "lost", "title", "pubDate", "content");
}

Answer getSystemAnnouncement(ServiceContext& context, const SoapRequest& request) {
    return notices(context, request, "system", "infoTitle", "infoTime", "infoContent");
}

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

void addInteractionActions(ActionMap& actions) {
    actions.emplace("Execute_Interact_Add", Execute_Interact_Add);
    actions.emplace("Execute_Interact_Ds", Execute_Interact_Ds);
}

void addInfoActions(ActionMap& actions) {
    actions.emplace("getWeatherInfo", getWeatherInfo);
    actions.emplace("getUpdateInfo", getUpdateInfo);
    actions.emplace("getChargeRecords", getChargeRecords);
    actions.emplace("getConsumerRecords", getConsumerRecords);
    actions.emplace("getChargePoint", getChargePoint);
    actions.emplace("getChargePointArea", getChargePointArea);
    actions.emplace("getBusAnnouncement", getBusAnnouncement);
    actions.emplace("getLostAndFound", getLostAndFound);
    actions.emplace("getSystemAnnouncement", getSystemAnnouncement);
}

} // namespace tansu::demo
