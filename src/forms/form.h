#pragma once
// A window of fixed size: a caption, a close box and no maximise or minimise button. Its client
// area is the container of the light-weight controls that lie directly on it.

#include "container.h"

#include <QWidget>

namespace tesselka::forms {

class Form : public QWidget {
public:
    Form(const QString& caption, double client_width, double client_height);

    Container& client() { return client_; }
    const Container& client() const { return client_; }
    void center_on_screen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Container client_{*this, [this] { return rect(); }};
};

}  // namespace tesselka::forms
