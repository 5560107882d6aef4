#include "Transit.h"

#include "Database.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <stdexcept>
#include <tuple>

namespace tansu::demo {

namespace {

int parseHourMinute(const std::string& text) {
    int h = 0, m = 0;
    if (std::sscanf(text.c_str(), "%d:%d", &h, &m) != 2)
        throw std::runtime_error("bad time in timetable: " + text);
    return h * 3600 + m * 60;
}

std::string upperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

std::string trim(std::string_view text) {
    auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

struct Ride {
    int line{-1};
    int direction{-1};
    int from{-1}; // positions within the direction
    int to{-1};
    int count{0}; // stops travelled; on a loop the ride may pass the terminal and go on
};

} // namespace

double distanceMetres(double lat1, double lon1, double lat2, double lon2) {
    constexpr double kEarthRadius = 6371000.0;
    constexpr double kRad = 3.14159265358979323846 / 180.0;
    double dLat = (lat2 - lat1) * kRad;
    double dLon = (lon2 - lon1) * kRad;
    double a = std::sin(dLat / 2) * std::sin(dLat / 2) +
               std::cos(lat1 * kRad) * std::cos(lat2 * kRad) * std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2 * kEarthRadius * std::asin(std::min(1.0, std::sqrt(a)));
}

void Transit::load(Database& db) {
    m_stops.clear();
    m_lines.clear();
    std::map<std::string, int> byCode;
    for (auto& row : db.query("SELECT code, name, alias, address, qrcode, latitude, longitude FROM station "
                              "ORDER BY code")) {
        Stop stop{row[0], row[1], row[2], row[3], row[4], std::stod(row[5]), std::stod(row[6])};
        byCode[stop.code] = static_cast<int>(m_stops.size());
        m_stops.push_back(std::move(stop));
    }
    std::map<std::string, int> lineIndex;
    for (auto& row :
         db.query("SELECT name, kind, first_departure, last_departure, headway_seconds, stop_seconds "
                  "FROM line ORDER BY sort")) {
        Line line;
        line.name = row[0];
        line.loop = row[1] == "loop";
        line.firstDeparture = row[2];
        line.lastDeparture = row[3];
        line.firstSeconds = parseHourMinute(row[2]);
        line.lastSeconds = parseHourMinute(row[3]);
        line.headwaySeconds = std::max(60, std::stoi(row[4]));
        line.stopSeconds = std::max(10, std::stoi(row[5]));
        lineIndex[line.name] = static_cast<int>(m_lines.size());
        m_lines.push_back(std::move(line));
    }
    // Directions in the order up, down, loop, whatever order the seed lists them in.
    for (auto& row : db.query("SELECT line, direction, code FROM line_stop ORDER BY line, "
                              "CASE direction WHEN '上行' THEN 0 WHEN '下行' THEN 1 ELSE 2 END, seq")) {
        auto lineIt = lineIndex.find(row[0]);
        auto stopIt = byCode.find(row[2]);
        if (lineIt == lineIndex.end() || stopIt == byCode.end())
            throw std::runtime_error("line_stop refers to an unknown line or stop: " + row[0] + " " + row[2]);
        Line& line = m_lines[lineIt->second];
        if (line.directions.empty() || line.directions.back().type != row[1])
            line.directions.push_back(Direction{row[1], {}});
        line.directions.back().stops.push_back(stopIt->second);
    }
    m_linesAtStop.assign(m_stops.size(), {});
    for (std::size_t l = 0; l < m_lines.size(); ++l) {
        for (const auto& direction : m_lines[l].directions) {
            for (int stop : direction.stops) {
                auto& lines = m_linesAtStop[stop];
                if (std::find(lines.begin(), lines.end(), static_cast<int>(l)) == lines.end())
                    lines.push_back(static_cast<int>(l));
            }
        }
    }
    for (auto& lines : m_linesAtStop)
        std::sort(lines.begin(), lines.end());
}

const Line* Transit::findLine(std::string_view name) const {
    std::string wanted = upperAscii(trim(name));
    for (const auto& line : m_lines) {
        if (upperAscii(line.name) == wanted)
            return &line;
    }
    return nullptr;
}

int Transit::findStopByCode(std::string_view code) const {
    for (std::size_t i = 0; i < m_stops.size(); ++i) {
        if (m_stops[i].code == code)
            return static_cast<int>(i);
    }
    return -1;
}

int Transit::findStopByQrCode(std::string_view qrcode) const {
    for (std::size_t i = 0; i < m_stops.size(); ++i) {
        if (m_stops[i].qrcode == qrcode)
            return static_cast<int>(i);
    }
    return -1;
}

std::vector<int> Transit::stopsNamed(std::string_view name) const {
    std::vector<int> found;
    for (std::size_t i = 0; i < m_stops.size(); ++i) {
        if (m_stops[i].name == name)
            found.push_back(static_cast<int>(i));
    }
    return found;
}

std::vector<std::string> Transit::linesAtStop(int stop) const {
    std::vector<std::string> names;
    if (stop < 0 || stop >= static_cast<int>(m_stops.size()))
        return names;
    for (int l : m_linesAtStop[stop])
        names.push_back(m_lines[l].name);
    return names;
}

std::vector<std::string> Transit::searchStationNames(std::string_view text) const {
    std::string wanted = trim(text);
    std::vector<std::pair<int, std::string>> ranked;
    std::set<std::string> seen;
    if (wanted.empty())
        return {};
    for (const auto& stop : m_stops) {
        if (seen.count(stop.name))
            continue;
        int rank = -1;
        if (stop.name == wanted)
            rank = 0;
        else if (stop.name.rfind(wanted, 0) == 0)
            rank = 1;
        else if (stop.name.find(wanted) != std::string::npos)
            rank = 2;
        else if (stop.alias.find(wanted) != std::string::npos || stop.code == wanted)
            rank = 3;
        if (rank < 0)
            continue;
        seen.insert(stop.name);
        ranked.emplace_back(rank, stop.name);
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> names;
    for (auto& [rank, name] : ranked)
        names.push_back(std::move(name));
    return names;
}

std::vector<std::string> Transit::searchLineNames(std::string_view text) const {
    std::string wanted = upperAscii(trim(text));
    std::vector<std::pair<int, std::string>> ranked;
    if (wanted.empty())
        return {};
    for (const auto& line : m_lines) {
        std::string name = upperAscii(line.name);
        int rank = name == wanted                           ? 0
                   : name.rfind(wanted, 0) == 0             ? 1
                   : name.find(wanted) != std::string::npos ? 2
                                                            : -1;
        if (rank >= 0)
            ranked.emplace_back(rank, line.name);
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> names;
    for (auto& [rank, name] : ranked)
        names.push_back(std::move(name));
    return names;
}

std::optional<std::string> Transit::resolveStationName(std::string_view text) const {
    std::string wanted = trim(text);
    if (wanted.empty())
        return std::nullopt;
    if (!stopsNamed(wanted).empty())
        return wanted;
    int byCode = findStopByCode(wanted);
    if (byCode >= 0)
        return m_stops[byCode].name;
    // A menu title: "name(GPS号:code)"; the name before the bracket decides.
    for (std::string_view bracket : {std::string_view("("), std::string_view("（")}) {
        auto at = wanted.find(bracket);
        if (at != std::string::npos && at > 0) {
            std::string name = trim(std::string_view(wanted).substr(0, at));
            if (!stopsNamed(name).empty())
                return name;
        }
    }
    // Otherwise the first run of five or more digits, taken as a stop code.
    for (std::size_t i = 0; i < wanted.size();) {
        if (wanted[i] < '0' || wanted[i] > '9') {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < wanted.size() && wanted[end] >= '0' && wanted[end] <= '9')
            ++end;
        if (end - i >= 5) {
            int stop = findStopByCode(std::string_view(wanted).substr(i, end - i));
            if (stop >= 0)
                return m_stops[stop].name;
        }
        i = end;
    }
    return std::nullopt;
}

std::vector<int> Transit::vehiclePositions(const Line& line, const Direction& direction,
                                           int secondsOfDay) const {
    std::vector<int> positions;
    int segments = static_cast<int>(direction.stops.size()) - 1;
    if (segments <= 0)
        return positions;
    int tripSeconds = segments * line.stopSeconds;
    int trips = (line.lastSeconds - line.firstSeconds) / line.headwaySeconds;
    // Trips that have left (departure <= now) and not yet arrived (now - departure < trip time).
    int newest = (secondsOfDay - line.firstSeconds) / line.headwaySeconds;
    if (secondsOfDay < line.firstSeconds)
        return positions;
    newest = std::min(newest, trips);
    for (int trip = newest; trip >= 0; --trip) {
        int elapsed = secondsOfDay - (line.firstSeconds + trip * line.headwaySeconds);
        if (elapsed >= tripSeconds)
            break;
        positions.push_back(elapsed / line.stopSeconds);
    }
    return positions;
}

std::vector<int> Transit::approachingVehicles(const Line& line, const Direction& direction, int position,
                                              int secondsOfDay, int maxCount) const {
    std::vector<int> distances;
    const auto& stops = direction.stops;
    bool loop = line.loop && stops.size() > 2 && stops.front() == stops.back();
    int lap = static_cast<int>(stops.size()) - 1;
    for (int at : vehiclePositions(line, direction, secondsOfDay)) {
        // On a loop every bus comes round to the rider's stop, also one that has passed it.
        if (loop)
            distances.push_back(((position - at) % lap + lap) % lap);
        else if (at <= position)
            distances.push_back(position - at);
    }
    std::sort(distances.begin(), distances.end());
    if (static_cast<int>(distances.size()) > maxCount)
        distances.resize(std::max(0, maxCount));
    return distances;
}

std::vector<Plan> Transit::transferPlans(const std::string& from, const std::string& to,
                                         std::size_t maxPlans) const {
    auto nameAt = [this](int line, int direction, int position) -> const std::string& {
        return m_stops[m_lines[line].directions[direction].stops[position]].name;
    };
    // A loop's list ends with its first stop again: buses go on round, so a ride may pass it.
    auto isLoop = [this](int line, int direction) {
        const auto& stops = m_lines[line].directions[direction].stops;
        return m_lines[line].loop && stops.size() > 2 && stops.front() == stops.back();
    };
    // Every ride from position i of a direction.
    auto ridesAt = [&](int line, int direction, int i, auto&& visit) {
        int n = static_cast<int>(m_lines[line].directions[direction].stops.size());
        if (isLoop(line, direction)) {
            int m = n - 1;
            for (int step = 1; step < m; ++step)
                visit(Ride{line, direction, i % m, (i + step) % m, step});
            return;
        }
        for (int j = i + 1; j < n; ++j)
            visit(Ride{line, direction, i, j, j - i});
    };
    // Every starting position of every direction (a loop's repeated last stop is its first).
    auto forEachStart = [&](auto&& visit) {
        for (std::size_t l = 0; l < m_lines.size(); ++l) {
            for (std::size_t d = 0; d < m_lines[l].directions.size(); ++d) {
                int n = static_cast<int>(m_lines[l].directions[d].stops.size());
                int last = isLoop(static_cast<int>(l), static_cast<int>(d)) ? n - 1 : n;
                for (int i = 0; i < last; ++i)
                    visit(static_cast<int>(l), static_cast<int>(d), i);
            }
        }
    };
    // Every ride that starts at a stop of a given name.
    auto ridesFrom = [&](const std::string& name, auto&& visit) {
        forEachStart([&](int l, int d, int i) {
            if (nameAt(l, d, i) == name)
                ridesAt(l, d, i, visit);
        });
    };
    auto stopOf = [this](const Ride& ride, bool end) {
        return m_lines[ride.line].directions[ride.direction].stops[end ? ride.to : ride.from];
    };
    auto makePlan = [&](const std::vector<Ride>& rides) {
        Plan plan;
        plan.transfers = static_cast<int>(rides.size()) - 1;
        for (std::size_t k = 0; k < rides.size(); ++k) {
            const Ride& ride = rides[k];
            if (k > 0 && stopOf(rides[k - 1], true) != stopOf(ride, false)) {
                plan.legs.push_back(Leg{"步行", stopOf(rides[k - 1], true), stopOf(ride, false), 0});
                plan.cost += 2;
            }
            plan.legs.push_back(
                Leg{m_lines[ride.line].name, stopOf(ride, false), stopOf(ride, true), ride.count});
            plan.cost += ride.count;
        }
        plan.cost += 4 * plan.transfers;
        return plan;
    };

    // Best direct ride per line.
    std::map<int, Ride> direct;
    ridesFrom(from, [&](const Ride& ride) {
        if (nameAt(ride.line, ride.direction, ride.to) != to)
            return;
        auto it = direct.find(ride.line);
        if (it == direct.end() || ride.count < it->second.count)
            direct[ride.line] = ride;
    });
    std::vector<Plan> plans;
    for (auto& [line, ride] : direct)
        plans.push_back(makePlan({ride}));

    // Best ride to the destination from each station name, per line.
    std::map<std::string, std::vector<Ride>> toDestination;
    forEachStart([&](int l, int d, int i) {
        if (direct.count(l))
            return;
        ridesAt(l, d, i, [&](const Ride& ride) {
            if (nameAt(l, d, ride.to) != to)
                return;
            auto& options = toDestination[nameAt(l, d, i)];
            auto same = std::find_if(options.begin(), options.end(),
                                     [&](const Ride& r) { return r.line == ride.line; });
            if (same == options.end())
                options.push_back(ride);
            else if (ride.count < same->count)
                *same = ride;
        });
    });

    std::map<std::pair<int, int>, Plan> oneTransfer;
    std::vector<Ride> firstRides;
    ridesFrom(from, [&](const Ride& ride) {
        if (direct.count(ride.line))
            return;
        firstRides.push_back(ride);
        const std::string& middle = nameAt(ride.line, ride.direction, ride.to);
        if (middle == from || middle == to)
            return;
        auto it = toDestination.find(middle);
        if (it == toDestination.end())
            return;
        for (const Ride& second : it->second) {
            if (second.line == ride.line)
                continue;
            Plan plan = makePlan({ride, second});
            auto key = std::make_pair(ride.line, second.line);
            auto known = oneTransfer.find(key);
            if (known == oneTransfer.end() || plan.cost < known->second.cost)
                oneTransfer[key] = std::move(plan);
        }
    });
    std::vector<Plan> ones;
    for (auto& [key, plan] : oneTransfer)
        ones.push_back(std::move(plan));
    std::stable_sort(ones.begin(), ones.end(), [](const Plan& a, const Plan& b) { return a.cost < b.cost; });
    for (auto& plan : ones)
        plans.push_back(std::move(plan));

    if (plans.size() < 3) {
        std::map<std::tuple<int, int, int>, Plan> twoTransfers;
        for (const Ride& first : firstRides) {
            const std::string& middle = nameAt(first.line, first.direction, first.to);
            if (middle == to)
                continue;
            ridesFrom(middle, [&](const Ride& second) {
                if (second.line == first.line)
                    return;
                const std::string& next = nameAt(second.line, second.direction, second.to);
                if (next == from || next == middle)
                    return;
                auto it = toDestination.find(next);
                if (it == toDestination.end())
                    return;
                for (const Ride& third : it->second) {
                    if (third.line == first.line || third.line == second.line)
                        continue;
                    if (oneTransfer.count({first.line, third.line}) ||
                        oneTransfer.count({second.line, third.line}))
                        continue;
                    Plan plan = makePlan({first, second, third});
                    auto key = std::make_tuple(first.line, second.line, third.line);
                    auto known = twoTransfers.find(key);
                    if (known == twoTransfers.end() || plan.cost < known->second.cost)
                        twoTransfers[key] = std::move(plan);
                }
            });
        }
        std::vector<Plan> twos;
        for (auto& [key, plan] : twoTransfers)
            twos.push_back(std::move(plan));
        std::stable_sort(twos.begin(), twos.end(),
                         [](const Plan& a, const Plan& b) { return a.cost < b.cost; });
        for (auto& plan : twos)
            plans.push_back(std::move(plan));
    }
    if (plans.size() > maxPlans)
        plans.resize(maxPlans);
    return plans;
}

std::vector<std::pair<int, double>> Transit::stopsNear(double latitude, double longitude,
                                                       double radius) const {
    std::vector<std::pair<int, double>> found;
    for (std::size_t i = 0; i < m_stops.size(); ++i) {
        double d = distanceMetres(latitude, longitude, m_stops[i].latitude, m_stops[i].longitude);
        if (d <= radius)
            found.emplace_back(static_cast<int>(i), d);
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    return found;
}

} // namespace tansu::demo
