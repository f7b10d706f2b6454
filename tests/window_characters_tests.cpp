// The characters the program can show, found by walking everything it shows and says: both
// windows through whole lessons, their lists, the messages, what a screen reader hears and Qt's
// own texts, with what a pupil may type. The browser's font is cut down to the list kept in
// data/font/characters.txt; these tests hold that list to exactly what the walk finds, and the
// cut-down font to every character in it.
//
// After a text changes, write the list anew with TESSELKA_WRITE_CHARACTERS=1 in the environment.

#include "support/window_fixture.h"

#include "app/picture_check.h"
#include "forms/fonts.h"
#include "model/language.h"
#include "intro/start_view.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRawFont>
#include <QXmlStreamReader>

#include <set>

using namespace tesselka;
using tesselka::testing::WindowTest;

namespace {

using Characters = std::set<char32_t>;

void add(Characters& out, const QString& text)
{
    for (char32_t c : text.toUcs4())
        if (c != '\n' && c != '\r' && c != '\t')
            out.insert(c);
}

// The names, descriptions and values of an object and everything below it, as a screen reader
// reads them (hidden labels are left out there, as on screen).
void add_accessible(Characters& out, QAccessibleInterface* iface)
{
    if (!iface)
        return;
    for (auto t : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
        add(out, iface->text(t));
    for (int i = 0; i < iface->childCount(); ++i)
        add_accessible(out, iface->child(i));
}

// A window's texts: the accessible tree, with every entry of its lists.
void add_window(Characters& out, QWidget& window)
{
    add_accessible(out, QAccessible::queryAccessibleInterface(&window));
    // An entry drawn in a language's own font (the language list's 中文, Tiếng Việt) is not the
    // carried font's to draw.
    const QString carried = QApplication::font().families().value(0);
    for (const QComboBox* list : window.findChildren<QComboBox*>())
        for (int i = 0; i < list->count(); ++i)
            if (const QVariant own = list->itemData(i, Qt::FontRole);
                !own.isValid() || own.value<QFont>().families().value(0) == carried)
                add(out, list->itemText(i));
}

// What a pupil may type into a list: ASCII, and the full-width digits and signs of a Japanese
// input method.
Characters typeable()
{
    Characters out;
    for (char32_t c = 0x20; c < 0x7F; ++c)
        out.insert(c);
    for (char32_t c = 0xFF01; c < 0xFF5F; ++c)
        out.insert(c);
    return out;
}

// Every sentence said to a screen reader while a test listens.
Characters* heard = nullptr;
void hear(QAccessibleEvent* event)
{
    if (heard && event->type() == QAccessible::ObjectShow && event->accessibleInterface())
        add(*heard, event->accessibleInterface()->text(QAccessible::Name));
}

QString text_of(const Characters& characters)
{
    QString out;
    for (char32_t c : characters)
        out += QString::fromUcs4(&c, 1);
    return out;
}

Characters read_list()
{
    QFile file(QStringLiteral(TESSELKA_CHARACTERS_FILE));
    Characters out;
    if (file.open(QIODevice::ReadOnly))
        add(out, QString::fromUtf8(file.readAll()));
    return out;
}

}  // namespace

class CharactersTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        QAccessible::setActive(true);
        previous_ = QAccessible::installUpdateHandler(hear);
        heard = &shown;
    }
    void TearDown() override
    {
        heard = nullptr;
        QAccessible::installUpdateHandler(previous_);
        QAccessible::setActive(false);
        WindowTest::TearDown();
    }

    void walk_intro()
    {
        intro::StartView intro;
        intro.load();
        add_window(shown, intro);
        for (int page = 0; page < 6; ++page) {
            intro.Timer1_Timer();
            add_window(shown, intro);
        }
    }

    // A lesson from the given list entries to its end, bar labels shown, with F1's summary.
    void walk_lesson(int kion, int situdo, int t0)
    {
        w->kion->set_text(w->kion->itemText(kion));
        w->situdo->set_text(w->situdo->itemText(situdo));
        pick(w->t0, w->t0->itemText(t0));
        w->Check1->setChecked(true);
        w->Check1_Click();
        w->Command1_Click();
        for (int tick = 0; tick < 200 && w->Timer1->enabled(); ++tick) {
            w->Timer1->fire();
            w->F1_Press();
            add_window(shown, *w);
        }
        w->Command2_Click();
        w->Command3_Click();
        add_window(shown, *w);
    }

    void walk_messages()
    {
        for (forms::ComboBox* list : {w->kion, w->situdo, w->t0})
            for (const char* typed : {"abc", "9999", "-9999", ""})
                pick(list, QString::fromUtf8(typed));
        for (const QString& m : messages)
            add(shown, m);
        for (ErrorCode code : {ErrorCode::Overflow, ErrorCode::SubscriptOutOfRange,
                               ErrorCode::TypeMismatch, ErrorCode::Internal, ErrorCode::FileNotFound,
                               ErrorCode::MissingMember, ErrorCode::InvalidPicture})
            add(shown, forms::error_message(RuntimeError(code, "0.jpg")));
        add(shown, app::picture_problem_message(app::picture_problems()));
        add(shown, app::picture_problem_message({QStringLiteral("0.jpg")}));
    }

    // Qt's own texts in the windows: the lists' menu and the message box's button.
    void walk_qt_texts()
    {
        std::unique_ptr<QMenu> menu(w->situdo->lineEdit()->createStandardContextMenu());
        for (const QAction* action : menu->actions())
            add(shown, action->text());
        QDialogButtonBox buttons(QDialogButtonBox::Ok);
        add(shown, buttons.button(QDialogButtonBox::Ok)->text());
    }

    void walk_all()
    {
        walk_intro();
        const int last_kion = w->kion->count() - 1, last_situdo = w->situdo->count() - 1;
        const int last_t0 = w->t0->count() - 1;
        walk_lesson(w->kion->currentIndex(), w->situdo->currentIndex(), w->t0->currentIndex());
        walk_lesson(last_kion, last_situdo, last_t0);
        walk_lesson(0, 0, last_t0);
        walk_lesson(last_kion / 2, last_situdo, 0);
        walk_messages();
        walk_qt_texts();
    }

    Characters shown;

private:
    QAccessible::UpdateHandler previous_ = nullptr;
};

TEST_F(CharactersTest, TheKeptListIsExactlyWhatTheProgramShowsAndWhatCanBeTyped)
{
    walk_all();
    // The walk itself reaches every kind of text: a caption, a list value, the narration, a
    // message, an error report, Qt's menu.
    for (const char* sample : {"次へ", "飽和水蒸気量", "水滴がつき始めました", "元に戻す", "実行時エラー",
                               "見つかりません", "℃", "％"})
        for (char32_t c : QString::fromUtf8(sample).toUcs4())
            EXPECT_TRUE(shown.count(c)) << "the walk missed " << sample;

    Characters expected = typeable();
    expected.insert(shown.begin(), shown.end());
    if (qEnvironmentVariableIsSet("TESSELKA_WRITE_CHARACTERS")) {
        QFile file(QStringLiteral(TESSELKA_CHARACTERS_FILE));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text_of(expected).toUtf8() + '\n');
    }
    const Characters kept = read_list();
    Characters missing, extra;
    for (char32_t c : expected)
        if (!kept.count(c))
            missing.insert(c);
    for (char32_t c : kept)
        if (!expected.count(c))
            extra.insert(c);
    EXPECT_TRUE(missing.empty() && extra.empty())
        << "shown but not kept: \"" << text_of(missing).toStdString() << "\"; kept but never shown: \""
        << text_of(extra).toStdString() << "\". Run this test with TESSELKA_WRITE_CHARACTERS=1.";
}

// The cut-down font has a glyph for every character on the list, and none of the original's
// names (the font's licence asks for a new one).
TEST(CutDownFont, DrawsEveryKeptCharacterUnderItsOwnName)
{
    const QRawFont font(QStringLiteral(TESSELKA_SUBSET_FONT), 12);
    ASSERT_TRUE(font.isValid());
    EXPECT_EQ(font.familyName(), "Tesselka P Gothic");
    const Characters kept = read_list();
    ASSERT_GT(kept.size(), 300u);
    // The list of languages names some in their own font (中文（简体）, Tiếng Việt).
    Characters elsewhere;
    for (const model::Language& language : model::kLanguages)
        if (!forms::language_face(QString::fromUtf8(language.code.data(), qsizetype(language.code.size()))).isEmpty())
            add(elsewhere, QString::fromUtf8(language.name.data(), qsizetype(language.name.size())));
    QString lacking;
    for (char32_t c : kept)
        if (!font.supportsCharacter(c) && !elsewhere.count(c))
            lacking += QString::fromUcs4(&c, 1);
    EXPECT_TRUE(lacking.isEmpty()) << lacking.toStdString();
    QFile file(QStringLiteral(TESSELKA_SUBSET_FONT));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_LT(bytes.size(), 300 * 1024);
    // Names are kept in ASCII and in UTF-16 (big-endian).
    for (const QString original : {"IPAPGothic", "IPA P", "ipagp", "IPA Pゴシック"}) {
        QByteArray utf16;
        for (QChar c : original)
            utf16 += char(c.unicode() >> 8), utf16 += char(c.unicode() & 0xFF);
        EXPECT_FALSE(bytes.contains(original.toUtf8()) || bytes.contains(utf16))
            << original.toStdString();
    }
}

// The translations' characters, from a Linguist file: every form of every translation.
Characters translated(const QString& code)
{
    QFile file(QStringLiteral(TESSELKA_TRANSLATIONS "/tesselka_%1.ts").arg(code));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    Characters out;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && (xml.name() == u"translation" || xml.name() == u"lengthvariant"))
            add(out, xml.readElementText(QXmlStreamReader::IncludeChildElements));
        else if (!xml.isStartElement())
            xml.readNext();
    }
    EXPECT_GT(out.size(), 30u) << code.toStdString();
    return out;
}

// Chinese and Vietnamese are drawn in fonts of their own, cut down to their translations and
// renamed: each draws every character of its translation and of its name in the language list,
// regular and bold, and keeps none of its original names.
TEST(LanguageFonts, DrawTheirTranslationsUnderTheirOwnNames)
{
    const struct {
        const char* code;
        const char* file;
        const char* family;
        const char* name;
    } fonts[] = {{"zh_CN", ":/fonts/zh_CN%1.otf", "Tesselka Sans SC", "中文（简体）"},
                 {"vi", ":/fonts/vi%1.ttf", "Tesselka Sans VI", "Tiếng Việt"}};
    QFile carried_file(forms::kCarriedFont);
    ASSERT_TRUE(carried_file.open(QIODevice::ReadOnly));
    const QRawFont carried(carried_file.readAll(), 12);
    for (const auto& f : fonts) {
        Characters needed = translated(QString::fromLatin1(f.code));
        add(needed, QString::fromUtf8(f.name));
        for (const char* weight : {"", "-bold"}) {
            const QString path = QString::fromLatin1(f.file).arg(QLatin1String(weight));
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
            const QByteArray bytes = file.readAll();
            const QRawFont font(bytes, 12);
            EXPECT_EQ(font.familyName(), QString::fromLatin1(f.family));
            // Every letter; a sign it lacks (％, ½) comes from the carried font.
            QString lacking;
            for (char32_t c : needed)
                if (!font.supportsCharacter(c) && (QChar::isLetter(c) || !carried.supportsCharacter(c)) &&
                    !QChar::isSpace(c))
                    lacking += QString::fromUcs4(&c, 1);
            EXPECT_TRUE(lacking.isEmpty()) << path.toStdString() << " lacks " << lacking.toStdString();
            // The originals' notices stay (their licences ask for them); their names go.
            for (const char* original : {"Noto Sans", "NotoSans", "DejaVu Sans", "DejaVuSans"})
                EXPECT_FALSE(bytes.contains(original)) << path.toStdString() << " names " << original;
            EXPECT_LT(bytes.size(), 160 * 1024) << path.toStdString();
        }
    }
}
