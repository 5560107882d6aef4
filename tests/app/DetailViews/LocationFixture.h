// The client on the Inquire tab, with the demo back end and, for answers the
// demo city cannot give, a canned back end: a loopback server that answers
// each action with the fragment a test sets and records what was asked.
#pragma once

#include "SubViews/SubInquireLocation.h"
#include "TabViews/TabInquireViewController.h"
#include "platform/UserDefaults.h"
#include "platform/support/LocalHttpServer.h"
#include "platform/ui/ProgressOverlay.h"
#include "support/AppFixture.h"

#include <map>
#include <mutex>

class CannedBackEnd {
public:
    CannedBackEnd() {
        m_server.http().Post("/service.asmx", [this](const httplib::Request& req, httplib::Response& res) {
            auto soapAction = req.get_header_value("SOAPAction");
            auto action = soapAction.substr(soapAction.find_last_of('/') + 1);
            std::lock_guard lock(m_mutex);
            m_asked.push_back({action, req.body});
            auto found = m_answers.find(action);
            if (found == m_answers.end() || found->second == "HTTP 500") {
                res.status = 500;
                res.set_content("<soap:Envelope><soap:Body><soap:Fault/></soap:Body></soap:Envelope>",
                                "text/xml");
                return;
            }
            res.set_content("<soap:Envelope><soap:Body><xResponse><xResult>" + found->second +
                                "</xResult></xResponse></soap:Body></soap:Envelope>",
                            "text/xml");
        });
        m_server.start();
    }

    std::string url() const { return m_server.url("/service.asmx"); }
    // The fragment for an action ("HTTP 500" answers with a server error).
    void answer(const std::string& action, const std::string& fragment) {
        std::lock_guard lock(m_mutex);
        m_answers[action] = fragment;
    }
    size_t count(const std::string& action) {
        std::lock_guard lock(m_mutex);
        return std::count_if(m_asked.begin(), m_asked.end(), [&](auto& a) { return a.first == action; });
    }
    size_t total() {
        std::lock_guard lock(m_mutex);
        return m_asked.size();
    }
    // The body of the last request of an action.
    std::string lastBody(const std::string& action) {
        std::lock_guard lock(m_mutex);
        for (auto it = m_asked.rbegin(); it != m_asked.rend(); ++it)
            if (it->first == action)
                return it->second;
        return {};
    }

private:
    LocalHttpServer m_server;
    std::mutex m_mutex;
    std::map<std::string, std::string> m_answers;
    std::vector<std::pair<std::string, std::string>> m_asked;
};

// Twelve stations in each direction; the rider's "庚站" is index 6 going up.
inline const std::string kUpStations = "甲站,乙站,丙站,丁站,戊站,己站,庚站,辛站,壬站,癸站,子站,丑站";
inline const std::string kDownStations = "丑站,子站,癸站,壬站,辛站,庚站,己站,戊站,丁站,丙站,乙站,甲站";

inline std::string routeFragment(const std::string& rows) {
    return "<NewDataSet><Table><code>200</code><msg>成功</msg>" + rows + "</NewDataSet>";
}
inline std::string routeRow(const std::string& type, const std::string& stations, bool first = false) {
    std::string fields = "<lineNumber>T</lineNumber><departureTime>06:00</departureTime>"
                         "<closeOffTime>22:00</closeOffTime><type>" +
                         type + "</type><stations>" + stations + "</stations><stationGPS></stationGPS>";
    return first ? fields + "</Table>" : "<Table>" + fields + "</Table>";
}
inline std::string twoWayRoute() {
    return routeFragment(routeRow("上行", kUpStations, true) + routeRow("下行", kDownStations));
}

class LocationFixture : public AppFixture {
protected:
    void launchOnInquire() {
        launch();
        driver.advance(1.1); // the tab's page has faded in
    }
    void useCannedBackEnd() {
        canned = std::make_unique<CannedBackEnd>();
        setWebURLString(canned->url());
    }
    void TearDown() override {
        AppFixture::TearDown();
        canned.reset();
    }

    TabInquireViewController& tab() { return *app->m_viewTabInquire; }
    SubInquireLocation& page() { return *tab().subLocation(); }
    ShowLocationViewController* screen() { return page().showLocationView(); }

    // Waits until no request of the view is running (the overlay counts them).
    bool settled(platform::ui::View& view) {
        return driver.runUntil([&] { return platform::ui::ProgressOverlay::count(view) == 0; });
    }
    // Opens the position screen and waits for the route and the first positions.
    ShowLocationViewController& open(const std::string& line, const std::string& station) {
        const size_t before = canned ? canned->count("getBusLocation") : 0;
        page().queryBusLocationLocation(line, station);
        auto& s = *screen();
        // A request is counted by the server only after its overlay is up.
        EXPECT_TRUE(driver.runUntil([&] {
            bool asked = canned ? canned->count("getBusLocation") > before : s.hasPositions();
            return asked && platform::ui::ProgressOverlay::count(*s.view()) == 0;
        }));
        return s;
    }

    std::unique_ptr<CannedBackEnd> canned;
};
