// Weather, notices, IC cards, charge points, shops and their scripts, the
// interaction service, the script service and the map pages.
#include "ScriptService.h"
#include "support/ServerFixture.h"

#include <httplib.h>

#include <algorithm>
#include <set>

namespace tansu::demo::test {
namespace {

using InfoActionsTest = ServerFixture;

TEST_F(InfoActionsTest, WeatherNamesAnIconThatTheServerServes) {
    Fragment weather = call("getWeatherInfo");
    ASSERT_EQ(weather.code(), "200");
    EXPECT_FALSE(weather.records[0]["weatherInfo"].empty());
    std::string url = weather.records[0]["imageUrl"];
    std::string prefix = server->baseUrl() + "/icons/";
    ASSERT_EQ(url.rfind(prefix, 0), 0u) << url;
    httplib::Client client("127.0.0.1", server->port());
    auto icon = client.Get(url.substr(server->baseUrl().size()).c_str());
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->status, 200);
    EXPECT_EQ(icon->body.substr(1, 3), "PNG");
    EXPECT_EQ(client.Get("/icons/../schema.sql")->status, 404);
    EXPECT_EQ(client.Get("/icons/none.png")->status, 404);
}

TEST_F(InfoActionsTest, TheThreeNoticeFeedsWithTheirOwnFields) {
    struct Feed {
        const char* action;
        const char* title;
        const char* time;
        const char* content;
    };
    const Feed feeds[] = {{"getBusAnnouncement", "infoTitle", "infoTime", "infoContent"},
                          {"getLostAndFound", "title", "pubDate", "content"},
                          {"getSystemAnnouncement", "infoTitle", "infoTime", "infoContent"}};
    for (const auto& feed : feeds) {
        Fragment answer = call(feed.action, {{"pageIndex", "1"}, {"pageSize", "11"}});
        ASSERT_EQ(answer.code(), "200") << feed.action;
        ASSERT_FALSE(answer.msg().empty());
        auto titles = answer.list(feed.title);
        EXPECT_GE(titles.size(), 4u) << feed.action;
        for (std::size_t i = 0; i < titles.size(); ++i) {
            EXPECT_EQ(answer.records[i][feed.time].size(), 19u);
            EXPECT_FALSE(answer.records[i][feed.content].empty());
        }
    }
    Fragment secondPage = call("getBusAnnouncement", {{"pageIndex", "2"}, {"pageSize", "5"}});
    Fragment firstPage = call("getBusAnnouncement", {{"pageIndex", "1"}, {"pageSize", "5"}});
    EXPECT_EQ(firstPage.list("infoTitle").size(), 5u);
    EXPECT_NE(secondPage.list("infoTitle").front(), firstPage.list("infoTitle").front());
}

TEST_F(InfoActionsTest, CardRecordsOfBothKinds) {
    Fragment charges = call("getChargeRecords", {{"cardID", "31000001"}, {"count", "11"}});
    ASSERT_EQ(charges.code(), "200");
    auto types = charges.list("chargeType");
    ASSERT_EQ(types.size(), 4u);
    EXPECT_EQ(charges.records[0]["chargeCount"], "0");
    EXPECT_EQ(charges.records[0]["residualAmount"], "63.5");
    EXPECT_GE(charges.records[0]["chargeTime"], charges.records[1]["chargeTime"]);

    Fragment amountRides = call("getConsumerRecords", {{"cardID", "31000001"}, {"count", "2"}});
    ASSERT_EQ(amountRides.list("consumerTime").size(), 2u);
    EXPECT_FALSE(amountRides.records[0].has("consumerCount")) << "a card with money has no ride counts";
    Fragment countRides = call("getConsumerRecords", {{"cardID", "31000002"}, {"count", "11"}});
    EXPECT_TRUE(countRides.records[0].has("consumerCount"));
    EXPECT_FALSE(countRides.records[0]["busNumber"].empty());

    Fragment unknown = call("getChargeRecords", {{"cardID", "1"}, {"count", "11"}});
    EXPECT_EQ(unknown.code(), "999");
}

TEST_F(InfoActionsTest, ChargeAreasAndTheirPoints) {
    Fragment areas = call("getChargePointArea");
    auto names = areas.list("name");
    ASSERT_GE(names.size(), 3u);
    EXPECT_EQ(names[0], "兴庆区");
    Fragment points = call("getChargePoint", {{"area", names[0]}});
    ASSERT_EQ(points.code(), "200");
    auto list = split(points.records[0]["info"]);
    EXPECT_GE(list.size(), 3u);
    EXPECT_NE(list[0].find('('), std::string::npos) << list[0];
    EXPECT_EQ(call("getChargePoint", {{"area", "火星"}}).code(), "999");
}

TEST_F(InfoActionsTest, PictureWallInPagesWithPicturesAndShopCodes) {
    Fragment wall = call("getPicWall", {{"username", "A0"}, {"screenWidth", "320"}, {"screenHeight", "460"}});
    auto pictures = wall.list("picUrl");
    ASSERT_EQ(pictures.size(), 12u);
    std::vector<std::string> pages;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const auto& record = wall.records[i];
        std::string code = record["extrCode"];
        EXPECT_EQ(code.size(), 12u);
        EXPECT_TRUE(code.rfind("00S01", 0) == 0 || code.rfind("00S02", 0) == 0) << code;
        if (pages.empty() || pages.back() != record["pageName"])
            pages.push_back(record["pageName"]);
    }
    EXPECT_EQ(pages, (std::vector<std::string>{"美食", "购物", "休闲"}));
    httplib::Client client("127.0.0.1", server->port());
    auto picture = client.Get(pictures[0].substr(server->baseUrl().size()).c_str());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->status, 200);
}

TEST_F(InfoActionsTest, QrCodeSheetShowsStationAndShopCodes) {
    httplib::Client client("127.0.0.1", server->port());
    auto sheet = client.Get("/qrcodes");
    ASSERT_TRUE(sheet);
    EXPECT_NE(sheet->body.find("鼓楼（站点 10006）"), std::string::npos) << sheet->body;
    EXPECT_NE(sheet->body.find("鼓楼手抓羊肉（商家）"), std::string::npos);
    auto picture = client.Get("/qrcodes/00S001010006.png");
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->status, 200);
    EXPECT_EQ(picture->body.substr(1, 3), "PNG");
}

TEST_F(InfoActionsTest, EveryShopScriptIsFilledIn) {
    Fragment wall = call("getPicWall", {{"username", "A0"}, {"screenWidth", "320"}, {"screenHeight", "460"}});
    for (const auto& code : wall.list("extrCode")) {
        Fragment script = call("getScript", {{"extrCode", code}, {"userID", "A0"}});
        ASSERT_EQ(script.code(), "200") << code;
        std::string text = script.records[0]["script"];
        EXPECT_NE(text.find("sub main(ObjectArray args[10])"), std::string::npos) << code;
        EXPECT_NE(text.find("ui_show()"), std::string::npos) << code;
        EXPECT_EQ(text.find("${"), std::string::npos) << code << ": a placeholder is left";
        EXPECT_EQ(script.records[0]["scriptID"], code);
        EXPECT_FALSE(script.records[0]["callerID"].empty());
        // Every string on a line is closed: a script string cannot span lines.
        for (const auto& line : split(text, '\n'))
            EXPECT_EQ(std::count(line.begin(), line.end(), '"') % 2, 0) << code << ": " << line;
    }
    EXPECT_EQ(call("getScript", {{"extrCode", "00S019999999"}, {"userID", "A0"}}).code(), "999");
}

TEST_F(InfoActionsTest, ShopSearchByNameByStationTitleAndWithoutHits) {
    Fragment byName = call("inquiryShop", {{"keyword", "拉面"}, {"pageIndex", "1"}, {"pageSize", "10"}});
    ASSERT_EQ(byName.list("title").size(), 1u);
    EXPECT_EQ(byName.records[0]["extrCode"], "00S010000003");

    Fragment nearStation =
        call("inquiryShop", {{"keyword", "鼓楼(GPS号:10006)"}, {"pageIndex", "1"}, {"pageSize", "10"}});
    auto titles = nearStation.list("title");
    EXPECT_NE(std::find(titles.begin(), titles.end(), "鼓楼手抓羊肉"), titles.end());

    // The station menu's first button sends the stop's alias.
    Fragment byAlias =
        call("inquiryShop", {{"keyword", "火车站西广场"}, {"pageIndex", "1"}, {"pageSize", "10"}});
    auto nearTrain = byAlias.list("title");
    EXPECT_NE(std::find(nearTrain.begin(), nearTrain.end(), "火车站兰州拉面"), nearTrain.end());

    Fragment none = call("inquiryShop", {{"keyword", "潜水艇"}, {"pageIndex", "1"}, {"pageSize", "10"}});
    EXPECT_EQ(none.code(), "200");
    EXPECT_TRUE(none.list("title").empty());
}

TEST_F(InfoActionsTest, FeedbackIsStoredAndQuestionsAreFound) {
    SoapTestClient interact(server->port(), "/InteractService.asmx");
    SoapResult sent = interact.call("Execute_Interact_Add", {{"name", "测试"},
                                                             {"sex", "男"},
                                                             {"tel", "13800000000"},
                                                             {"group", "服务管理"},
                                                             {"context", "车上太冷了"},
                                                             {"errMsg", "000"}});
    ASSERT_TRUE(sent.fragment);
    EXPECT_EQ(sent.fragment->code(), "200");
    SoapResult empty = interact.call(
        "Execute_Interact_Add",
        {{"name", ""}, {"sex", "男"}, {"tel", ""}, {"group", ""}, {"context", ""}, {"errMsg", "000"}});
    EXPECT_EQ(empty.fragment->code(), "999");

    SoapResult found = interact.call("Execute_Interact_Ds", {{"name", ""},
                                                             {"tel", ""},
                                                             {"group", "服务管理"},
                                                             {"strBegin_date", "2012-08-10"},
                                                             {"strBegin_end", "2026-12-11"}});
    ASSERT_TRUE(found.fragment);
    auto questions = found.fragment->list("question");
    EXPECT_NE(std::find(questions.begin(), questions.end(), "车上太冷了"), questions.end());
    EXPECT_GE(questions.size(), 2u);
}

TEST_F(InfoActionsTest, ScriptServiceFunctions) {
    httplib::Client client("127.0.0.1", server->port());
    auto post = [&](httplib::Params form) {
        auto response = client.Post("/OnlineMethod/Default.aspx", form);
        EXPECT_TRUE(response);
        return response ? response->body : std::string();
    };
    std::string coupon = post(
        {{"userid", "A1"}, {"callerID", "M1001"}, {"functionID", "getCoupon"}, {"arg0", "00S010000001"}});
    EXPECT_NE(coupon.find("鼓楼手抓羊肉"), std::string::npos) << coupon;
    EXPECT_EQ(
        coupon,
        post(
            {{"userid", "A1"}, {"callerID", "M1001"}, {"functionID", "getCoupon"}, {"arg0", "00S010000001"}}))
        << "the same rider gets the same code all day";
    std::string first =
        post({{"userid", "A1"}, {"callerID", "M2001"}, {"functionID", "checkin"}, {"arg0", "00S010000005"}});
    std::string second =
        post({{"userid", "A1"}, {"callerID", "M2001"}, {"functionID", "checkin"}, {"arg0", "00S010000005"}});
    EXPECT_NE(first.find("第1次"), std::string::npos) << first;
    EXPECT_NE(second.find("第2次"), std::string::npos) << second;
    EXPECT_EQ(post({{"userid", "A1"}, {"callerID", "x"}, {"functionID", "getTime"}}), "2026-12-11 08:30:00");
    EXPECT_EQ(post({{"userid", "A1"}, {"callerID", "x"}, {"functionID", "echo"}, {"arg0", "a\\;b;c\\\\d"}}),
              "a;b c\\d");
    EXPECT_NE(post({{"userid", "A1"}, {"callerID", "x"}, {"functionID", "fly"}}).find("fly"),
              std::string::npos);
}

TEST(ScriptServiceUnit, ArgumentsSplitAtUnescapedSemicolons) {
    EXPECT_EQ(decodeScriptArgument("a\\;b;c\\\\d"), (std::vector<std::string>{"a;b", "c\\d"}));
    EXPECT_EQ(decodeScriptArgument(""), (std::vector<std::string>{""}));
    EXPECT_EQ(decodeScriptArgument("x;"), (std::vector<std::string>{"x", ""}));
}

TEST_F(InfoActionsTest, PlaceSearchAndWebMapPage) {
    httplib::Client client("127.0.0.1", server->port());
    auto search = client.Get("/place/search?city=%E9%93%B6%E5%B7%9D&keyword=%E9%BC%93%E6%A5%BC&page=0");
    ASSERT_TRUE(search);
    EXPECT_EQ(search->body.rfind("{\"status\":0", 0), 0u) << search->body;
    EXPECT_NE(search->body.find("\"name\":\"鼓楼\""), std::string::npos);
    // A charge point text "name(address)" finds its place.
    auto point = client.Get("/place/search?keyword=" +
                            httplib::detail::encode_query_param("鼓楼营业厅(金凤区上海路90号)"));
    EXPECT_NE(point->body.find("\"name\":\"鼓楼营业厅\""), std::string::npos) << point->body;
    auto elsewhere = client.Get("/place/search?city=X&keyword=a");
    EXPECT_EQ(elsewhere->body.rfind("{\"status\":1", 0), 0u);

    auto page =
        client.Get("/maps?hl=zh&mrt=loc&q=" + httplib::detail::encode_query_param("金凤区上海路88号"));
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_NE(page->body.find("金凤区上海路88号"), std::string::npos);
    auto hostile =
        client.Get("/maps?hl=zh&mrt=loc&q=" + httplib::detail::encode_query_param("<script>x</script>"));
    EXPECT_EQ(hostile->body.find("<script>"), std::string::npos);
}

} // namespace
} // namespace tansu::demo::test
