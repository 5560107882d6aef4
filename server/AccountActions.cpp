// The actions of accounts and favourites: anonymous ids, the day number of
// the password token, registration, login, password change and favourites.
#include "ActionSupport.h"

#include "Database.h"
#include "Md5.h"
#include "ServerClock.h"

#include <algorithm>
#include <cmath>

namespace tansu::demo {

namespace {

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
    // The anonymous id sent with the registration becomes the account's id, so
    // a device that keeps that id goes on with one identity after registering.
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

} // namespace

void addAccountActions(ActionMap& actions) {
    actions.emplace("anonymousUserRegister", anonymousUserRegister);
    actions.emplace("getDateTime", getDateTime);
    actions.emplace("userLogin", userLogin);
    actions.emplace("userRegister", userRegister);
    actions.emplace("userPasswordChange", userPasswordChange);
    actions.emplace("getFavoriteList", getFavoriteList);
    actions.emplace("AddFavorite", AddFavorite);
}

} // namespace tansu::demo
