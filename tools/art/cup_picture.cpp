#include "cup_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int W = kCupPictureWidth;
constexpr int H = kCupPictureHeight;
constexpr double kTableY = 142;

// Tiny xorshift generator with a fixed seed: every build draws the same drops.
class Rng {
public:
    explicit Rng(quint32 seed) : state_(seed) {}
    double next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_ / 4294967296.0;
    }
    double range(double lo, double hi) { return lo + (hi - lo) * next(); }

private:
    quint32 state_;
};

// A tumbler that widens slightly toward the rim, seen from a little above,
// so every horizontal cross-section shows as an ellipse.
struct Glass {
    double cx = 70;
    double rim_y = 30, rim_hw = 47;
    double foot_y = 183, foot_hw = 37;
    double base_top_y = 172;  // top of the thick glass bottom
    double water_y = 60;
    double wall = 2.5;
    double flatten = 0.19;  // ellipse height / width

    double half_width(double y) const
    {
        const double t = (y - rim_y) / (foot_y - rim_y);
        return rim_hw + (foot_hw - rim_hw) * t;
    }
    QRectF ellipse(double y, double inset = 0) const
    {
        const double hw = half_width(y) - inset;
        const double ry = hw * flatten;
        return QRectF(cx - hw, y - ry, 2 * hw, 2 * ry);
    }
    // Point on the outer surface; angle 0 faces the viewer, +-pi/2 is the silhouette.
    QPointF on_surface(double angle, double y) const
    {
        const double hw = half_width(y);
        return {cx + hw * std::sin(angle), y + hw * flatten * std::cos(angle)};
    }
    QPointF left(double y, double inset = 0) const { return {cx - half_width(y) + inset, y}; }
    QPointF right(double y, double inset = 0) const { return {cx + half_width(y) - inset, y}; }
};

const Glass g;

// Region between two horizontal levels, bounded below by the front of the lower ellipse
// and above by the front of the upper one (or its centre line when upper_front is false).
QPainterPath band(double top, double bottom, double inset, bool upper_front)
{
    QPainterPath path(g.left(top, inset));
    if (upper_front)
        path.arcTo(g.ellipse(top, inset), 180, 180);
    else
        path.lineTo(g.right(top, inset));
    path.lineTo(g.right(bottom, inset));
    path.arcTo(g.ellipse(bottom, inset), 0, -180);
    path.closeSubpath();
    return path;
}

QPainterPath glass_body() { return band(g.rim_y, g.foot_y, 0, false); }
QPainterPath cold_surface() { return band(g.water_y, g.foot_y, 0, true); }

// --- Scene ------------------------------------------------------------------

void draw_background(QPainter &p)
{
    QLinearGradient wall(0, 0, 0, kTableY);
    wall.setColorAt(0, QColor(244, 247, 251));
    wall.setColorAt(1, QColor(224, 232, 241));
    p.fillRect(QRectF(0, 0, W, kTableY), wall);

    QLinearGradient table(0, kTableY, 0, H);
    table.setColorAt(0, QColor(226, 209, 182));
    table.setColorAt(1, QColor(238, 224, 201));
    p.fillRect(QRectF(0, kTableY, W, H - kTableY), table);
    p.fillRect(QRectF(0, kTableY, W, 1.5), QColor(196, 176, 146));
}

void draw_shadow(QPainter &p)
{
    p.save();
    p.translate(g.cx + 7, g.foot_y + 3);
    p.scale(1.0, 0.24);
    const double r = g.foot_hw * 1.35;
    QRadialGradient shade(0, 0, r);
    shade.setColorAt(0, QColor(60, 50, 40, 70));
    shade.setColorAt(1, QColor(60, 50, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(QPointF(0, 0), r, r);
    p.restore();
}

void draw_puddle(QPainter &p)
{
    const double hw = g.foot_hw * 1.28, ry = hw * g.flatten * 1.15;
    const QRectF ring(g.cx + 2 - hw, g.foot_y + 1.5 - ry, 2 * hw, 2 * ry);
    QLinearGradient water(ring.topLeft(), ring.bottomRight());
    water.setColorAt(0, QColor(185, 222, 245, 170));
    water.setColorAt(1, QColor(130, 185, 225, 170));
    p.setBrush(water);
    p.setPen(QPen(QColor(80, 135, 185, 200), 0.9));
    p.drawEllipse(ring);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 230), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(ring.adjusted(2, 1.5, -2, -1.5), 205 * 16, 45 * 16);
    p.drawArc(ring.adjusted(2, 1.5, -2, -1.5), 300 * 16, 20 * 16);
}

// Horizontal shading makes the glass and water read as round.
QLinearGradient across_glass(QColor edge, QColor middle)
{
    QLinearGradient grad(g.cx - g.rim_hw, 0, g.cx + g.rim_hw, 0);
    grad.setColorAt(0, edge);
    grad.setColorAt(0.4, middle);
    grad.setColorAt(0.6, middle);
    grad.setColorAt(1, edge);
    return grad;
}

void draw_glass_back(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(across_glass(QColor(205, 220, 232, 120), QColor(255, 255, 255, 40)));
    p.drawPath(glass_body());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 170, 190, 160), 1.0));
    p.drawArc(g.ellipse(g.rim_y, g.wall), 0, 180 * 16);
}

QPainterPath ice_cube(QPointF centre, double w, double h, double degrees)
{
    QPainterPath cube;
    cube.addRoundedRect(QRectF(-w / 2, -h / 2, w, h), 3.5, 3.5);
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(degrees);
    return t.map(cube);
}

void draw_ice(QPainter &p, const QPainterPath &cube)
{
    const QRectF r = cube.boundingRect();
    QLinearGradient body(r.topLeft(), r.bottomRight());
    body.setColorAt(0, QColor(252, 254, 255, 240));
    body.setColorAt(1, QColor(198, 224, 240, 220));
    p.setBrush(body);
    p.setPen(QPen(QColor(140, 185, 214, 220), 0.9));
    p.drawPath(cube);
    // Top face edge and a glint so the lump reads as a cube.
    p.setPen(QPen(QColor(175, 210, 230, 200), 0.8));
    p.drawLine(QPointF(r.left() + 3, r.top() + r.height() * 0.38),
               QPointF(r.right() - 3, r.top() + r.height() * 0.30));
    p.setPen(QPen(QColor(255, 255, 255, 255), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.left() + 4, r.top() + 3.5), QPointF(r.left() + r.width() * 0.45, r.top() + 2.8));
}

void draw_water(QPainter &p)
{
    const QPainterPath body = band(g.water_y, g.base_top_y, g.wall, false);
    QPainterPath surface;
    surface.addEllipse(g.ellipse(g.water_y, g.wall));

    p.setPen(Qt::NoPen);
    p.setBrush(across_glass(QColor(108, 166, 210), QColor(170, 212, 238)));
    p.drawPath(body);
    QLinearGradient depth(0, g.water_y, 0, g.base_top_y);
    depth.setColorAt(0, QColor(255, 255, 255, 40));
    depth.setColorAt(1, QColor(40, 90, 140, 50));
    p.setBrush(depth);
    p.drawPath(body);

    QLinearGradient top(0, g.water_y - 8, 0, g.water_y + 8);
    top.setColorAt(0, QColor(196, 228, 246));
    top.setColorAt(1, QColor(222, 241, 252));
    p.setBrush(top);
    p.setPen(QPen(QColor(120, 170, 205), 0.9));
    p.drawPath(surface);

    const QPainterPath cubes[] = {ice_cube({g.cx - 13, g.water_y + 1}, 21, 17, -11),
                                  ice_cube({g.cx + 15, g.water_y + 2.5}, 17, 15, 14)};
    for (const QPainterPath &cube : cubes) {
        draw_ice(p, cube);
        // The part below the surface is seen through the water.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110, 170, 212, 110));
        p.drawPath(cube.intersected(body.subtracted(surface)));
    }
}

// Thick glass bottom, catching light along its upper edge.
void draw_base(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(across_glass(QColor(175, 200, 218, 200), QColor(222, 236, 245, 170)));
    p.drawPath(band(g.base_top_y, g.foot_y, 0, true));
    QRectF top = g.ellipse(g.base_top_y, g.wall);
    p.setPen(QPen(QColor(255, 255, 255, 230), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(top, 200 * 16, 140 * 16);
}

// Vertical reflections of the window on the left and a softer one on the right.
void draw_glass_shine(QPainter &p)
{
    auto strip = [&](double a0, double a1, int alpha) {
        QPainterPath path(g.on_surface(a0, g.rim_y + 8));
        path.lineTo(g.on_surface(a0, g.foot_y - 6));
        path.lineTo(g.on_surface(a1, g.foot_y - 6));
        path.lineTo(g.on_surface(a1, g.rim_y + 8));
        path.closeSubpath();
        QLinearGradient fade(0, g.rim_y, 0, g.foot_y);
        fade.setColorAt(0, QColor(255, 255, 255, alpha));
        fade.setColorAt(0.7, QColor(255, 255, 255, alpha * 2 / 3));
        fade.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(fade);
        p.drawPath(path);
    };
    strip(-1.05, -0.93, 200);
    strip(-0.84, -0.80, 150);
    strip(0.95, 1.05, 110);
}

void draw_rim(QPainter &p)
{
    QPainterPath ring;
    ring.addEllipse(g.ellipse(g.rim_y));
    QPainterPath inner;
    inner.addEllipse(g.ellipse(g.rim_y, g.wall));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawPath(ring.subtracted(inner));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 175, 195, 200), 0.8));
    p.drawArc(g.ellipse(g.rim_y, g.wall), 180 * 16, 180 * 16);
}

void draw_outline(QPainter &p)
{
    QPainterPath outline(g.left(g.rim_y));
    outline.lineTo(g.left(g.foot_y));
    outline.arcTo(g.ellipse(g.foot_y), 180, 180);
    outline.lineTo(g.right(g.rim_y));
    outline.addEllipse(g.ellipse(g.rim_y));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(78, 98, 120), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(outline);
}

// --- Condensation -----------------------------------------------------------

struct Drop {
    double angle, y;  // on the surface
    double radius;    // size when it first shows
    int born;         // stage in which it appears
};

// All drops ever shown, in one fixed list, so later stages keep the earlier ones.
std::vector<Drop> all_drops()
{
    Rng rng(20240611);
    std::vector<Drop> drops;
    const auto fits = [&](const Drop &d) {
        const QPointF c = g.on_surface(d.angle, d.y);
        for (const Drop &o : drops) {
            const QPointF e = g.on_surface(o.angle, o.y);
            const double gap = std::hypot(c.x() - e.x(), c.y() - e.y());
            if (gap < (d.radius + o.radius) * 2.0 + 1.5)
                return false;
        }
        return true;
    };
    const int wanted[] = {60, 55};  // stage 3, stage 4
    for (int k = 0; k < 2; ++k) {
        for (int made = 0, tries = 0; made < wanted[k] && tries < 5000; ++tries) {
            Drop d{rng.range(-1.4, 1.4), rng.range(g.water_y + 4, g.foot_y - 3),
                   rng.range(1.3, 2.2), 3 + k};
            if (fits(d)) {
                drops.push_back(d);
                ++made;
            }
        }
    }
    return drops;
}

double grown_radius(const Drop &d, int stage)
{
    if (stage < d.born)
        return 0;
    const int age = stage - d.born;
    return d.radius * (age == 0 ? 1.0 : age == 1 ? 1.4 : 1.6);
}

// A bead of water: bluish where it shows the water behind, a dark rim,
// light gathered at the bottom and a bright highlight at the top left.
void draw_bead(QPainter &p, QPointF c, double rx, double ry)
{
    // It sits on the glass: a soft shadow falls below it, away from the light.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 70, 105, 70));
    p.drawEllipse(c + QPointF(0.3 * rx, 0.45 * ry), rx * 1.05, ry * 0.95);
    QRadialGradient body(c + QPointF(0, -0.25 * ry), std::max(rx, ry) * 1.05);
    body.setColorAt(0, QColor(190, 220, 240, 235));
    body.setColorAt(0.65, QColor(128, 172, 204, 240));
    body.setColorAt(1, QColor(55, 90, 128, 250));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(c, rx, ry);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(c + QPointF(0.1 * rx, 0.5 * ry), rx * 0.55, ry * 0.28);
    p.setBrush(QColor(255, 255, 255, 245));
    const double h = std::max(0.55, 0.34 * std::min(rx, ry));
    p.drawEllipse(c + QPointF(-0.35 * rx, -0.4 * ry), h, h);
}

// Drops near the silhouette are seen edge-on and look narrower.
void draw_drop_on_surface(QPainter &p, double angle, double y, double r, double stretch = 1.0)
{
    const double squeeze = std::max(0.4, std::cos(angle));
    draw_bead(p, g.on_surface(angle, y), r * squeeze, r * stretch);
}

struct Run {
    double angle, top, bottom, width;
};

// Hand-placed so the streaks spread evenly over the front of the glass.
const Run kRuns[] = {
    {-1.0, 90, 183, 4.6}, {-0.5, 72, 150, 5.2}, {0.02, 98, 183, 5.6},
    {0.48, 80, 136, 5.0}, {0.95, 106, 183, 4.4},
};

QPointF run_point(const Run &r, double y)
{
    // A slight wander: running water never falls perfectly straight.
    const double wobble = 0.012 * std::sin((y - r.top) * 0.11 + r.angle * 5);
    return g.on_surface(r.angle + wobble, y);
}

bool swallowed_by_run(const Drop &d, double radius)
{
    const QPointF c = g.on_surface(d.angle, d.y);
    for (const Run &r : kRuns) {
        const QPointF on = run_point(r, d.y);
        if (d.y > r.top - 4 && d.y < r.bottom + 6 && std::abs(c.x() - on.x()) < r.width / 2 + radius + 0.5)
            return true;
    }
    return false;
}

// The lane a run leaves behind: narrow where it started, as wide as the drop below.
QPainterPath run_lane(const Run &r)
{
    const double squeeze = std::max(0.45, std::cos(r.angle));
    QPolygonF left_edge, right_edge;
    for (double y = r.top; y <= r.bottom + 0.01; y += 2) {
        const double t = (y - r.top) / (r.bottom - r.top);
        const double half = r.width / 2 * squeeze * (0.4 + 0.6 * t);
        const QPointF c = run_point(r, y);
        left_edge << c - QPointF(half, 0);
        right_edge.prepend(c + QPointF(half, 0));
    }
    QPainterPath lane;
    lane.addPolygon(left_edge + right_edge);
    lane.closeSubpath();
    return lane;
}

QImage mist_layer(int stage)
{
    QImage layer(W, H, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipPath(cold_surface());

    // Thicker toward the sides, where the eye looks through more of the mist.
    // Stage 1 must read as clouded at a glance beside the clear glass of stage 0.
    const int a = stage == 1 ? 135 : stage == 2 ? 190 : 165 - 10 * (stage - 3);
    p.fillRect(QRect(0, 0, W, H), across_glass(QColor(236, 241, 246, std::min(255, a * 13 / 10)),
                                             QColor(246, 249, 252, a * 8 / 10)));

    // Fine grain: the mist is really countless tiny droplets.
    Rng rng(7);
    const int grains = stage == 1 ? 900 : 1400;
    const QRectF box = cold_surface().boundingRect();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < grains; ++i) {
        const QPointF at(rng.range(box.left(), box.right()), rng.range(box.top(), box.bottom()));
        const bool light = rng.next() < 0.6;
        const int alpha = int(rng.range(50, stage == 1 ? 120 : 150));
        p.setBrush(light ? QColor(255, 255, 255, alpha) : QColor(150, 165, 180, alpha / 2));
        p.drawEllipse(at, 0.6, 0.6);
    }

    // Running drops wipe the mist off in narrow lanes.
    if (stage == 5) {
        p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
        p.setBrush(QColor(0, 0, 0, 225));
        for (const Run &r : kRuns)
            p.drawPath(run_lane(r));
    }
    return layer;
}

void draw_runs(QPainter &p)
{
    for (const Run &r : kRuns) {
        const QPainterPath lane = run_lane(r);
        p.setBrush(QColor(150, 200, 232, 90));
        p.setPen(QPen(QColor(90, 140, 180, 150), 0.7));
        p.drawPath(lane);
        // Wet glass shines along one side of the lane.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 210), 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(run_point(r, r.top + 6) - QPointF(r.width * 0.15, 0),
                   run_point(r, r.bottom - 4) - QPointF(r.width * 0.2, 0));
        // The heavy drop at the front of the run, unless it has already reached the table.
        if (r.bottom < g.foot_y)
            draw_drop_on_surface(p, r.angle, r.bottom, r.width * 0.7, 1.3);
    }
}

// Drops on the silhouette, seen from the side: domes standing out of the glass's outline, so
// that the water is plainly on the outside.
void draw_edge_drops(QPainter &p, int stage)
{
    Rng rng(424242);
    const int shown = stage == 3 ? 3 : 5;  // on each side
    for (int i = 0; i < 5; ++i) {
        const double y = g.water_y + 14 + i * (g.foot_y - g.water_y - 24) / 4 + rng.range(-5, 5);
        for (int side : {-1, 1}) {
            const double r = rng.range(1.6, 2.3) * (stage == 3 ? 1.0 : stage == 4 ? 1.35 : 1.55);
            if (i >= shown || (side > 0 && i % 2 != stage % 2 && stage == 3))
                continue;
            const QPointF edge = side < 0 ? g.left(y) : g.right(y);
            draw_bead(p, edge + QPointF(side * r * 0.45, 0), r * 0.85, r * 1.1);
        }
    }
}

void draw_condensation(QPainter &p, int stage)
{
    p.drawImage(0, 0, mist_layer(stage));
    if (stage < 3)
        return;
    p.save();
    p.setClipPath(cold_surface());
    for (const Drop &d : all_drops()) {
        const double r = grown_radius(d, stage);
        if (r > 0 && !(stage == 5 && swallowed_by_run(d, r)))
            draw_drop_on_surface(p, d.angle, d.y, r);
    }
    if (stage == 5)
        draw_runs(p);
    p.restore();
}

} // namespace

QImage draw_cup_picture(int stage)
{
    QImage image(W, H, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    draw_background(p);
    draw_shadow(p);
    if (stage == 5)
        draw_puddle(p);
    draw_glass_back(p);
    draw_water(p);
    draw_base(p);
    draw_glass_shine(p);
    if (stage > 0)
        draw_condensation(p, stage);
    draw_rim(p);
    draw_outline(p);
    if (stage >= 3)
        draw_edge_drops(p, stage);
    return image;
}
