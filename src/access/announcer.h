#pragma once
// Speech for a screen reader that does not move the keyboard focus. A window's announcer is an
// invisible notification object of that window; each `say` gives it a new text and tells the
// desktop it has appeared, which Orca speaks at once, cutting off whatever it had not yet said.
// Other kinds of event were tried and stay silent in Orca unless their object has the focus: a
// changed description or name, and an alert event.

#include <QAccessible>
#include <QString>

class QWidget;

namespace tesselka::access {

class Announcer {
public:
    explicit Announcer(QWidget* window);
    ~Announcer();
    Announcer(const Announcer&) = delete;
    Announcer& operator=(const Announcer&) = delete;

    void say(const QString& text);

private:
    QAccessible::Id id_;
};

}  // namespace tesselka::access
