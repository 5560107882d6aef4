#include "platform/ui/Button.h"
#include "platform/ui/MapView.h"
#include "platform/ui/TestDriver.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <mutex>
#include <thread>

using namespace platform::ui;

namespace {

// The place page as it uses the map: red pins with a car button for places,
// green pins for stations once the nearby stations have come.
struct PlacePage : MapViewDelegate, MapSearchDelegate {
    std::shared_ptr<MapView> map;
    int countPoint{0};
    int requestKind{0};
    Coordinate current;
    std::vector<Coordinate> nearbyAsked;
    std::vector<std::string> placeNames;
    int searchError{-1};

    PlacePage() {
        map = MapView::create({5, 85, 310, 245});
        map->setDelegate(this);
        map->setRegion(map->regionThatFits({{30.67, 104.06}, {0.15, 0.15}}));
        map->setShowsUserLocation(true);
        map->addTapHandler(2, [this](Point p) {
            current = map->convertPointToCoordinate(p);
            nearbyAsked.push_back(current);
        });
    }
    std::shared_ptr<PinAnnotationView>
    mapViewViewForAnnotation(MapView&, const std::shared_ptr<PointAnnotation>& a) override {
        auto pin = PinAnnotationView::create(a, "OK");
        pin->setPinColor(requestKind == 0 ? PinColor::Red : PinColor::Green);
        pin->setAnimatesDrop(true);
        pin->setCanShowCallout(true);
        pin->setTag(countPoint++);
        if (requestKind == 0) {
            auto car = Button::create({0, 0, 40, 40});
            car->setImage(Image::named("carIcon.png"));
            car->setAction([this] { nearbyAsked.push_back(current); });
            pin->setRightCalloutAccessoryView(car);
        }
        return pin;
    }
    void mapViewDidSelectAnnotationView(MapView&, PinAnnotationView& pin) override {
        current = pin.annotation()->coordinate;
    }
    void mapSearchDidGetPoiResult(MapSearch&, const std::vector<PoiResultGroup>& groups, int error) override {
        searchError = error;
        if (error != 0 || groups.empty())
            return;
        for (auto& place : groups.front().places)
            placeNames.push_back(place.name);
    }
};

} // namespace

TEST(MapViewTest, PointsAndCoordinatesConvertBothWays) {
    TestDriver driver;
    PlacePage page;
    auto region = page.map->region();
    // Fitted to the view: a degree spans as many points both ways.
    EXPECT_NEAR(region.span.latitudeDelta / 245, region.span.longitudeDelta / 310, 1e-12);
    EXPECT_NEAR(std::max(region.span.latitudeDelta, region.span.longitudeDelta), 0.15 * 310 / 245, 1e-9);
    auto centre = page.map->convertPointToCoordinate({155, 122.5});
    EXPECT_NEAR(centre.latitude, 30.67, 1e-9);
    EXPECT_NEAR(centre.longitude, 104.06, 1e-9);
    for (Point p : {Point{0, 0}, Point{310, 245}, Point{17.5, 200}}) {
        auto back = page.map->convertCoordinateToPoint(page.map->convertPointToCoordinate(p));
        EXPECT_NEAR(back.x, p.x, 1e-9);
        EXPECT_NEAR(back.y, p.y, 1e-9);
    }
    // North is up.
    EXPECT_GT(page.map->convertPointToCoordinate({0, 0}).latitude, centre.latitude);
}

TEST(MapViewTest, PinsCalloutsAndDoubleTap) {
    TestDriver driver;
    PlacePage page;
    driver.root()->addSubview(page.map);
    auto station = std::make_shared<PointAnnotation>(PointAnnotation{{30.68, 104.07}, "火车站", "北京路1号"});
    page.map->addAnnotation(station);
    driver.advance(0.4); // the pin drops
    auto pin = page.map->viewForAnnotation(station);
    ASSERT_TRUE(pin);
    EXPECT_EQ(pin->pinColor(), PinColor::Red);
    EXPECT_EQ(pin->tag(), 0);
    EXPECT_EQ(pin->reuseIdentifier(), "OK");
    auto tip = page.map->convertCoordinateToPoint(station->coordinate);
    EXPECT_NEAR(pin->presentationFrame().maxY(), tip.y, 1e-6);

    EXPECT_TRUE(driver.tapPin(*page.map, 0));
    EXPECT_EQ(page.map->selectedAnnotation(), station);
    EXPECT_EQ(page.current, station->coordinate);
    EXPECT_TRUE(driver.findByText("火车站"));
    EXPECT_TRUE(driver.findByText("北京路1号"));
    EXPECT_TRUE(driver.tapCallout(*page.map));
    ASSERT_EQ(page.nearbyAsked.size(), 1u);
    EXPECT_EQ(page.nearbyAsked[0], station->coordinate);

    EXPECT_TRUE(driver.tapMap(*page.map, {155, 122.5}, 2));
    ASSERT_EQ(page.nearbyAsked.size(), 2u);
    EXPECT_NEAR(page.nearbyAsked[1].latitude, 30.67, 1e-9);
    EXPECT_NEAR(page.nearbyAsked[1].longitude, 104.06, 1e-9);

    // Later pins are green, without a car button.
    page.requestKind = 1;
    auto stop = std::make_shared<PointAnnotation>(PointAnnotation{{30.66, 104.05}, "体育馆", ""});
    page.map->addAnnotation(stop);
    EXPECT_EQ(page.map->viewForAnnotation(stop)->pinColor(), PinColor::Green);
    EXPECT_EQ(page.map->viewForAnnotation(stop)->tag(), 1);
    EXPECT_TRUE(driver.tapPin(*page.map, 1));
    EXPECT_FALSE(driver.tapCallout(*page.map));

    page.map->removeAnnotations(page.map->annotations());
    EXPECT_TRUE(page.map->annotations().empty());
    EXPECT_EQ(page.map->calloutView(), nullptr);
}

TEST(MapViewTest, PlaceSearchAsksTheConfiguredService) {
    httplib::Server server;
    std::mutex askedMutex; // the server answers on its own thread
    std::string askedCity;
    std::string askedKeyword;
    auto asked = [&] {
        std::lock_guard lock(askedMutex);
        return std::make_pair(askedCity, askedKeyword);
    };
    server.Get("/place/search", [&](const httplib::Request& request, httplib::Response& response) {
        std::lock_guard lock(askedMutex);
        askedCity = request.get_param_value("city");
        askedKeyword = request.get_param_value("keyword");
        if (askedCity != "银川") {
            response.set_content(R"({"status":1,"city":"","results":[]})", "application/json");
            return;
        }
        response.set_content(R"({"status":0,"city":"银川","results":[)"
                             R"({"name":"鼓楼","address":"解放街","latitude":38.47,"longitude":106.27},)"
                             R"({"name":"鼓楼南","address":"","latitude":38.46,"longitude":106.27}]})",
                             "application/json");
    });
    const int port = server.bind_to_any_port("127.0.0.1");
    std::thread thread([&] { server.listen_after_bind(); });

    TestDriver driver(false);
    PlacePage page;
    MapSearch search(&page);
    MapSearch::setServiceUrl("");
    EXPECT_FALSE(search.poiSearchInCity("银川", "鼓楼", 0));
    MapSearch::setServiceUrl("http://127.0.0.1:" + std::to_string(port) + "/");
    EXPECT_FALSE(search.poiSearchInCity("银川", "", 0));
    ASSERT_TRUE(search.poiSearchInCity("银川", "鼓楼", 0));
    EXPECT_TRUE(driver.runUntil([&] { return page.searchError >= 0; }));
    EXPECT_EQ(page.searchError, 0);
    EXPECT_EQ(asked(), std::make_pair(std::string("银川"), std::string("鼓楼")));
    EXPECT_EQ(page.placeNames, (std::vector<std::string>{"鼓楼", "鼓楼南"}));

    page.searchError = -1;
    ASSERT_TRUE(search.poiSearchInCity("成都", "鼓楼", 0));
    EXPECT_TRUE(driver.runUntil([&] { return page.searchError >= 0; }));
    EXPECT_EQ(page.searchError, MapSearch::kErrorUnknownCity);

    // A search dropped before its answer comes calls nobody.
    {
        MapSearch dropped(&page);
        page.searchError = -1;
        ASSERT_TRUE(dropped.poiSearchInCity("银川", "钟楼", 0));
        EXPECT_TRUE(driver.runUntil([&] { return asked().second == "钟楼"; }));
    }
    driver.runUntil([] { return false; }, 0.3);
    EXPECT_EQ(page.searchError, -1);

    server.stop();
    thread.join();
    page.searchError = -1;
    ASSERT_TRUE(search.poiSearchInCity("银川", "鼓楼", 0));
    EXPECT_TRUE(driver.runUntil([&] { return page.searchError >= 0; }));
    EXPECT_EQ(page.searchError, MapSearch::kErrorNoAnswer);
    MapSearch::setServiceUrl("");
}

TEST(MapManagerTest, StartsOnlyWithAWellFormedKey) {
    EXPECT_FALSE(MapManager::start("short"));
    EXPECT_FALSE(MapManager::isStarted());
    EXPECT_FALSE(MapManager::start(std::string(40, 'g')));
    EXPECT_FALSE(MapManager::start(std::string(39, 'A') + "a"));
    EXPECT_TRUE(MapManager::start("0123456789ABCDEF0123456789ABCDEF01234567"));
    EXPECT_TRUE(MapManager::isStarted());
}
