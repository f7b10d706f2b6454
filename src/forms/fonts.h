#pragma once
// Fonts. The layouts store the face "ＭＳ Ｐゴシック", a proportional Japanese Gothic; it is drawn
// with IPA P-Gothic, which the program carries in its resources, so that every text keeps its
// place and line breaks whatever fonts the desktop has.

#include <QFont>
#include <QString>
#include <QStringList>

namespace tesselka::forms {

// IPA P-Gothic as the build compiles it into the program: whole on the desktop, cut down to the
// program's characters (and renamed) in the browser.
inline const QString kCarriedFont = QStringLiteral(":/fonts/carried.ttf");

// Loads the font file (a resource or a file on disk), makes the stored face resolve to it and
// sets the application's default UI font. A font that cannot be loaded is reported once on
// standard error, naming the face drawn instead, and the program goes on with the system's
// Japanese fonts.
void install_fonts(const QString& font_file = kCarriedFont);

// The languages whose texts IPA P-Gothic cannot draw right, and the fonts the program carries for
// them, cut down to their translations' characters: Chinese in Noto Sans CJK SC (a shared hanzi
// in a Japanese font takes the Japanese shape), Vietnamese in DejaVu Sans (letters such as ạ
// and ư are missing from IPA P-Gothic). Loaded by install_fonts.
QString language_face(const QString& language);

// The faces a language's texts are drawn in, first to last.
QStringList faces_for(const QString& language);

// Draws the texts of a language (a code of model/language.h) from now on: its own face first,
// where it has one, then the stored face. Sets the application's default UI font again.
void use_language_font(const QString& language);

// The stored face at a size in points, regular or bold, behind the language's face.
QFont stored_font(double points, bool bold = false);

// `font`, given as laid out, at the zoom `factor` (zoom.h).
QFont zoomed(const QFont& font, double factor);

// The default UI font of the windows: a Japanese-capable face at the usual dialog size.
QFont ui_font();

}  // namespace tesselka::forms
