#pragma once
// A picture box: a windowed container with a background colour, a picture shown unscaled, and a
// retained drawing surface. Its inner coordinates start inside its border.

#include "container.h"
#include "placed.h"

#include <QFrame>

namespace tesselka::forms {

class PictureBox : public QFrame, public Placed {
public:
    enum class Border { none, sunken };

    PictureBox(QWidget* parent, Border border = Border::sunken);

    Container& client() { return client_; }
    const Container& client() const { return client_; }

    // The colour drawing on the retained surface uses.
    QColor fore_color() const { return fore_; }
    void set_fore_color(QColor color) { fore_ = color; }

    // The border, 2 pixels as laid out, grows with the zoom too.
    void rezoom() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Container client_{*this, [this] { return contentsRect(); }};
    QColor fore_;
    bool sunken_;
};

}  // namespace tesselka::forms
