#include "start_view.h"

#include "platform/app_info.h"
#include "forms/error_report.h"
#include "forms/fonts.h"
#include "forms/layout_helpers.h"
#include "forms/picture.h"
#include "forms/system_colors.h"
#include "model/cup.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace tesselka::intro {

namespace {

const char* const kCaptions[] = {
    QT_TRANSLATE_NOOP("StartView", "コップに冷水を入れます。"),
    QT_TRANSLATE_NOOP("StartView", "やがて"),
    QT_TRANSLATE_NOOP("StartView", "コップの表面が曇りだし、"),
    QT_TRANSLATE_NOOP("StartView", "やがて水滴がついてきます。"),
    QT_TRANSLATE_NOOP("StartView", "コップについた水滴はどこからきたのでしょう。"),
    QT_TRANSLATE_NOOP("StartView", "どのようにして水滴がついたのでしょう。"),
};

QString translated(const char* text)
{
    return QCoreApplication::translate("StartView", text);
}

// Page n shows the cup at stage n.
QString picture_name(int page) { return QString::fromStdString(model::cup_picture_file(page)); }

}  // namespace

StartView::StartView() : Form(QStringLiteral("Tesselka(start)"), kWidth, kHeight)
{
    auto& c = client();
    // Created back-most first: the captions, then the title, then the copyright line.
    for (int i = 0; i < 6; ++i) {
        // The two questions are two lines high; the last one stands a little apart.
        const forms::Box box{2760, i < 5 ? 1080 + 360.0 * i : 3120, 2535, i < 4 ? 255.0 : 375};
        auto& label = add_label(c, box, translated(kCaptions[i]));
        label.set_visible(i == 0);
        Label1.push_back(label);
    }
    title =
        &add_label(c, {120, 120, 5535, 495}, translated(QT_TRANSLATE_NOOP("StartView", "コップに水滴が付くのは？")),
                   {.points = 24, .bold = true, .fore = QColor(0, 0, 255), .transparent = true});
    copyright =
        &add_label(c, {2520, 600, 3015, 255}, QStringLiteral("Copyright"),
                   {.fore = forms::system_color::gray_text(), .align = forms::Label::Align::right});

    Picture1 = new forms::PictureBox(this);
    Picture1->place(120, 720, 2175, 3135);
    Picture1->setAccessibleName(translated(QT_TRANSLATE_NOOP("StartView", "コップの絵")));
    Command1 = placed(new forms::CommandButton(this, translated(QT_TRANSLATE_NOOP("StartView", "次へ"))),
                      {3960, 3600, 1095, 375}, 11.25, true);
    Command1->setDefault(true);
    setFocusProxy(Command1);  // the keyboard focus is on "次へ" when the window opens
    Timer1 = new forms::Timer(this, 800);
    add_language_list();

    connect(Command1, &QPushButton::clicked, this, forms::guarded([this] { Command1_Click(); }));
    Timer1->on_timer([this] { Timer1_Timer(); });
}

void StartView::add_language_list()
{
    language_list = forms::placed(new forms::ChoiceList(this), {2760, 3600, 1095, 375});
    language_list->setAccessibleName(translated(QT_TRANSLATE_NOOP("StartView", "言語 (Language)")));
    for (const model::Language& language : model::kLanguages) {
        const QString code = QString::fromUtf8(language.code.data(), qsizetype(language.code.size()));
        language_list->add_entry(QString::fromUtf8(language.name.data(), qsizetype(language.name.size())),
                                 QString::fromUtf8(language.short_name.data(), qsizetype(language.short_name.size())),
                                 forms::faces_for(code));
    }
    connect(language_list, &QComboBox::activated, this, [this](int i) {
        forms::run_guarded([this, i] {
            if (pick_)
                pick_(model::kLanguages[std::size_t(i)]);
        });
    });
}

void StartView::show_language(const model::Language& language)
{
    for (std::size_t i = 0; i < model::kLanguages.size(); ++i)
        if (model::kLanguages[i].code == language.code)
            language_list->setCurrentIndex(int(i));
}

void StartView::load()
{
    copyright->set_caption(platform::version_text() + QStringLiteral("  ") + platform::legal_copyright());
    slide_no = 0;
    Picture1->client().set_picture(forms::load_picture(picture_name(0)));
    describe_pages();
    Timer1->set_enabled(true);
}

void StartView::Timer1_Timer()
{
    Label1(slide_no).set_visible(true);
    Picture1->client().set_picture(forms::load_picture(picture_name(slide_no)));
    describe_pages();
    announcer_.say(Label1(slide_no).caption());
    ++slide_no;
    if (slide_no > 5) {
        slide_no = 5;
        Timer1->set_enabled(false);
    }
}

void StartView::describe_pages()
{
    QString shown;
    for (int i = 0; i < Label1.size(); ++i)
        if (Label1(i).visible())
            shown += Label1(i).caption();
    Command1->setAccessibleDescription(shown);
    Picture1->setAccessibleDescription(Label1(slide_no).caption());
}

void StartView::Command1_Click()
{
    if (hand_over_)
        hand_over_();
}

void StartView::closeEvent(QCloseEvent* event)
{
    Timer1->set_enabled(false);  // the timer goes with the window
    Form::closeEvent(event);
}

}  // namespace tesselka::intro
