#include "widgets.h"

#include "error_report.h"

#include <QLineEdit>

namespace tesselka::forms {

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
    // The lists are only 41 pixels wide: a narrow arrow and small margins leave room for the
    // two or three digits of a value.
    setStyleSheet(QStringLiteral("QComboBox { padding: 0px 0px 0px 3px; }"
                                 "QComboBox::drop-down { width: 12px; }"));
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
