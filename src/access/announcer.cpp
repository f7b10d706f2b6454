#include "announcer.h"

#include "part_accessible.h"
#include "platform/platform.h"

namespace tesselka::access {

namespace {

// The notification: a child of its window that the window does not list, so neither a flat
// review nor the tab order meets it; only its appearances are heard.
class NotificationAccessible : public PartAccessible {
public:
    using PartAccessible::PartAccessible;

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? text_ : QString();
    }
    void setText(QAccessible::Text t, const QString& text) override
    {
        if (t == QAccessible::Name)
            text_ = text;
    }
    QRect rect() const override
    {
        return owner() ? QRect(owner()->mapToGlobal(QPoint()), QSize(1, 1)) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }

private:
    QString text_;
};

}  // namespace

Announcer::Announcer(QWidget* window)
    : id_(QAccessible::registerAccessibleInterface(new NotificationAccessible(window)))
{
}

Announcer::~Announcer()
{
    QAccessible::deleteAccessibleInterface(id_);
}

void Announcer::say(const QString& text)
{
    QAccessibleInterface* iface = QAccessible::accessibleInterface(id_);
    iface->setText(QAccessible::Name, text);
    QAccessibleEvent shown(iface, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    platform::say_in_page(text);
}

}  // namespace tesselka::access
