#pragma once
// Fitting a text to its place. A translation may give a text in several forms, longest first,
// separated by U+009C (Qt's length variants): the first form that fits is shown, and where none
// does, the last is set narrower, down to 60 % of its width, as the lists set a long value, and
// then smaller.

#include <QFont>
#include <QString>
#include <QStringList>

#include <functional>

class QAbstractButton;

namespace tesselka::forms {

QStringList length_variants(const QString& text);
// The whole text, as a screen reader says it.
inline QString full_form(const QString& text) { return length_variants(text).front(); }

struct FittedText {
    QString text;
    QFont font;
    bool fits = true;  // false: even the narrowest form does not fit, and is shown cut
};

// The form and font to show: `fits` says whether a form in a font fits its place.
FittedText fit_text(const QString& text, const QFont& font,
                    const std::function<bool(const QString&, const QFont&)>& fits);

// Sets a button's text, from `text` and its forms, to fit beside its indicator or inside its
// frame at the button's font; a screen reader still hears the whole text.
void fit_button_text(QAbstractButton& button, const QString& text);

}  // namespace tesselka::forms
