#pragma once
// Light-weight controls: labels, shapes and lines. They are no widgets of their own; their
// container paints them in its stacking order (container.h). Geometry is in twips relative to
// the container's client area and reads back exactly as it was set.

#include "zoom.h"

#include <QRect>

class QPainter;

namespace tesselka::forms {

// What controls lie on: their container (container.h), which repaints the pixels it is told of
// and knows the zoom of the window it is in.
class ControlHost {
public:
    virtual void changed(const QRect& pixels) const = 0;
    virtual Zoom zoom() const = 0;

protected:
    ~ControlHost() = default;
};

class Control {
public:
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    bool visible() const { return visible_; }
    void set_visible(bool visible) { set(visible_, visible); }

    // Paints in the container's client pixels; only called while visible.
    virtual void paint(QPainter& painter) const = 0;
    // The client pixels the control covers, for repainting what changed.
    virtual QRect bounds() const = 0;

protected:
    explicit Control(ControlHost& host) : host_(host) {}

    // Sets a property and asks the container to repaint where the control was and now is.
    template <class T, class V>
    void set(T& field, V&& value)
    {
        if (field == value)
            return;
        const QRect before = visible_ ? bounds() : QRect();
        field = std::forward<V>(value);
        repaint(before);
    }
    void repaint(const QRect& before) const;
    // The zoom the control is drawn at.
    Zoom zoom() const { return host_.zoom(); }

private:
    ControlHost& host_;
    bool visible_ = true;
};

// A control with a box: Left, Top, Width, Height.
class BoxControl : public Control {
public:
    float left() const { return left_; }
    float top() const { return top_; }
    float width() const { return width_; }
    float height() const { return height_; }
    void set_left(double v) { set(left_, static_cast<float>(v)); }
    void set_top(double v) { set(top_, static_cast<float>(v)); }
    void set_width(double v) { set(width_, static_cast<float>(v)); }
    void set_height(double v) { set(height_, static_cast<float>(v)); }
    void place(double left, double top, double width, double height);

    QRect bounds() const override;

protected:
    using Control::Control;

private:
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

}  // namespace tesselka::forms
