// The font the program carries: both windows, rendered by tesselka_render in processes of their
// own, look the same under three font set-ups of the system (the machine's own; DejaVu only and
// fully hinted; Noto Sans CJK JP as the only Japanese font) and show Japanese glyphs, not boxes.
// Without its font the program says so once, names the face it draws in instead, and runs on.

#include "support/pictures.h"
#include "support/process.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

using tesselka::testing::differing_pixels;

namespace {

const QString kRender = QStringLiteral(TESSELKA_RENDER);
const QStringList kRenders = {"intro-last.png", "main-start.png", "main-condensing.png"};
const QString kDejaVu = QStringLiteral("/usr/share/fonts/truetype/dejavu");
const QString kNoto = QStringLiteral("/usr/share/fonts/opentype/noto");
const QString kMissingFont = QStringLiteral("/nonexistent/ipagp.ttf");

// Pixels that may differ where anti-aliasing rounds differently; a text moved by one pixel
// changes hundreds.
constexpr int kAntiAliasedPixels = 16;

// The folder of this run's fontconfig set-ups, their caches and the renders.
const QTemporaryDir& work()
{
    static const QTemporaryDir dir;
    return dir;
}

// Writes the fontconfig set-up `name`: only the given font folders, the usual Debian rules, and
// `rules` after them. Caches it builds go to the work folder; the system's are read.
void write_setup(const QString& name, const QStringList& dirs, const QString& rules = {})
{
    QString text = "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                   "<fontconfig>\n";
    for (const QString& dir : dirs)
        text += "  <dir>" + dir + "</dir>\n";
    text += "  <cachedir>" + work().filePath("cache") + "</cachedir>\n"
            "  <cachedir>/var/cache/fontconfig</cachedir>\n"
            "  <include ignore_missing=\"yes\">/etc/fonts/conf.d</include>\n" + rules + "</fontconfig>\n";
    QFile f(work().filePath(name + ".conf"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text.toUtf8());
}

// The two set-ups besides the machine's own.
void write_setups()
{
    ASSERT_TRUE(QDir(kDejaVu).exists()) << "install fonts-dejavu-core";
    ASSERT_TRUE(QDir(kNoto).exists()) << "install fonts-noto-cjk";
    // A desktop with no Japanese font, whose fontconfig asks for full hinting (which rounds every
    // advance to whole pixels; Debian's default is slight hinting).
    write_setup("dejavu", {kDejaVu},
                "  <match target=\"font\"><edit name=\"hintstyle\" mode=\"assign\">"
                "<const>hintfull</const></edit></match>\n");
    write_setup("noto", {kDejaVu, kNoto});
}

struct Rendered {
    int exit_code = -1;
    QStringList messages;  // the program's own lines on standard error
    std::map<QString, QImage> images;
};

// Renders both windows under the set-up `name` (empty: the machine's own), with `font_file` in
// place of the carried font if given.
Rendered render(const QString& name, const QString& font_file = {})
{
    QProcessEnvironment env = tesselka::testing::environment();
    env.remove("FONTCONFIG_FILE");
    if (!name.isEmpty()) {
        env.insert("FONTCONFIG_FILE", work().filePath(name + ".conf"));
        // No fonts of the user's own either.
        for (const char* var : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            env.insert(var, work().filePath("home"));
    }
    const QString out = work().filePath("out-" + name + "-" + QFileInfo(font_file).baseName());
    QStringList command{kRender, out};
    if (!font_file.isEmpty())
        command << "--font" << font_file;
    const QString folder = QFileInfo(kRender).absolutePath();  // beside the pictures
    const auto ran = tesselka::testing::run(command, folder, env, 60000);
    Rendered r;
    if (!ran.finished)
        return r;
    r.exit_code = ran.exit_code;
    for (const QString& line : ran.error_output.split('\n'))
        if (line.startsWith("tesselka:"))
            r.messages << line;
    for (const QString& file : kRenders)
        r.images[file] = QImage(QDir(out).filePath(file)).convertToFormat(QImage::Format_RGB32);
    return r;
}

// A layout box in twips as pixels at 96 dots per inch (15 twips to the pixel).
QRect box(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

}  // namespace

TEST(Fonts, TheFontSetUpsOfTheDesktopChangeNoPixel)
{
    ASSERT_NO_FATAL_FAILURE(write_setups());
    const Rendered system = render("");
    ASSERT_EQ(system.exit_code, 0);
    EXPECT_TRUE(system.messages.isEmpty()) << system.messages.join('\n').toStdString();
    for (const char* name : {"dejavu", "noto"}) {
        const Rendered other = render(name);
        ASSERT_EQ(other.exit_code, 0) << name;
        EXPECT_TRUE(other.messages.isEmpty()) << name << ": " << other.messages.join('\n').toStdString();
        for (const QString& file : kRenders) {
            const QImage& a = system.images.at(file);
            const QImage& b = other.images.at(file);
            ASSERT_FALSE(a.isNull()) << file.toStdString();
            ASSERT_EQ(a.size(), b.size()) << name << " " << file.toStdString();
            EXPECT_LE(differing_pixels(a, b), kAntiAliasedPixels)
                << name << " " << file.toStdString();
        }
    }
}

// The browser's cut-down font keeps what places and hints every glyph: the windows it draws are
// the whole font's to the pixel.
TEST(Fonts, TheCutDownFontDrawsTheWindowsAsTheWholeOne)
{
    const Rendered whole = render("");
    const Rendered cut = render("", QStringLiteral(TESSELKA_SUBSET_FONT));
    ASSERT_EQ(cut.exit_code, 0);
    EXPECT_TRUE(cut.messages.isEmpty()) << cut.messages.join('\n').toStdString();
    for (const QString& file : kRenders) {
        ASSERT_FALSE(whole.images.at(file).isNull()) << file.toStdString();
        EXPECT_EQ(cut.images.at(file), whole.images.at(file)) << file.toStdString();
    }
}

TEST(Fonts, CaptionsShowJapaneseGlyphsNotBoxes)
{
    // Against the same windows drawn with DejaVu alone, where every Japanese character is a box:
    // in each box that holds Japanese text, a good part of the pixels must differ.
    struct Caption {
        const char* render;
        const char* what;
        QRect area;
    };
    const Caption captions[] = {
        {"intro-last.png", "intro title", box(120, 120, 5535, 495)},
        {"intro-last.png", "intro captions", box(2760, 1080, 2535, 3120 + 375 - 1080)},
        {"main-start.png", "title", box(480, 120, 6255, 615)},
        {"main-start.png", "Label7 and Label9", box(360, 6840, 3240 + 2895 - 360, 255)},
        {"main-start.png", "air diagram legend", box(5880 + 480, 2280 + 2760, 1215, 735)},
    };
    ASSERT_NO_FATAL_FAILURE(write_setups());
    const Rendered ours = render("");
    const Rendered boxes = render("dejavu", kMissingFont);
    for (const Caption& c : captions) {
        const int differing = differing_pixels(ours.images.at(c.render), boxes.images.at(c.render), c.area);
        EXPECT_GE(differing, c.area.width() * c.area.height() / 10) << c.what;
    }
}

TEST(Fonts, WithoutItsFontTheProgramSaysSoOnceAndRunsOn)
{
    ASSERT_NO_FATAL_FAILURE(write_setups());
    struct Case {
        const char* setup;
        const char* face;      // the face the message names
        bool boxes;            // whether it warns that Japanese characters are missing
    };
    for (const Case& c : {Case{"dejavu", "DejaVu Sans", true}, Case{"noto", "Noto Sans CJK JP", false}}) {
        const Rendered r = render(c.setup, kMissingFont);
        EXPECT_EQ(r.exit_code, 0) << c.setup;
        ASSERT_EQ(r.messages.size(), 1) << c.setup << ": " << r.messages.join('\n').toStdString();
        const QString& message = r.messages[0];
        EXPECT_TRUE(message.contains(kMissingFont)) << message.toStdString();
        EXPECT_TRUE(message.contains(QStringLiteral("drawn in %1 instead").arg(c.face))) << message.toStdString();
        EXPECT_EQ(message.contains("no Japanese characters"), c.boxes) << message.toStdString();
        for (const QString& file : kRenders)
            EXPECT_FALSE(r.images.at(file).isNull()) << c.setup << " " << file.toStdString();
    }
}
