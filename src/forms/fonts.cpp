#include "fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QResource>

#include <cmath>
#include <cstdio>

// Pulls the font's resource object out of the static library; it must be declared outside any
// namespace.
static void init_font_resource()
{
    Q_INIT_RESOURCE(fonts);
}

namespace tesselka::forms {
namespace {

const QString kStoredFace = QStringLiteral("ＭＳ Ｐゴシック");
// Japanese proportional Gothics of the system, tried when the carried font cannot be loaded.
const QStringList kSystemFaces = {
    QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
    QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic"), QStringLiteral("IPAGothic"),
};

// The face the stored one resolves to first: the carried font's family once it is loaded.
QString& first_face()
{
    static QString face = kSystemFaces.front();
    return face;
}

// The languages' own fonts in the resources, regular and bold, and their faces once loaded.
struct LanguageFont {
    const char* language;
    const char* regular;
    const char* bold;
    QString face;
};
LanguageFont language_fonts[] = {
    {"zh_CN", ":/fonts/zh_CN.otf", ":/fonts/zh_CN-bold.otf", {}},
    {"vi", ":/fonts/vi.ttf", ":/fonts/vi-bold.ttf", {}},
};

// The lesson's language.
QString& language_now()
{
    static QString language;
    return language;
}

// Registers the font and returns its family, or an empty string. An uncompressed resource is
// handed over where it lies in the program: copied out of it, the font took 10 ms more and
// 16 MB more memory at the peak.
QString load_font(const QString& font_file)
{
    const QResource resource(font_file);
    const bool in_place = font_file.startsWith(QLatin1Char(':')) && resource.isValid() &&
                          resource.compressionAlgorithm() == QResource::NoCompression;
    const int id = in_place
        ? QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
              reinterpret_cast<const char*>(resource.data()), resource.size()))
        : QFontDatabase::addApplicationFont(font_file);
    return QFontDatabase::applicationFontFamilies(id).value(0);
}

void report_fallback(const QString& font_file)
{
    const QString face = QFontInfo(ui_font()).family();
    const bool japanese = QFontDatabase::writingSystems(face).contains(QFontDatabase::Japanese);
    std::fprintf(stderr, "tesselka: cannot load the font %s; the text is drawn in %s instead%s\n",
                 qPrintable(font_file), qPrintable(face),
                 japanese ? "" : ", which has no Japanese characters");
}

}  // namespace

void install_fonts(const QString& font_file)
{
    init_font_resource();
    const QString family = load_font(font_file);
    if (!family.isEmpty())
        first_face() = family;
    QFont::insertSubstitutions(kStoredFace, QStringList{first_face()} + kSystemFaces);
    for (LanguageFont& font : language_fonts) {
        font.face = load_font(QString::fromLatin1(font.regular));
        load_font(QString::fromLatin1(font.bold));
    }
    QApplication::setFont(ui_font());
    if (family.isEmpty())
        report_fallback(font_file);
}

QString language_face(const QString& language)
{
    for (const LanguageFont& font : language_fonts)
        if (language == QLatin1String(font.language))
            return font.face;
    return {};
}

QStringList faces_for(const QString& language)
{
    // The first face is named before the stored one: fontconfig would otherwise answer the
    // stored face with whatever sans face it likes best.
    QStringList faces = QStringList{first_face(), kStoredFace} + kSystemFaces;
    if (const QString own = language_face(language); !own.isEmpty())
        faces.prepend(own);
    return faces;
}

void use_language_font(const QString& language)
{
    language_now() = language;
    QApplication::setFont(ui_font());
}

QFont stored_font(double points, bool bold)
{
    const QStringList faces = faces_for(language_now());
    QFont font(faces.front());
    font.setFamilies(faces);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    // Fontconfig's hinting would change the glyphs' advances and so the line breaks: full
    // hinting rounds them to whole pixels. Vertical hinting keeps the font's own advances.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

QFont zoomed(const QFont& font, double factor)
{
    if (factor == 1.0)
        return font;
    QFont out = font;
    if (font.pointSizeF() > 0)
        out.setPointSizeF(font.pointSizeF() * factor);
    else
        out.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * factor)));
    return out;
}

QFont ui_font()
{
    return stored_font(9);
}

}  // namespace tesselka::forms
