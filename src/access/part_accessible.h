#pragma once
// A part of a widget that a screen reader sees as a child of that widget's accessible object
// without being a widget itself: it has no object, no children and no focus of its own.

#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>

namespace tesselka::access {

class PartAccessible : public QAccessibleInterface {
public:
    explicit PartAccessible(QWidget* owner) : owner_(owner) {}

    bool isValid() const override { return owner_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(owner_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QWidget* owner() const { return owner_; }

private:
    QPointer<QWidget> owner_;
};

}  // namespace tesselka::access
