#include "fonts.h"

#include <QApplication>

namespace tesselka::forms {
namespace {

const QString kStoredFace = QStringLiteral("ＭＳ Ｐゴシック");
const QStringList kSubstitutes = {
    QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
    QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic"), QStringLiteral("IPAGothic"),
};

QFont make(const QString& family, double points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

void install_fonts()
{
    QFont::insertSubstitutions(kStoredFace, kSubstitutes);
    QApplication::setFont(ui_font());
}

QFont stored_font(double points, bool bold)
{
    // The substitute is named first: fontconfig would otherwise answer the stored face with
    // whatever sans face it likes best.
    QFont font = make(kSubstitutes.front(), points, bold);
    font.setFamilies(QStringList{kSubstitutes.front(), kStoredFace} + kSubstitutes.mid(1));
    return font;
}

QFont ui_font()
{
    return stored_font(9);
}

}  // namespace tesselka::forms
