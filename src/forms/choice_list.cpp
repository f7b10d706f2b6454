#include "choice_list.h"

#include "text_fit.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QStylePainter>

namespace tesselka::forms {

ChoiceList::ChoiceList(QWidget* parent) : QComboBox(parent), Placed(static_cast<QWidget&>(*this))
{
    setStyle(control_style());
    setFocusPolicy(Qt::StrongFocus);
}

void ChoiceList::add_entry(const QString& text, const QString& short_text, const QStringList& faces)
{
    addItem(text);
    const int i = count() - 1;
    setItemData(i, short_text, kShortText);
    setItemData(i, faces, kFaces);
    setItemData(i, entry_font(i), Qt::FontRole);
}

QFont ChoiceList::entry_font(int index) const
{
    QFont font = this->font();
    font.setFamilies(itemData(index, kFaces).toStringList());
    return font;
}

bool ChoiceList::event(QEvent* event)
{
    if (event->type() == QEvent::FontChange)  // a new zoom: the entries' fonts follow
        for (int i = 0; i < count(); ++i)
            setItemData(i, entry_font(i), Qt::FontRole);
    return QComboBox::event(event);
}

void ChoiceList::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0)
        return;
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                QStyle::SC_ComboBoxEditField, this);
    const int room = field.width() - 2;
    const FittedText fitted = fit_text(
        itemData(currentIndex(), kShortText).toString(), entry_font(currentIndex()),
        [room](const QString& text, const QFont& font) {
            return QFontMetricsF(font).horizontalAdvance(text) <= room;
        });
    painter.setFont(fitted.font);
    option.currentText = fitted.text;
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace tesselka::forms
