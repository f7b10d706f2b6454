#include "announcer.h"

#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>

namespace tesselka::forms {

namespace {

// The notification: a child of its window that the window does not list, so neither a flat
// review nor the tab order meets it; only its appearances are heard.
class NotificationAccessible : public QAccessibleInterface {
public:
    explicit NotificationAccessible(QWidget* window) : window_(window) {}

    bool isValid() const override { return window_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(window_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
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
        return window_ ? QRect(window_->mapToGlobal(QPoint()), QSize(1, 1)) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }

private:
    QPointer<QWidget> window_;
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
}

}  // namespace tesselka::forms
