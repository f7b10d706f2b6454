#include "accessibility.h"

#include "forms/container.h"
#include "forms/form.h"
#include "forms/frame.h"
#include "forms/label.h"
#include "part_accessible.h"
#include "forms/picture_box.h"
#include "forms/widgets.h"

#include <QAccessibleWidget>

#include <algorithm>

namespace tesselka::access {

using namespace forms;  // the toolkit whose controls are described here

namespace {

// The container of a window, picture box or frame, and its role for a screen reader.
std::pair<Container*, QAccessible::Role> container_of(QObject* object)
{
    if (auto* f = dynamic_cast<Form*>(object))
        return {&f->client(), QAccessible::Window};
    if (auto* p = dynamic_cast<PictureBox*>(object))
        return {&p->client(), QAccessible::Graphic};
    if (auto* g = dynamic_cast<Frame*>(object))
        return {&g->client(), QAccessible::Grouping};
    return {nullptr, QAccessible::NoRole};
}

// A label, as a child of its container's accessible object.
class LabelAccessible : public PartAccessible {
public:
    LabelAccessible(QWidget* owner, const Label* label) : PartAccessible(owner), label_(label) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? label_->caption() : QString();
    }
    QRect rect() const override
    {
        const Container* c = container_of(owner()).first;
        const QRect local = label_->bounds().translated(c ? c->client().topLeft() : QPoint());
        return QRect(owner()->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !label_->visible() || !owner()->isVisible();
        s.readOnly = true;
        return s;
    }

private:
    const Label* label_;
};

// Sorts labels into lines, top to bottom, and each line left to right. A label belongs to the
// line of the label above it when its top lies above the middle of that line's first label, so
// that a row of scale labels a few pixels apart reads as one line.
void in_reading_order(std::vector<const Label*>& labels)
{
    const auto top = [](const Label* a, const Label* b) {
        return a->bounds().top() < b->bounds().top();
    };
    const auto left = [](const Label* a, const Label* b) {
        return a->bounds().left() < b->bounds().left();
    };
    std::stable_sort(labels.begin(), labels.end(), top);
    for (auto line = labels.begin(); line != labels.end();) {
        const QRect first = (*line)->bounds();
        auto end = std::find_if(line, labels.end(), [&](const Label* l) {
            return l->bounds().top() > first.center().y();
        });
        std::stable_sort(line, end, left);
        line = end;
    }
}

// A container: its child widgets as usual, then its visible labels.
class ContainerAccessible : public QAccessibleWidget {
public:
    ContainerAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role)
    {}

    int childCount() const override
    {
        return QAccessibleWidget::childCount() + static_cast<int>(labels().size());
    }
    QAccessibleInterface* child(int index) const override
    {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets)
            return QAccessibleWidget::child(index);
        const auto list = labels();
        return index - widgets < static_cast<int>(list.size()) ? list[index - widgets] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto list = labels();
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list[i] == child)
                return QAccessibleWidget::childCount() + static_cast<int>(i);
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    // The visible labels in reading order, top to bottom and left to right; each has one
    // interface for its life.
    std::vector<QAccessibleInterface*> labels() const
    {
        std::vector<QAccessibleInterface*> out;
        Container* c = container_of(widget()).first;
        if (!c)
            return out;
        std::vector<const Label*> shown;
        for (const Label* label : c->labels())
            if (label->visible())
                shown.push_back(label);
        in_reading_order(shown);
        for (const Label* label : shown) {
            QAccessible::Id& id = label->accessible_id();
            if (!id)
                id = QAccessible::registerAccessibleInterface(new LabelAccessible(widget(), label));
            out.push_back(QAccessible::accessibleInterface(id));
        }
        return out;
    }
};

// An editable drop-down list, named for its field ("気温") rather than for the value it holds,
// which it reports as its value. Its text field is its child, for typing.
class ListAccessible : public QAccessibleWidget {
public:
    explicit ListAccessible(ComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return list()->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        return QStringList{showMenuAction()} << QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    ComboBox* list() const { return static_cast<ComboBox*>(widget()); }
};

QAccessibleInterface* factory(const QString&, QObject* object)
{
    if (auto* list = dynamic_cast<ComboBox*>(object))
        return new ListAccessible(list);
    const auto [container, role] = container_of(object);
    return container ? new ContainerAccessible(static_cast<QWidget*>(object), role) : nullptr;
}

}  // namespace

void install_accessibility() { QAccessible::installFactory(factory); }

}  // namespace tesselka::access
