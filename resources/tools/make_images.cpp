// Draws the application's images into the resources folder. The PNGs are
// committed; run this again only to change a drawing:
//
//   g++ -std=c++20 -fPIC make_images.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/make_images
//   QT_QPA_PLATFORM=offscreen /tmp/make_images ..
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

QString g_dir;

QFont font(int pixels, bool bold = false)
{
    QFont f("WenQuanYi Micro Hei");
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

void save(const char* name, int w, int h, const std::function<void(QPainter&)>& draw)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    draw(p);
    p.end();
    const QString path = g_dir + "/" + name;
    if (!image.save(path, "PNG"))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    else
        std::printf("%s %dx%d\n", name, w, h);
}

// A tab of the strips at the top of the tab pages.
void tab(QPainter& p, bool selected)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(0.5, 0.5, 95, 40), 7, 7);
    QLinearGradient g(0, 0, 0, 38);
    if (selected) {
        g.setColorAt(0, QColor(255, 255, 255));
        g.setColorAt(1, QColor(255, 236, 214));
    } else {
        g.setColorAt(0, QColor(236, 238, 242));
        g.setColorAt(1, QColor(200, 205, 214));
    }
    p.setClipRect(QRectF(0, 0, 96, 38));
    p.fillPath(path, g);
    p.setPen(QPen(selected ? QColor(235, 120, 30) : QColor(150, 155, 165), 1));
    p.drawPath(path);
    if (selected)
        p.fillRect(QRectF(0, 34, 96, 4), QColor(235, 120, 30));
}

void directionButton(QPainter& p, const QString& text, bool up, bool selected)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(1, 1, 88, 30), 8, 8);
    QLinearGradient g(0, 0, 0, 32);
    g.setColorAt(0, selected ? QColor(255, 150, 60) : QColor(245, 245, 245));
    g.setColorAt(1, selected ? QColor(225, 95, 20) : QColor(205, 208, 214));
    p.fillPath(path, g);
    p.setPen(QPen(selected ? QColor(180, 70, 10) : QColor(140, 140, 150), 1));
    p.drawPath(path);
    const QColor ink = selected ? Qt::white : QColor(60, 60, 70);
    // A small triangle pointing the way of travel, then the word.
    QPolygonF arrow;
    if (up)
        arrow << QPointF(14, 21) << QPointF(22, 21) << QPointF(18, 11);
    else
        arrow << QPointF(14, 11) << QPointF(22, 11) << QPointF(18, 21);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(arrow);
    p.setPen(ink);
    p.setFont(font(15, true));
    p.drawText(QRectF(26, 0, 60, 32), Qt::AlignCenter, text);
}

void roundIcon(QPainter& p, QColor color, const std::function<void(QPainter&)>& glyph)
{
    QRadialGradient g(QPointF(22, 18), 34);
    g.setColorAt(0, color.lighter(135));
    g.setColorAt(1, color);
    p.setPen(QPen(color.darker(140), 1.5));
    p.setBrush(g);
    p.drawEllipse(QRectF(4, 4, 48, 48));
    QPen white(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(white);
    p.setBrush(Qt::NoBrush);
    glyph(p);
}

void bus(QPainter& p, QRectF r, QColor body)
{
    // A bus seen from the side: body, windows, wheels.
    const double w = r.width();
    const double h = r.height();
    QPainterPath shape;
    shape.addRoundedRect(QRectF(r.x(), r.y() + h * 0.12, w, h * 0.66), h * 0.12, h * 0.12);
    p.setPen(QPen(body.darker(150), std::max(1.0, w / 20)));
    p.setBrush(body);
    p.drawPath(shape);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 240, 255));
    const int windows = 3;
    const double ww = (w * 0.8) / windows;
    for (int i = 0; i < windows; ++i)
        p.drawRect(QRectF(r.x() + w * 0.08 + i * ww + ww * 0.1, r.y() + h * 0.22, ww * 0.8, h * 0.24));
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(QPointF(r.x() + w * 0.25, r.y() + h * 0.8), h * 0.13, h * 0.13);
    p.drawEllipse(QPointF(r.x() + w * 0.75, r.y() + h * 0.8), h * 0.13, h * 0.13);
}

void bottomButton(QPainter& p, const QString& label, const std::function<void(QPainter&)>& glyph)
{
    QLinearGradient g(0, 0, 0, 50);
    g.setColorAt(0, QColor(70, 74, 84));
    g.setColorAt(1, QColor(30, 32, 38));
    p.fillRect(QRectF(0, 0, 64, 50), g);
    p.setPen(QPen(QColor(20, 20, 24), 1));
    p.drawLine(QPointF(63.5, 0), QPointF(63.5, 50));
    p.setPen(QPen(QColor(255, 255, 255), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    glyph(p);
    p.setPen(Qt::white);
    p.setFont(font(12, true));
    p.drawText(QRectF(0, 32, 64, 16), Qt::AlignCenter, label);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    g_dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString(".");
    QDir().mkpath(g_dir);

    save("title_normal.png", 96, 38, [](QPainter& p) { tab(p, false); });
    save("title_click.png", 96, 38, [](QPainter& p) { tab(p, true); });

    save("button_normal1.png", 320, 38, [](QPainter& p) {
        QLinearGradient g(0, 0, 0, 38);
        g.setColorAt(0, QColor(255, 250, 240));
        g.setColorAt(1, QColor(240, 222, 196));
        QPainterPath path;
        path.addRoundedRect(QRectF(4.5, 2.5, 311, 33), 8, 8);
        p.fillPath(path, g);
        p.setPen(QPen(QColor(200, 160, 110), 1));
        p.drawPath(path);
    });

    save("table_arrow.png", 26, 55, [](QPainter& p) {
        // A grey arrow pointing down: the list may be pulled.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 124, 132));
        p.drawRoundedRect(QRectF(9, 2, 8, 34), 3, 3);
        QPolygonF head;
        head << QPointF(1, 32) << QPointF(25, 32) << QPointF(13, 53);
        p.drawPolygon(head);
    });

    save("up_normal.png", 90, 32, [](QPainter& p) { directionButton(p, "上行", true, false); });
    save("up_click.png", 90, 32, [](QPainter& p) { directionButton(p, "上行", true, true); });
    save("down_normal.png", 90, 32, [](QPainter& p) { directionButton(p, "下行", false, false); });
    save("down_click.png", 90, 32, [](QPainter& p) { directionButton(p, "下行", false, true); });

    save("location_bus.png", 20, 20, [](QPainter& p) { bus(p, QRectF(1, 2, 18, 16), QColor(30, 120, 220)); });
    save("location_pepole.png", 20, 20, [](QPainter& p) {
        // The rider: a red figure.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 40, 40));
        p.drawEllipse(QPointF(10, 4.5), 3.5, 3.5);
        QPainterPath body;
        body.addRoundedRect(QRectF(5.5, 8.5, 9, 7), 3, 3);
        p.drawPath(body);
        p.drawRect(QRectF(6.5, 14, 2.8, 5.5));
        p.drawRect(QRectF(10.7, 14, 2.8, 5.5));
    });

    save("carIcon.png", 40, 40, [](QPainter& p) {
        QPainterPath path;
        path.addRoundedRect(QRectF(1, 1, 38, 38), 8, 8);
        p.fillPath(path, QColor(40, 140, 70));
        bus(p, QRectF(6, 9, 28, 22), QColor(255, 255, 255));
    });

    save("searchIcon.png", 40, 40, [](QPainter& p) {
        QPainterPath path;
        path.addRoundedRect(QRectF(1, 1, 38, 38), 8, 8);
        p.fillPath(path, QColor(255, 255, 255, 230));
        p.setPen(QPen(QColor(160, 160, 170), 1));
        p.drawPath(path);
        p.setPen(QPen(QColor(60, 60, 70), 3.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(17, 17), 8, 8);
        p.drawLine(QPointF(23, 23), QPointF(31, 31));
    });

    save("danxuan_press.png", 20, 20, [](QPainter& p) {
        p.setPen(QPen(QColor(120, 120, 130), 1.5));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(10, 10), 8, 8);
    });
    save("danxuan_click.png", 20, 20, [](QPainter& p) {
        p.setPen(QPen(QColor(235, 120, 30), 1.5));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(10, 10), 8, 8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(235, 120, 30));
        p.drawEllipse(QPointF(10, 10), 4.5, 4.5);
    });

    save("script_background.png", 40, 40, [](QPainter& p) {
        p.fillRect(QRectF(0, 0, 40, 40), QColor(250, 246, 236));
        p.setPen(QPen(QColor(238, 228, 206), 1));
        p.drawLine(QPointF(0, 39.5), QPointF(40, 39.5));
        p.drawLine(QPointF(39.5, 0), QPointF(39.5, 40));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 226, 200));
        p.drawEllipse(QPointF(20, 20), 2, 2);
    });

    save("script_bt_back.png", 56, 56, [](QPainter& p) {
        roundIcon(p, QColor(110, 110, 120), [](QPainter& p) {
            p.drawLine(QPointF(18, 28), QPointF(38, 28));
            p.drawPolyline(QPolygonF({ QPointF(27, 19), QPointF(18, 28), QPointF(27, 37) }));
        });
    });
    save("script_bt_email.png", 56, 56, [](QPainter& p) {
        roundIcon(p, QColor(40, 120, 210), [](QPainter& p) {
            p.drawRect(QRectF(16, 20, 24, 17));
            p.drawPolyline(QPolygonF({ QPointF(16, 20), QPointF(28, 30), QPointF(40, 20) }));
        });
    });
    save("script_bt_favor.png", 56, 56, [](QPainter& p) {
        roundIcon(p, QColor(230, 160, 20), [](QPainter& p) {
            QPolygonF star;
            for (int i = 0; i < 10; ++i) {
                const double r = i % 2 ? 5.5 : 13;
                const double a = -M_PI / 2 + i * M_PI / 5;
                star << QPointF(28 + r * std::cos(a), 29 + r * std::sin(a));
            }
            p.setBrush(Qt::white);
            p.drawPolygon(star);
        });
    });
    save("script_bt_map.png", 56, 56, [](QPainter& p) {
        roundIcon(p, QColor(40, 160, 80), [](QPainter& p) {
            QPainterPath pin;
            pin.moveTo(28, 42);
            pin.cubicTo(18, 30, 18, 25, 18, 23);
            pin.arcTo(QRectF(18, 13, 20, 20), 180, -180);
            pin.cubicTo(38, 25, 38, 30, 28, 42);
            p.drawPath(pin);
            p.drawEllipse(QPointF(28, 23), 3.5, 3.5);
        });
    });
    save("script_bt_phone.png", 56, 56, [](QPainter& p) {
        roundIcon(p, QColor(50, 170, 90), [](QPainter& p) {
            QPainterPath handset;
            handset.moveTo(19, 18);
            handset.cubicTo(17, 30, 26, 39, 38, 38);
            p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(handset);
        });
    });
    save("script_bt_site.png", 56, 56, [](QPainter& p) {
        roundIcon(p, QColor(70, 90, 200), [](QPainter& p) {
            p.setPen(QPen(Qt::white, 2.2));
            p.drawEllipse(QPointF(28, 28), 12, 12);
            p.drawEllipse(QRectF(22, 16, 12, 24));
            p.drawLine(QPointF(16, 28), QPointF(40, 28));
        });
    });

    // The five bottom buttons of the root screen.
    save("tab_home.png", 64, 50, [](QPainter& p) {
        bottomButton(p, "首页", [](QPainter& p) {
            p.drawPolyline(QPolygonF({ QPointF(22, 17), QPointF(32, 8), QPointF(42, 17) }));
            p.drawRect(QRectF(25, 16, 14, 12));
        });
    });
    save("tab_inquire.png", 64, 50, [](QPainter& p) {
        bottomButton(p, "查询", [](QPainter& p) {
            p.drawEllipse(QPointF(30, 17), 7, 7);
            p.drawLine(QPointF(35, 22), QPointF(41, 28));
        });
    });
    save("tab_scan.png", 64, 50, [](QPainter& p) {
        bottomButton(p, "扫描", [](QPainter& p) {
            for (auto c : { QPointF(23, 8), QPointF(41, 8), QPointF(41, 28), QPointF(23, 28) }) {
                const double sx = c.x() < 32 ? 5 : -5;
                const double sy = c.y() < 18 ? 5 : -5;
                p.drawLine(c, c + QPointF(sx, 0));
                p.drawLine(c, c + QPointF(0, sy));
            }
            p.drawLine(QPointF(25, 18), QPointF(39, 18));
        });
    });
    save("tab_favorite.png", 64, 50, [](QPainter& p) {
        bottomButton(p, "收藏", [](QPainter& p) {
            QPolygonF star;
            for (int i = 0; i < 10; ++i) {
                const double r = i % 2 ? 4.5 : 10.5;
                const double a = -M_PI / 2 + i * M_PI / 5;
                star << QPointF(32 + r * std::cos(a), 19 + r * std::sin(a));
            }
            p.drawPolygon(star);
        });
    });
    save("tab_more.png", 64, 50, [](QPainter& p) {
        bottomButton(p, "更多", [](QPainter& p) {
            p.setBrush(Qt::white);
            for (double x : { 23.0, 32.0, 41.0 })
                p.drawEllipse(QPointF(x, 18), 2.2, 2.2);
        });
    });

    // Backgrounds of the root screen and of the inquiry forms.
    save("root_background.png", 320, 460, [](QPainter& p) {
        QLinearGradient g(0, 0, 0, 460);
        g.setColorAt(0, QColor(120, 180, 235));
        g.setColorAt(0.55, QColor(214, 234, 250));
        g.setColorAt(1, QColor(245, 248, 252));
        p.fillRect(QRectF(0, 0, 320, 460), g);
        // A skyline of the city behind the pages.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 110));
        const double heights[] = { 40, 70, 55, 90, 45, 80, 60, 35, 75, 50 };
        for (int i = 0; i < 10; ++i)
            p.drawRect(QRectF(i * 32 + 2, 410 - heights[i], 28, heights[i]));
    });
    save("input_background.png", 310, 160, [](QPainter& p) {
        QPainterPath path;
        path.addRoundedRect(QRectF(0.5, 0.5, 309, 159), 12, 12);
        p.fillPath(path, QColor(255, 255, 255, 225));
        p.setPen(QPen(QColor(190, 200, 215), 1));
        p.drawPath(path);
    });
    return 0;
}
