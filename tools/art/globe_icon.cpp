#include "globe_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <initializer_list>
#include <numbers>
#include <vector>

namespace {

struct LonLat {
    double lon, lat;
};

// Rough coastlines in degrees; at icon sizes only the overall shapes matter.
const std::initializer_list<LonLat> kAfrica = {
    {-6, 36},  {10, 37},  {20, 32},  {32, 31},  {35, 27},  {43, 12},  {51, 12},
    {42, -1},  {40, -11}, {35, -24}, {20, -35}, {17, -29}, {12, -17}, {13, -5},
    {9, 2},    {4, 6},    {-8, 4},   {-13, 8},  {-17, 15}, {-16, 22}, {-10, 30},
};
const std::initializer_list<LonLat> kEurasia = {
    {-9, 37},  {-9, 43},  {-1, 46},  {-4, 48},  {2, 51},   {8, 54},   {8, 57},
    {5, 60},   {12, 66},  {25, 71},  {40, 67},  {60, 70},  {90, 76},  {140, 72},
    {140, 40}, {110, 20}, {95, 15},  {80, 10},  {73, 20},  {58, 25},  {57, 20},
    {44, 13},  {35, 28},  {35, 36},  {27, 37},  {24, 40},  {20, 39},  {16, 39},
    {13, 45},  {8, 44},   {3, 43},
};
const std::initializer_list<LonLat> kSouthAmerica = {
    {-78, 9},  {-62, 11}, {-50, 0},  {-35, -7}, {-40, -22}, {-48, -28}, {-58, -38},
    {-65, -42}, {-68, -55}, {-75, -50}, {-72, -30}, {-70, -18}, {-78, -8}, {-80, 0},
};
const std::initializer_list<LonLat> kMadagascar = {{47, -13}, {50, -16}, {47, -25}, {44, -22}};
const std::initializer_list<LonLat> kBritain = {{-5, 50}, {1, 51}, {0, 54}, {-3, 58}, {-6, 56}};

constexpr double kLon0 = 14, kLat0 = 18;  // the side of the Earth facing us

// Orthographic view onto the unit disc; points on the far side are pulled to the edge.
QPointF project(LonLat p)
{
    constexpr double rad = std::numbers::pi / 180;
    const double lam = (p.lon - kLon0) * rad, phi = p.lat * rad, phi0 = kLat0 * rad;
    const double x = std::cos(phi) * std::sin(lam);
    const double y = std::cos(phi0) * std::sin(phi) - std::sin(phi0) * std::cos(phi) * std::cos(lam);
    const double facing = std::sin(phi0) * std::sin(phi) + std::cos(phi0) * std::cos(phi) * std::cos(lam);
    if (facing >= 0)
        return {x, -y};
    const double len = std::hypot(x, y);
    return {x / len, -y / len};
}

// Closed outline through the midpoints of the coast, so corners come out rounded.
QPainterPath land_shape(std::initializer_list<LonLat> coast, QPointF centre, double radius)
{
    std::vector<QPointF> pts;
    for (LonLat c : coast)
        pts.push_back(centre + project(c) * radius);
    QPainterPath path((pts.back() + pts.front()) / 2);
    for (size_t i = 0; i < pts.size(); ++i)
        path.quadTo(pts[i], (pts[i] + pts[(i + 1) % pts.size()]) / 2);
    path.closeSubpath();
    return path;
}

void draw_sea(QPainter &p, QPointF c, double r)
{
    QRadialGradient sea(c + QPointF(-0.35 * r, -0.4 * r), r * 1.5);
    sea.setColorAt(0, QColor(110, 185, 245));
    sea.setColorAt(0.6, QColor(40, 120, 215));
    sea.setColorAt(1, QColor(15, 60, 150));
    p.setPen(Qt::NoPen);
    p.setBrush(sea);
    p.drawEllipse(c, r, r);
}

void draw_land(QPainter &p, QPointF c, double r, int size)
{
    QRadialGradient land(c + QPointF(-0.35 * r, -0.4 * r), r * 1.5);
    land.setColorAt(0, QColor(120, 210, 90));
    land.setColorAt(0.6, QColor(50, 160, 55));
    land.setColorAt(1, QColor(25, 100, 35));
    p.setBrush(land);
    // A thin dark coast keeps the land apart from the sea at larger sizes.
    p.setPen(size >= 64 ? QPen(QColor(20, 90, 30), size / 128.0) : QPen(Qt::NoPen));
    for (auto coast : {kAfrica, kEurasia, kSouthAmerica, kMadagascar, kBritain})
        p.drawPath(land_shape(coast, c, r));
}

// Faint meridians and the equator; only where there is room for them.
void draw_grid(QPainter &p, QPointF c, double r, int size)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 70), size / 128.0));
    for (double lon = kLon0 - 90; lon <= kLon0 + 90; lon += 30) {
        QPainterPath line(c + project({lon, -90}) * r);
        for (double lat = -88; lat <= 90; lat += 4)
            line.lineTo(c + project({lon, lat}) * r);
        p.drawPath(line);
    }
    for (double lat = -60; lat <= 60; lat += 30) {
        QPainterPath line;
        bool started = false;
        for (double lon = -180; lon <= 180; lon += 4) {
            const QPointF at = c + project({lon, lat}) * r;
            started ? line.lineTo(at) : line.moveTo(at);
            started = true;
        }
        p.drawPath(line);
    }
}

void draw_gloss(QPainter &p, QPointF c, double r)
{
    QRadialGradient gloss(c + QPointF(-0.4 * r, -0.45 * r), r * 0.6);
    gloss.setColorAt(0, QColor(255, 255, 255, 130));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(c, r, r);
}

} // namespace

QImage draw_globe_icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Small icons get a 1 px outline that fills the border pixels exactly, so it stays crisp.
    const double outline = size <= 32 ? 1.0 : size / 40.0;
    const QPointF c(size / 2.0, size / 2.0);
    const double r = size / 2.0 - outline / 2;

    draw_sea(p, c, r);
    p.save();
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    p.setClipPath(disc);
    draw_land(p, c, r, size);
    if (size >= 48)
        draw_grid(p, c, r, size);
    if (size >= 32)
        draw_gloss(p, c, r);
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, outline));
    p.drawEllipse(c, r, r);
    return image;
}
