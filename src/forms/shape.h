#pragma once

#include "control.h"

#include <QColor>

#include <optional>

namespace tesselka::forms {

// A rectangle, oval or circle with a 1-pixel border. A circle is the largest one that fits the
// box, centred in it. The back colour (when opaque) is painted first, the solid fill over it.
class Shape : public BoxControl {
public:
    enum class Kind { rectangle, oval, circle };

    explicit Shape(ControlHost& host, Kind kind = Kind::rectangle);

    Kind kind() const { return kind_; }
    void set_border_color(QColor color) { set(border_, color); }
    std::optional<QColor> fill_color() const { return fill_; }  // none: no fill
    void set_fill_color(std::optional<QColor> color) { set(fill_, color); }
    std::optional<QColor> back_color() const { return back_; }  // none: transparent
    void set_back_color(std::optional<QColor> color) { set(back_, color); }

    void paint(QPainter& painter) const override;

private:
    QRect outline() const;

    Kind kind_;
    QColor border_;
    std::optional<QColor> fill_, back_;
};

}  // namespace tesselka::forms
