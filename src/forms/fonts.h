#pragma once
// Fonts. The layouts store the face "ＭＳ Ｐゴシック", a proportional Japanese Gothic; here it is
// drawn with IPA P-Gothic, or failing that another Japanese proportional Gothic.

#include <QFont>

namespace tesselka::forms {

// Makes the stored face resolve to the substitutes and sets the application's default UI font.
void install_fonts();

// The stored face at a size in points, regular or bold.
QFont stored_font(double points, bool bold = false);

// The default UI font of the windows: a Japanese-capable face at the usual dialog size.
QFont ui_font();

}  // namespace tesselka::forms
