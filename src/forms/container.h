#pragma once
// What a window, a frame or a picture box has in common as the container of light-weight
// controls. It paints, back to front: its background, its picture, its retained drawing surface,
// then its labels, shapes and lines in stacking order. Windowed controls are child widgets and so
// are painted by Qt above all of these.

#include "control.h"

#include <QColor>
#include <QImage>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace tesselka::forms {

class Container : public ControlHost {
public:
    // `client_area` tells where the client area lies within the widget, in pixels.
    Container(QWidget& widget, std::function<QRect()> client_area)
        : widget_(widget), client_area_(std::move(client_area))
    {}

    // Creates a light-weight control in front of those made before it; the container owns it.
    template <class T, class... Args>
    T& add(Args&&... args)
    {
        auto control = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T& ref = *control;
        controls_.push_back(std::move(control));
        return ref;
    }

    // Orders the given controls front-most first, as a layout lists them; they are stacked
    // behind any control not named.
    void set_stacking(const std::vector<const Control*>& front_to_back);

    QColor back_color() const { return back_; }
    void set_back_color(QColor color);

    // The picture shown from the top left of the client area, unscaled as laid out and smoothly
    // scaled at a zoom; a null image shows none.
    void set_picture(const QImage& picture);
    const QImage& picture() const { return picture_; }

    // Draws a 1-pixel line on the retained surface, in twips; it stays through every repaint,
    // and is drawn again at a new zoom.
    void draw_line(double x1, double y1, double x2, double y2, QColor color);

    // The client area within the widget, in pixels.
    QRect client() const { return client_area_(); }

    // The labels, back-most first, for screen readers (access/accessibility.cpp).
    std::vector<const class Label*> labels() const;

    // Stacking position (0 = back-most); for tests.
    int stacking_index(const Control& control) const;

    // Paints what lies in `dirty` (widget pixels); controls wholly outside it are skipped.
    void paint(QPainter& painter, const QRect& dirty) const;
    // Repaints the given client pixels.
    void changed(const QRect& pixels) const override;
    // The zoom of the window the container is in.
    Zoom zoom() const override;

private:
    struct Stroke {
        double x1, y1, x2, y2;
        QColor color;
    };
    // The picture's pixels in the client area.
    QRect picture_rect() const;
    // The retained surface at the present zoom and density, drawn again if they changed.
    const QImage& surface() const;
    void draw_stroke(QImage& surface, const Stroke& stroke) const;

    QWidget& widget_;
    std::function<QRect()> client_area_;
    QColor back_;
    QImage picture_;
    std::vector<Stroke> strokes_;
    mutable QImage surface_;
    mutable Zoom surface_zoom_{0};
    std::vector<std::unique_ptr<Control>> controls_;  // back-most first
};

}  // namespace tesselka::forms
