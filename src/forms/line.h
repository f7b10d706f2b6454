#pragma once

#include "control.h"

#include <QColor>

namespace tesselka::forms {

// A 1-pixel line from (X1, Y1) to (X2, Y2), solid or dotted.
class Line : public Control {
public:
    explicit Line(ControlHost& host);

    float x1() const { return x1_; }
    float y1() const { return y1_; }
    float x2() const { return x2_; }
    float y2() const { return y2_; }
    void set_x1(double v) { set(x1_, static_cast<float>(v)); }
    void set_y1(double v) { set(y1_, static_cast<float>(v)); }
    void set_x2(double v) { set(x2_, static_cast<float>(v)); }
    void set_y2(double v) { set(y2_, static_cast<float>(v)); }
    void place(double x1, double y1, double x2, double y2);
    QColor color() const { return color_; }
    void set_color(QColor color) { set(color_, color); }
    bool dotted() const { return dotted_; }
    void set_dotted(bool dotted) { set(dotted_, dotted); }

    void paint(QPainter& painter) const override;
    QRect bounds() const override;

private:
    float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    QColor color_;
    bool dotted_ = false;
};

}  // namespace tesselka::forms
