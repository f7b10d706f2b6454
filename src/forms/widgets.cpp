#include "widgets.h"

#include "error_report.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionComplex>

namespace tesselka::forms {

namespace {

// The lists are only 41 pixels wide: a narrow arrow and small margins leave room for the two or
// three digits of a value. One style serves every list.
class NarrowListStyle : public QProxyStyle {
public:
    NarrowListStyle() : QProxyStyle(QApplication::style()->name()) { setParent(qApp); }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl part, const QWidget* widget) const override
    {
        if (control != CC_ComboBox)
            return QProxyStyle::subControlRect(control, option, part, widget);
        constexpr int arrow = 12;
        const QRect r = option->rect;
        switch (part) {
        case SC_ComboBoxArrow:
            return QRect(r.right() - arrow, r.top() + 1, arrow, r.height() - 2);
        case SC_ComboBoxEditField:
            return QRect(r.left() + 3, r.top() + 2, r.width() - arrow - 5, r.height() - 4);
        default:
            return QProxyStyle::subControlRect(control, option, part, widget);
        }
    }
};

QStyle* narrow_list_style()
{
    static QPointer<NarrowListStyle> style;
    if (!style)
        style = new NarrowListStyle;
    return style;
}

}  // namespace

ComboBox::ComboBox(QWidget* parent, const QStringList& items, const QString& text)
    : QComboBox(parent), Placed(static_cast<QWidget&>(*this))
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // Qt would pick the item whose text was typed when editing finishes, and report that as a
    // pick from the list: a click on leaving the field, or a second one after Enter. Only a pick
    // or Enter counts here.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    setStyle(narrow_list_style());
    addItems(items);
    setMaxVisibleItems(items.size());
    if (const int i = findText(text); i >= 0)
        setCurrentIndex(i);
    setEditText(text);
}

void ComboBox::on_click(std::function<void()> handler)
{
    connect(this, &QComboBox::activated, this, [handler](int) { run_guarded(handler); });
    connect(lineEdit(), &QLineEdit::returnPressed, this, [handler] { run_guarded(handler); });
}

}  // namespace tesselka::forms
