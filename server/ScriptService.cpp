#include "ScriptService.h"

#include "Actions.h"
#include "Database.h"
#include "Md5.h"
#include "ServerClock.h"

namespace tansu::demo {

std::vector<std::string> decodeScriptArgument(const std::string& field) {
    std::vector<std::string> values(1);
    for (std::size_t i = 0; i < field.size(); ++i) {
        char c = field[i];
        if (c == '\\' && i + 1 < field.size()) {
            values.back() += field[++i];
            continue;
        }
        if (c == ';') {
            values.emplace_back();
            continue;
        }
        values.back() += c;
    }
    return values;
}

namespace {

std::string field(const std::map<std::string, std::string>& form, const std::string& name) {
    auto it = form.find(name);
    return it == form.end() ? std::string() : it->second;
}

std::string firstValue(const std::map<std::string, std::string>& form, int index) {
    auto values = decodeScriptArgument(field(form, "arg" + std::to_string(index)));
    return values.front();
}

std::string shopName(ServiceContext& context, const std::string& code) {
    auto rows = context.db.query("SELECT name FROM shop WHERE extr_code = ?", {code});
    return rows.empty() ? std::string() : rows[0][0];
}

} // namespace

std::string runScriptFunction(ServiceContext& context, const std::map<std::string, std::string>& form) {
    const std::string function = field(form, "functionID");
    const std::string user = field(form, "userid");
    if (function.empty())
        return "缺少功能编号。";
    if (function == "getTime")
        return formatCityTime(context.clock.nowMillis());
    if (function == "echo") {
        std::string out;
        for (int i = 0; form.count("arg" + std::to_string(i)); ++i) {
            for (const auto& value : decodeScriptArgument(field(form, "arg" + std::to_string(i)))) {
                if (!out.empty())
                    out += ' ';
                out += value;
            }
        }
        return out;
    }
    std::string code = firstValue(form, 0);
    std::string name = shopName(context, code);
    if (function == "getCoupon") {
        if (name.empty())
            return "没有找到该商家。";
        // The same rider gets the same code for a shop all day.
        std::string day = formatCityTime(context.clock.nowMillis()).substr(0, 10);
        std::string digest = md5Hex(user + "|" + code + "|" + day);
        std::string coupon;
        for (std::size_t i = 0; i < 8; ++i)
            coupon += static_cast<char>(std::toupper(static_cast<unsigned char>(digest[i])));
        return name + "优惠码：" + coupon.substr(0, 4) + "-" + coupon.substr(4) + "，今日到店出示可享九折。";
    }
    if (function == "queue") {
        if (name.empty())
            return "没有找到该商家。";
        int minutes = context.clock.secondsOfDay() / 60;
        int waiting = (minutes * 7 + static_cast<int>(code.back())) % 9;
        if (waiting == 0)
            return name + "现在无需排队，欢迎光临！";
        return name + "前面还有" + std::to_string(waiting) + "桌，预计等待" + std::to_string(waiting * 6) +
               "分钟。";
    }
    if (function == "checkin") {
        if (name.empty())
            return "没有找到该商家。";
        if (user.empty())
            return "请先登录后再签到。";
        auto guard = context.db.lock();
        context.db.execute("INSERT INTO checkin VALUES(?, ?, 1) ON CONFLICT(userid, extr_code) "
                           "DO UPDATE SET count = count + 1",
                           {user, code});
        auto rows =
            context.db.query("SELECT count FROM checkin WHERE userid = ? AND extr_code = ?", {user, code});
        return "签到成功，这是您在" + name + "的第" + rows[0][0] + "次签到。";
    }
    return "未知的功能：" + function;
}

} // namespace tansu::demo
