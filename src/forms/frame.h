#pragma once
// A frame: a titled group whose children, windowed and light-weight, are placed relative to its
// top left corner.

#include "container.h"
#include "placed.h"

#include <QGroupBox>

namespace tesselka::forms {

class Frame : public QGroupBox, public Placed {
public:
    Frame(QWidget* parent, const QString& caption);

    Container& client() { return client_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Container client_{*this, [this] { return rect(); }};
};

}  // namespace tesselka::forms
