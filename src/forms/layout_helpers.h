#pragma once
// Small helpers that let a window's layout code read like its layout table: a box in twips, a
// look, and a caption.

#include "container.h"
#include "fonts.h"
#include "label.h"
#include "line.h"
#include "placed.h"
#include "shape.h"

#include <QColor>

#include <optional>

namespace tesselka::forms {

struct Box {
    double left, top, width, height;
};

struct LabelLook {
    double points = 0;  // 0: the window's default UI font
    bool bold = false;
    std::optional<QColor> fore;  // none: button text
    bool transparent = false;
    Label::Align align = Label::Align::left;
};

inline QFont font_of(double points, bool bold = false)
{
    return points > 0 ? stored_font(points, bold) : ui_font();
}

inline Label& add_label(Container& c, Box b, const QString& caption, const LabelLook& look = {})
{
    auto& label = c.add<Label>();
    label.place(b.left, b.top, b.width, b.height);
    label.set_caption(caption);
    label.set_font(font_of(look.points, look.bold));
    if (look.fore)
        label.set_fore_color(*look.fore);
    label.set_opaque(!look.transparent);
    label.set_alignment(look.align);
    return label;
}

inline Shape& add_shape(Container& c, Shape::Kind kind, Box b,
                        std::optional<QColor> fill = std::nullopt)
{
    auto& shape = c.add<Shape>(kind);
    shape.place(b.left, b.top, b.width, b.height);
    shape.set_fill_color(fill);
    return shape;
}

inline Line& add_line(Container& c, double x1, double y1, double x2, double y2,
                      std::optional<QColor> color = std::nullopt, bool dotted = false)
{
    auto& line = c.add<Line>();
    line.place(x1, y1, x2, y2);
    if (color)
        line.set_color(*color);
    line.set_dotted(dotted);
    return line;
}

template <class W>
W* placed(W* widget, Box b, double points = 0, bool bold = false)
{
    widget->place(b.left, b.top, b.width, b.height);
    widget->setFont(font_of(points, bold));
    return widget;
}

}  // namespace tesselka::forms
