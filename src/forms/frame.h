#pragma once
// A frame: a titled group whose children, windowed and light-weight, are placed relative to its
// top left corner. It paints itself, caption included, so that it has the face of the labels in
// it and reads to a screen reader as a container of them.

#include "container.h"
#include "placed.h"

#include <QWidget>

namespace tesselka::forms {

class Frame : public QWidget, public Placed {
public:
    Frame(QWidget* parent, const QString& caption);

    Container& client() { return client_; }
    const QString& title() const { return title_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Container client_{*this, [this] { return rect(); }};
    QString title_;
};

}  // namespace tesselka::forms
