#include "platform/ui/MapView.h"

#include "platform/Http.h"
#include "platform/Log.h"
#include "platform/ui/Label.h"
#include "platform/ui/ViewPrivate.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <mutex>

namespace platform::ui {

// --- pins ------------------------------------------------------------------------------

struct PinAnnotationView::Data : View::Impl {
    std::shared_ptr<PointAnnotation> annotation;
    std::string reuseIdentifier;
    PinColor color{PinColor::Red};
    bool drops{false};
    bool callout{false};
    std::shared_ptr<View> accessory;
    ViewWidget* makeWidget() override;
};

namespace {

QColor pinQColor(PinColor color) {
    switch (color) {
    case PinColor::Green:
        return QColor(40, 170, 60);
    case PinColor::Purple:
        return QColor(150, 60, 190);
    case PinColor::Red:
        break;
    }
    return QColor(220, 30, 30);
}

class PinWidget : public ViewWidget {
public:
    using ViewWidget::ViewWidget;

protected:
    void paintContent(QPainter& painter) override {
        auto* d = static_cast<PinAnnotationView::Data*>(m_impl);
        if (!d)
            return;
        painter.setRenderHint(QPainter::Antialiasing);
        // A shadow, the needle, then the head.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 60));
        painter.drawEllipse(QPointF(12, 37), 6, 2);
        QPen needle(QColor(90, 90, 90));
        needle.setWidthF(2);
        painter.setPen(needle);
        painter.drawLine(QPointF(8, 14), QPointF(8, 38));
        QRadialGradient head(QPointF(6, 6), 8);
        head.setColorAt(0, pinQColor(d->color).lighter(170));
        head.setColorAt(1, pinQColor(d->color));
        painter.setPen(QPen(pinQColor(d->color).darker(140), 1));
        painter.setBrush(head);
        painter.drawEllipse(QPointF(8, 8), 7, 7);
    }
};

} // namespace

ViewWidget* PinAnnotationView::Data::makeWidget() {
    return new PinWidget(this);
}

std::shared_ptr<PinAnnotationView> PinAnnotationView::create(std::shared_ptr<PointAnnotation> annotation,
                                                             const std::string& reuseIdentifier) {
    return std::make_shared<PinAnnotationView>(std::move(annotation), reuseIdentifier);
}

PinAnnotationView::PinAnnotationView(std::shared_ptr<PointAnnotation> annotation,
                                     const std::string& reuseIdentifier)
    : View(std::make_unique<Data>(), {0, 0, kWidth, kHeight}) {
    d()->annotation = std::move(annotation);
    d()->reuseIdentifier = reuseIdentifier;
}

PinAnnotationView::~PinAnnotationView() = default;

PinAnnotationView::Data* PinAnnotationView::d() const {
    return static_cast<Data*>(impl());
}

std::shared_ptr<PointAnnotation> PinAnnotationView::annotation() const {
    return d()->annotation;
}

const std::string& PinAnnotationView::reuseIdentifier() const {
    return d()->reuseIdentifier;
}

PinColor PinAnnotationView::pinColor() const {
    return d()->color;
}

void PinAnnotationView::setPinColor(PinColor color) {
    d()->color = color;
    d()->update();
}

bool PinAnnotationView::animatesDrop() const {
    return d()->drops;
}

void PinAnnotationView::setAnimatesDrop(bool drops) {
    d()->drops = drops;
}

bool PinAnnotationView::canShowCallout() const {
    return d()->callout;
}

void PinAnnotationView::setCanShowCallout(bool shows) {
    d()->callout = shows;
}

void PinAnnotationView::setRightCalloutAccessoryView(std::shared_ptr<View> view) {
    d()->accessory = std::move(view);
}

std::shared_ptr<View> PinAnnotationView::rightCalloutAccessoryView() const {
    return d()->accessory;
}

std::string PinAnnotationView::displayedText() const {
    return d()->annotation ? d()->annotation->title : std::string{};
}

// --- map ---------------------------------------------------------------------------------

struct MapView::Data : View::Impl {
    MapViewDelegate* delegate{nullptr};
    CoordinateRegion region{{30.67, 104.06}, {0.15, 0.15}};
    bool showsUser{false};
    Coordinate user{30.67, 104.06};
    struct Pin {
        std::shared_ptr<PointAnnotation> annotation;
        std::shared_ptr<PinAnnotationView> view;
    };
    std::vector<Pin> pins;
    std::shared_ptr<PointAnnotation> selected;
    std::shared_ptr<View> callout;
    ViewWidget* makeWidget() override;
};

namespace {

class MapWidget : public ViewWidget {
public:
    using ViewWidget::ViewWidget;

protected:
    MapView::Data* data() const { return static_cast<MapView::Data*>(m_impl); }

    void paintContent(QPainter& painter) override {
        auto* d = data();
        if (!d)
            return;
        auto* map = static_cast<MapView*>(d->owner);
        const double w = width();
        const double h = height();
        painter.fillRect(QRectF(0, 0, w, h), QColor(242, 239, 233));
        const auto& r = d->region;
        const double west = r.center.longitude - r.span.longitudeDelta / 2;
        const double north = r.center.latitude + r.span.latitudeDelta / 2;
        const double east = west + r.span.longitudeDelta;
        const double south = north - r.span.latitudeDelta;
        if (r.span.latitudeDelta <= 0 || r.span.longitudeDelta <= 0)
            return;
        // City blocks every 0.005 degrees, parks in some of them, main roads
        // every fourth street, and a river across the plan.
        const double step = r.span.longitudeDelta > 0.5 ? 0.05 : 0.005;
        const long i0 = static_cast<long>(std::floor(west / step));
        const long i1 = static_cast<long>(std::ceil(east / step));
        const long j0 = static_cast<long>(std::floor(south / step));
        const long j1 = static_cast<long>(std::ceil(north / step));
        if ((i1 - i0) * (j1 - j0) > 40000)
            return;
        for (long i = i0; i < i1; ++i) {
            for (long j = j0; j < j1; ++j) {
                if (((i * 7919 + j * 104729) & 15) != 3)
                    continue;
                auto a = map->convertCoordinateToPoint({(j + 1) * step, i * step});
                auto b = map->convertCoordinateToPoint({j * step, (i + 1) * step});
                painter.fillRect(QRectF(a.x + 3, a.y + 3, b.x - a.x - 6, b.y - a.y - 6),
                                 QColor(200, 230, 190));
            }
        }
        for (long i = i0; i <= i1; ++i) {
            const bool main = i % 4 == 0;
            QPen pen(main ? QColor(250, 220, 120) : QColor(255, 255, 255));
            pen.setWidthF(main ? 5 : 2.5);
            painter.setPen(pen);
            const double x = map->convertCoordinateToPoint({0, i * step}).x;
            painter.drawLine(QPointF(x, 0), QPointF(x, h));
        }
        for (long j = j0; j <= j1; ++j) {
            const bool main = j % 4 == 0;
            QPen pen(main ? QColor(250, 220, 120) : QColor(255, 255, 255));
            pen.setWidthF(main ? 5 : 2.5);
            painter.setPen(pen);
            const double y = map->convertCoordinateToPoint({j * step, 0}).y;
            painter.drawLine(QPointF(0, y), QPointF(w, y));
        }
        QPainterPath river;
        for (int px = 0; px <= static_cast<int>(w); px += 4) {
            const double lon = west + (east - west) * px / w;
            const double lat = std::floor(r.center.latitude / 0.1) * 0.1 + 0.03 + 0.01 * std::sin(lon * 120);
            const double y = map->convertCoordinateToPoint({lat, lon}).y;
            if (px == 0)
                river.moveTo(px, y);
            else
                river.lineTo(px, y);
        }
        QPen water(QColor(150, 190, 235));
        water.setWidthF(8);
        painter.setPen(water);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(river);
        if (d->showsUser) {
            auto p = map->convertCoordinateToPoint(d->user);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(40, 110, 230, 50));
            painter.drawEllipse(QPointF(p.x, p.y), 16, 16);
            painter.setPen(QPen(Qt::white, 2));
            painter.setBrush(QColor(40, 110, 230));
            painter.drawEllipse(QPointF(p.x, p.y), 6, 6);
        }
    }

    void mousePressEvent(QMouseEvent* event) override {
        m_press = event->position();
        m_moved = false;
        event->accept();
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        auto* d = data();
        if (!d)
            return;
        const QPointF delta = event->position() - m_press;
        if (!m_moved && std::hypot(delta.x(), delta.y()) < 4)
            return;
        m_moved = true;
        auto* map = static_cast<MapView*>(d->owner);
        auto region = d->region;
        region.center.longitude -= delta.x() * region.span.longitudeDelta / std::max(1, width());
        region.center.latitude += delta.y() * region.span.latitudeDelta / std::max(1, height());
        m_press = event->position();
        map->setRegion(region);
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        auto* d = data();
        if (!d || m_moved)
            return;
        auto keep = retainView(d->owner);
        const QPointF p = event->position();
        if (!d->owner->performTap({p.x(), p.y()}, 1))
            static_cast<MapView*>(d->owner)->deselectAnnotation();
    }

private:
    QPointF m_press;
    bool m_moved{false};
};

std::shared_ptr<View> makeCallout(const PointAnnotation& annotation, const std::shared_ptr<View>& accessory) {
    const double accessoryWidth = accessory ? accessory->frame().width + 6 : 0;
    auto title = Label::create();
    title->setText(annotation.title);
    title->setFont(Font::boldSystemFont(15));
    title->setTextColor(Color::white());
    auto subtitle = Label::create();
    subtitle->setText(annotation.subtitle);
    subtitle->setFont(Font::systemFont(12));
    subtitle->setTextColor(Color::white());
    const double textWidth = std::clamp(
        std::max(title->sizeThatFits(1000).width, subtitle->sizeThatFits(1000).width), 40.0, 220.0);
    const double height = std::max(44.0, accessory ? accessory->frame().height + 6 : 0.0);
    auto bubble = View::create({0, 0, textWidth + accessoryWidth + 20, height});
    bubble->setBackgroundColor(Color{0.1, 0.1, 0.12, 0.88});
    bubble->setCornerRadius(8);
    bubble->setBorder(1, Color{1, 1, 1, 0.6});
    // The bubble takes touches so that a tap on it does not close it.
    bubble->addTapHandler(1, [](Point) {});
    if (annotation.subtitle.empty()) {
        title->setFrame({10, 0, textWidth, height});
    } else {
        title->setFrame({10, 4, textWidth, 20});
        subtitle->setFrame({10, 24, textWidth, 16});
        bubble->addSubview(subtitle);
    }
    bubble->addSubview(title);
    if (accessory) {
        auto f = accessory->frame();
        accessory->setFrame({textWidth + 16, (height - f.height) / 2, f.width, f.height});
        bubble->addSubview(accessory);
    }
    return bubble;
}

} // namespace

ViewWidget* MapView::Data::makeWidget() {
    return new MapWidget(this);
}

std::shared_ptr<MapView> MapView::create(Rect frame) {
    return std::make_shared<MapView>(frame);
}

MapView::MapView(Rect frame) : View(std::make_unique<Data>(), frame) {
    setClipsToBounds(true);
    d()->region = regionThatFits(d()->region);
}

MapView::~MapView() = default;

MapView::Data* MapView::d() const {
    return static_cast<Data*>(impl());
}

void MapView::setDelegate(MapViewDelegate* delegate) {
    d()->delegate = delegate;
}

CoordinateRegion MapView::region() const {
    return d()->region;
}

void MapView::setRegion(CoordinateRegion region, bool) {
    if (region.span.latitudeDelta <= 0 || region.span.longitudeDelta <= 0)
        return;
    region.center.latitude = std::clamp(region.center.latitude, -85.0, 85.0);
    d()->region = region;
    placePins();
    d()->update();
    if (d()->delegate) {
        auto keep = retainView(this);
        d()->delegate->mapViewRegionDidChange(*this);
    }
}

CoordinateRegion MapView::regionThatFits(CoordinateRegion region) const {
    const auto f = frame();
    if (f.width <= 0 || f.height <= 0)
        return region;
    const double perPointLat = region.span.latitudeDelta / f.height;
    const double perPointLon = region.span.longitudeDelta / f.width;
    const double perPoint = std::max(perPointLat, perPointLon);
    region.span = {perPoint * f.height, perPoint * f.width};
    return region;
}

void MapView::setCenterCoordinate(Coordinate center, bool animated) {
    auto region = d()->region;
    region.center = center;
    setRegion(region, animated);
}

void MapView::setShowsUserLocation(bool shows) {
    d()->showsUser = shows;
    d()->update();
}

bool MapView::showsUserLocation() const {
    return d()->showsUser;
}

Coordinate MapView::userLocation() const {
    return d()->user;
}

void MapView::setUserLocation(Coordinate location) {
    d()->user = location;
    d()->update();
}

Point MapView::convertCoordinateToPoint(Coordinate c) const {
    const auto& r = d()->region;
    const auto f = frame();
    const double west = r.center.longitude - r.span.longitudeDelta / 2;
    const double north = r.center.latitude + r.span.latitudeDelta / 2;
    return {(c.longitude - west) / r.span.longitudeDelta * f.width,
            (north - c.latitude) / r.span.latitudeDelta * f.height};
}

Coordinate MapView::convertPointToCoordinate(Point p) const {
    const auto& r = d()->region;
    const auto f = frame();
    const double west = r.center.longitude - r.span.longitudeDelta / 2;
    const double north = r.center.latitude + r.span.latitudeDelta / 2;
    const double w = f.width > 0 ? f.width : 1;
    const double h = f.height > 0 ? f.height : 1;
    return {north - p.y / h * r.span.latitudeDelta, west + p.x / w * r.span.longitudeDelta};
}

void MapView::addPinFor(const std::shared_ptr<PointAnnotation>& annotation) {
    std::shared_ptr<PinAnnotationView> pin;
    if (d()->delegate) {
        auto keep = retainView(this);
        pin = d()->delegate->mapViewViewForAnnotation(*this, annotation);
    }
    if (!pin) {
        pin = PinAnnotationView::create(annotation);
        pin->setCanShowCallout(true);
    }
    std::weak_ptr<PointAnnotation> weak = annotation;
    pin->addTapHandler(1, [this, weak](Point) {
        if (auto a = weak.lock())
            selectAnnotation(a);
    });
    d()->pins.push_back({annotation, pin});
    addSubview(pin);
    auto p = convertCoordinateToPoint(annotation->coordinate);
    const Rect target{p.x - 8, p.y - PinAnnotationView::kHeight, PinAnnotationView::kWidth,
                      PinAnnotationView::kHeight};
    if (!pin->animatesDrop()) {
        pin->setFrame(target);
        return;
    }
    pin->setFrame({target.x, target.y - 200, target.width, target.height});
    View::animate(
        0.3, [&] { pin->setFrame(target); }, {}, AnimationCurve::EaseIn);
}

void MapView::placePins() {
    for (auto& pin : d()->pins) {
        auto p = convertCoordinateToPoint(pin.annotation->coordinate);
        pin.view->setFrame({p.x - 8, p.y - PinAnnotationView::kHeight, PinAnnotationView::kWidth,
                            PinAnnotationView::kHeight});
    }
    if (d()->callout && d()->selected) {
        auto p = convertCoordinateToPoint(d()->selected->coordinate);
        auto f = d()->callout->frame();
        d()->callout->setFrame(
            {p.x - f.width / 2, p.y - PinAnnotationView::kHeight - f.height - 2, f.width, f.height});
    }
}

void MapView::layoutSubviews() {
    if (d()->pins.empty() && !d()->callout)
        return;
    placePins();
}

void MapView::addAnnotation(std::shared_ptr<PointAnnotation> annotation) {
    if (!annotation)
        return;
    addPinFor(annotation);
}

void MapView::addAnnotations(const std::vector<std::shared_ptr<PointAnnotation>>& annotations) {
    for (auto& a : annotations)
        addAnnotation(a);
}

void MapView::removeAnnotation(const std::shared_ptr<PointAnnotation>& annotation) {
    auto& pins = d()->pins;
    for (auto it = pins.begin(); it != pins.end();) {
        if (it->annotation != annotation) {
            ++it;
            continue;
        }
        it->view->removeFromSuperview();
        it = pins.erase(it);
    }
    if (d()->selected == annotation)
        deselectAnnotation();
}

void MapView::removeAnnotations(const std::vector<std::shared_ptr<PointAnnotation>>& annotations) {
    for (auto& a : std::vector(annotations))
        removeAnnotation(a);
}

std::vector<std::shared_ptr<PointAnnotation>> MapView::annotations() const {
    std::vector<std::shared_ptr<PointAnnotation>> out;
    for (auto& pin : d()->pins)
        out.push_back(pin.annotation);
    return out;
}

std::shared_ptr<PinAnnotationView>
MapView::viewForAnnotation(const std::shared_ptr<PointAnnotation>& annotation) const {
    for (auto& pin : d()->pins) {
        if (pin.annotation == annotation)
            return pin.view;
    }
    return nullptr;
}

void MapView::selectAnnotation(const std::shared_ptr<PointAnnotation>& annotation, bool) {
    auto pin = viewForAnnotation(annotation);
    if (!pin)
        return;
    auto keep = retainView(this);
    deselectAnnotation();
    d()->selected = annotation;
    if (pin->canShowCallout() && !annotation->title.empty()) {
        d()->callout = makeCallout(*annotation, pin->rightCalloutAccessoryView());
        addSubview(d()->callout);
        placePins();
    }
    if (d()->delegate)
        d()->delegate->mapViewDidSelectAnnotationView(*this, *pin);
}

void MapView::deselectAnnotation() {
    d()->selected.reset();
    if (d()->callout) {
        d()->callout->removeFromSuperview();
        d()->callout.reset();
    }
}

std::shared_ptr<PointAnnotation> MapView::selectedAnnotation() const {
    return d()->selected;
}

std::shared_ptr<View> MapView::calloutView() const {
    return d()->callout;
}

// --- manager ------------------------------------------------------------------------------

namespace {

bool& mapStarted() {
    static bool started = false;
    return started;
}

} // namespace

bool MapManager::start(const std::string& key) {
    const bool valid = key.size() == 40 && std::all_of(key.begin(), key.end(), [](char c) {
                           return std::isdigit(static_cast<unsigned char>(c)) || (c >= 'A' && c <= 'F');
                       });
    mapStarted() = valid;
    return valid;
}

bool MapManager::isStarted() {
    return mapStarted();
}

// --- place search ---------------------------------------------------------------------------

namespace {

std::mutex& serviceMutex() {
    static std::mutex m;
    return m;
}

std::string& serviceAddress() {
    static std::string url;
    return url;
}

} // namespace

struct MapSearch::Impl {
    MapSearch* owner{nullptr};
    MapSearchDelegate* delegate{nullptr};
    std::shared_ptr<HttpRequest> request;
};

void MapSearch::setServiceUrl(const std::string& url) {
    std::lock_guard lock(serviceMutex());
    serviceAddress() = url;
    while (!serviceAddress().empty() && serviceAddress().back() == '/')
        serviceAddress().pop_back();
}

std::string MapSearch::serviceUrl() {
    std::lock_guard lock(serviceMutex());
    return serviceAddress();
}

MapSearch::MapSearch(MapSearchDelegate* delegate) : m_impl(std::make_shared<Impl>()) {
    m_impl->owner = this;
    m_impl->delegate = delegate;
}

MapSearch::~MapSearch() {
    if (m_impl->request)
        m_impl->request->detach();
    m_impl->owner = nullptr;
}

void MapSearch::setDelegate(MapSearchDelegate* delegate) {
    m_impl->delegate = delegate;
}

bool MapSearch::poiSearchInCity(const std::string& city, const std::string& keyword, int pageIndex) {
    const std::string base = serviceUrl();
    if (base.empty() || keyword.empty())
        return false;
    if (m_impl->request)
        m_impl->request->detach();
    HttpRequestSpec spec;
    spec.url = base + "/place/search?city=" + urlEncode(city) + "&keyword=" + urlEncode(keyword) +
               "&page=" + std::to_string(std::max(0, pageIndex));
    std::weak_ptr<Impl> weak = m_impl;
    auto report = [weak](const std::vector<PoiResultGroup>& groups, int error) {
        auto impl = weak.lock();
        if (!impl || !impl->owner || !impl->delegate)
            return;
        impl->delegate->mapSearchDidGetPoiResult(*impl->owner, groups, error);
    };
    HttpRequest::Callbacks callbacks;
    callbacks.finished = [report](const HttpResponse& response) {
        if (response.status != 200) {
            report({}, kErrorNoAnswer);
            return;
        }
        auto json = QJsonDocument::fromJson(QByteArray::fromStdString(response.body));
        if (!json.isObject()) {
            report({}, kErrorNoAnswer);
            return;
        }
        auto root = json.object();
        const int status = root.value("status").toInt(kErrorNoAnswer);
        if (status != 0) {
            report({}, status == kErrorUnknownCity ? kErrorUnknownCity : kErrorNoAnswer);
            return;
        }
        PoiResultGroup group;
        for (const auto& item : root.value("results").toArray()) {
            auto place = item.toObject();
            group.places.push_back(
                Place{fromQString(place.value("name").toString()),
                      fromQString(place.value("address").toString()),
                      {place.value("latitude").toDouble(), place.value("longitude").toDouble()}});
        }
        report({group}, kErrorNone);
    };
    callbacks.failed = [report](const HttpResponse& response) {
        logf("place search failed: {}", response.errorText);
        report({}, kErrorNoAnswer);
    };
    m_impl->request = HttpRequest::create(spec, callbacks);
    m_impl->request->start();
    return true;
}

} // namespace platform::ui
