// A simple map: a region (centre and span in degrees) drawn as a plain street
// plan, the user's location, point annotations shown as red or green pins
// with a callout (title, subtitle and a right accessory), conversion between
// view points and coordinates, and a keyword place search in a named city.
// No map tiles: the plan is drawn from the coordinates alone.
//
//   m_mapView = ui::MapView::create(ui::Rect { 0, 0, 310, 245 });
//   m_mapView->setRegion(m_mapView->regionThatFits({ { 30.67, 104.06 }, { 0.15, 0.15 } }), false);
//   m_mapView->setDelegate(this);
//   m_mapView->addTapHandler(2, [this](ui::Point p) { nearbyAt(m_mapView->convertPointToCoordinate(p)); });
#pragma once

#include "platform/ui/View.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform::ui {

struct Coordinate {
    double latitude{0};
    double longitude{0};
    bool operator==(const Coordinate&) const = default;
};

struct CoordinateSpan {
    double latitudeDelta{0};
    double longitudeDelta{0};
    bool operator==(const CoordinateSpan&) const = default;
};

struct CoordinateRegion {
    Coordinate center;
    CoordinateSpan span;
    bool operator==(const CoordinateRegion&) const = default;
};

struct PointAnnotation {
    Coordinate coordinate;
    std::string title;
    std::string subtitle;
};

enum class PinColor { Red = 0, Green = 1, Purple = 2 };

class MapView;

class PinAnnotationView : public View {
public:
    static constexpr double kWidth = 32;
    static constexpr double kHeight = 39;

    static std::shared_ptr<PinAnnotationView> create(std::shared_ptr<PointAnnotation> annotation,
                                                     const std::string& reuseIdentifier = {});
    PinAnnotationView(std::shared_ptr<PointAnnotation> annotation, const std::string& reuseIdentifier);
    ~PinAnnotationView() override;

    std::shared_ptr<PointAnnotation> annotation() const;
    const std::string& reuseIdentifier() const;
    PinColor pinColor() const;
    void setPinColor(PinColor color);
    bool animatesDrop() const;
    void setAnimatesDrop(bool drops);
    bool canShowCallout() const;
    void setCanShowCallout(bool shows);
    // A control at the right of the callout (a button with its own action).
    void setRightCalloutAccessoryView(std::shared_ptr<View> view);
    std::shared_ptr<View> rightCalloutAccessoryView() const;

    std::string className() const override { return "PinAnnotationView"; }
    std::string displayedText() const override;

    struct Data;

private:
    Data* d() const;
};

class MapViewDelegate {
public:
    virtual ~MapViewDelegate() = default;
    // The pin for an annotation; null gives a plain red pin with a callout.
    virtual std::shared_ptr<PinAnnotationView>
    mapViewViewForAnnotation(MapView&, const std::shared_ptr<PointAnnotation>&) {
        return nullptr;
    }
    virtual void mapViewDidSelectAnnotationView(MapView&, PinAnnotationView&) {}
    virtual void mapViewRegionDidChange(MapView&) {}
};

class MapView : public View {
public:
    static std::shared_ptr<MapView> create(Rect frame = {});
    explicit MapView(Rect frame = {});
    ~MapView() override;

    void setDelegate(MapViewDelegate* delegate); // not owned

    CoordinateRegion region() const;
    void setRegion(CoordinateRegion region, bool animated = false);
    // The region widened along one axis so that a degree spans the same
    // number of points both ways.
    CoordinateRegion regionThatFits(CoordinateRegion region) const;
    void setCenterCoordinate(Coordinate center, bool animated = false);

    void setShowsUserLocation(bool shows);
    bool showsUserLocation() const;
    // Where the rider is. There is no positioning hardware here: the
    // location is set by the application or a test.
    Coordinate userLocation() const;
    void setUserLocation(Coordinate location);

    void addAnnotation(std::shared_ptr<PointAnnotation> annotation);
    void addAnnotations(const std::vector<std::shared_ptr<PointAnnotation>>& annotations);
    void removeAnnotation(const std::shared_ptr<PointAnnotation>& annotation);
    void removeAnnotations(const std::vector<std::shared_ptr<PointAnnotation>>& annotations);
    std::vector<std::shared_ptr<PointAnnotation>> annotations() const;
    // The map draws no overlays; kept so that screens can ask for none.
    void removeOverlays() {}
    std::shared_ptr<PinAnnotationView>
    viewForAnnotation(const std::shared_ptr<PointAnnotation>& annotation) const;
    // Selects the pin and opens its callout, as a tap on the pin would.
    void selectAnnotation(const std::shared_ptr<PointAnnotation>& annotation, bool animated = true);
    void deselectAnnotation();
    std::shared_ptr<PointAnnotation> selectedAnnotation() const;
    // The callout view shown now (null when none).
    std::shared_ptr<View> calloutView() const;

    Coordinate convertPointToCoordinate(Point point) const;
    Point convertCoordinateToPoint(Coordinate coordinate) const;

    std::string className() const override { return "MapView"; }

    struct Data;

protected:
    void layoutSubviews() override;

private:
    Data* d() const;
    void placePins();
    void addPinFor(const std::shared_ptr<PointAnnotation>& annotation);
};

// The map component's manager, started once with the access key.
class MapManager {
public:
    // The key is the 40-character upper-case hexadecimal string issued to the
    // application; false (nothing started) for anything else.
    static bool start(const std::string& key);
    static bool isStarted();
};

struct Place {
    std::string name;
    std::string address;
    Coordinate coordinate;
};

struct PoiResultGroup {
    std::vector<Place> places;
};

class MapSearch;

class MapSearchDelegate {
public:
    virtual ~MapSearchDelegate() = default;
    // error 0 is success; 1 the city is unknown to the service; 2 no answer.
    virtual void mapSearchDidGetPoiResult(MapSearch&, const std::vector<PoiResultGroup>&, int) {}
};

// A keyword place search in a named city, answered by the place-search
// service (GET <service>/place/search?city=&keyword=&page=, JSON).
class MapSearch {
public:
    static constexpr int kErrorNone = 0;
    static constexpr int kErrorUnknownCity = 1;
    static constexpr int kErrorNoAnswer = 2;

    // The service's base address, e.g. "http://127.0.0.1:8080"; set once by
    // the application from its configuration.
    static void setServiceUrl(const std::string& url);
    static std::string serviceUrl();

    explicit MapSearch(MapSearchDelegate* delegate = nullptr);
    ~MapSearch();
    MapSearch(const MapSearch&) = delete;
    MapSearch& operator=(const MapSearch&) = delete;

    void setDelegate(MapSearchDelegate* delegate); // not owned
    // Starts the search; false when it cannot start (no service, empty
    // keyword). The answer reaches the delegate on the main thread.
    bool poiSearchInCity(const std::string& city, const std::string& keyword, int pageIndex);

    struct Impl;

private:
    std::shared_ptr<Impl> m_impl;
};

} // namespace platform::ui
