#include "text_fit.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace tesselka::forms {

namespace {

constexpr QChar kVariantSeparator(0x9C);
constexpr int kNarrowest = 60;  // per cent of the font's own width
constexpr int kSmallest = 60;   // per cent of the font's own size

}  // namespace

QStringList length_variants(const QString& text)
{
    return text.split(kVariantSeparator);
}

FittedText fit_text(const QString& text, const QFont& font,
                    const std::function<bool(const QString&, const QFont&)>& fits)
{
    const QStringList forms = length_variants(text);
    for (const QString& form : forms)
        if (fits(form, font))
            return {form, font};
    QFont narrowed = font;
    for (int stretch = 96; stretch >= kNarrowest; stretch -= 4) {
        narrowed.setStretch(stretch);
        if (fits(forms.back(), narrowed))
            return {forms.back(), narrowed};
    }
    // A text too tall for its place (a stacked accent), or too long even when narrowest, is
    // set smaller as well, as little as it may.
    for (int size = 95; size >= kSmallest; size -= 5)
        for (int stretch : {100, 80, kNarrowest}) {
            QFont smaller = font;
            smaller.setStretch(stretch == 100 ? int(QFont::AnyStretch) : stretch);
            if (font.pointSizeF() > 0)
                smaller.setPointSizeF(font.pointSizeF() * size / 100);
            else
                smaller.setPixelSize(font.pixelSize() * size / 100);
            if (fits(forms.back(), smaller))
                return {forms.back(), smaller};
        }
    return {forms.back(), narrowed, false};
}

void fit_button_text(QAbstractButton& button, const QString& text)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    const auto contents = qobject_cast<QPushButton*>(&button)    ? QStyle::SE_PushButtonContents
                          : qobject_cast<QRadioButton*>(&button) ? QStyle::SE_RadioButtonContents
                                                                 : QStyle::SE_CheckBoxContents;
    const int room = button.style()->subElementRect(contents, &option, &button).width();
    // The font as laid out and zoomed; a narrowed one from an earlier fit is set back first.
    QFont font = button.font();
    font.setStretch(QFont::AnyStretch);
    const FittedText fitted = fit_text(text, font, [room](const QString& form, const QFont& f) {
        return QFontMetricsF(f).horizontalAdvance(form) <= room;
    });
    button.setText(fitted.text);
    if (button.font() != fitted.font)
        button.setFont(fitted.font);
    const QString whole = full_form(text);
    button.setAccessibleName(whole == fitted.text ? QString() : whole);
}

}  // namespace tesselka::forms
