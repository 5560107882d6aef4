// The line network of the demo city, held in memory once it has been read from
// the database: stops, lines with their directions and timetables, vehicles
// that move along the lines with the clock, transfer plans found on the line
// graph, and the stops near a point. Read-only after load(), so request
// threads share it without locking.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tansu::demo {

class Database;

struct Stop {
    std::string code; // five digits
    std::string name; // several stops may share one name
    std::string alias;
    std::string address;
    std::string qrcode;
    double latitude{0};
    double longitude{0};
};

struct Direction {
    std::string type;       // "上行", "下行" or "环行"
    std::vector<int> stops; // indexes into Transit::stops(), first to terminal
};

struct Line {
    std::string name;
    bool loop{false};
    std::string firstDeparture; // "HH:mm"
    std::string lastDeparture;
    int firstSeconds{0};
    int lastSeconds{0};
    int headwaySeconds{600};
    int stopSeconds{90}; // from one stop to the next
    std::vector<Direction> directions;
};

// One leg of a transfer plan: a ride on a line, or a walk between two stops of one name.
struct Leg {
    std::string lineName; // "步行" for a walk
    int fromStop{-1};
    int toStop{-1};
    int stopCount{0};
};

struct Plan {
    std::vector<Leg> legs;
    int transfers{0};
    int cost{0};
};

class Transit {
public:
    void load(Database& db);

    const std::vector<Stop>& stops() const { return m_stops; }
    const std::vector<Line>& lines() const { return m_lines; }

    // Case-insensitive for ASCII letters ("k1" finds "K1").
    const Line* findLine(std::string_view name) const;
    int findStopByCode(std::string_view code) const;
    int findStopByQrCode(std::string_view qrcode) const;
    std::vector<int> stopsNamed(std::string_view name) const;
    // The names of the lines that stop at a stop, in line order.
    std::vector<std::string> linesAtStop(int stop) const;
    // Station names (or aliases) containing the text; exact and leading matches first.
    std::vector<std::string> searchStationNames(std::string_view text) const;
    std::vector<std::string> searchLineNames(std::string_view text) const;

    // Reads what a rider typed or chose as a station: a stop code, a name, a
    // menu title such as "鼓楼(GPS号:10006)", or digits within the text.
    // Answers the name of the station, or none.
    std::optional<std::string> resolveStationName(std::string_view text) const;

    // The number of stations between each vehicle that has not yet passed the
    // stop at `position` of the direction and that stop, nearest first. On a
    // loop line every running vehicle comes round to the stop.
    std::vector<int> approachingVehicles(const Line& line, const Direction& direction, int position,
                                         int secondsOfDay, int maxCount) const;
    // Where every running vehicle of a direction is (index of the last stop passed).
    std::vector<int> vehiclePositions(const Line& line, const Direction& direction, int secondsOfDay) const;

    // Plans from one station name to another: direct rides first, then one
    // transfer, then two; walks are inserted where a transfer changes stops.
    // A ride on a loop line may pass its terminal and go on round.
    std::vector<Plan> transferPlans(const std::string& from, const std::string& to,
                                    std::size_t maxPlans) const;

    // Stops within the radius (metres) of a point, nearest first, with their distances.
    std::vector<std::pair<int, double>> stopsNear(double latitude, double longitude, double radius) const;

private:
    std::vector<Stop> m_stops;
    std::vector<Line> m_lines;
    std::vector<std::vector<int>> m_linesAtStop; // line indexes per stop
};

double distanceMetres(double lat1, double lon1, double lat2, double lon2);

} // namespace tansu::demo
