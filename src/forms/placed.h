#pragma once
// The twips geometry of a windowed control (button, list, option, check box, frame, picture
// box): kept as set, applied to the widget in pixels at the zoom of the window it is in.

class QWidget;

namespace tesselka::forms {

class Placed {
public:
    // Named apart from QWidget's own pixel width() and height().
    float left_twips() const { return left_; }
    float top_twips() const { return top_; }
    float width_twips() const { return width_; }
    float height_twips() const { return height_; }
    void place(double left, double top, double width, double height);

    // Applies its window's zoom: the geometry, and the font the control was given as laid out.
    virtual void rezoom();

protected:
    explicit Placed(QWidget& self) : self_(self) {}
    virtual ~Placed() = default;

private:
    QWidget& self_;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

}  // namespace tesselka::forms
