#include "start_view.h"

#include "forms/app_info.h"
#include "forms/error_report.h"
#include "forms/fonts.h"
#include "forms/picture.h"
#include "forms/system_colors.h"

#include <QCloseEvent>

namespace tesselka::intro {

namespace {

const char* const kCaptions[] = {
    "コップに冷水を入れます。",
    "やがて",
    "コップの表面が曇りだし、",
    "やがて水滴がついてきます。",
    "コップについた水滴はどこからきたのでしょう。",
    "どのようにして水滴がついたのでしょう。",
};

QString picture_name(int page)
{
    return QStringLiteral("%1.jpg").arg(page);
}

}  // namespace

StartView::StartView() : Form(QStringLiteral("Tesselka(start)"), kWidth, kHeight)
{
    auto& c = client();
    // Created back-most first: the captions, then the title, then the copyright line.
    for (int i = 0; i < 6; ++i) {
        auto& label = c.add<forms::Label>();
        // The two questions are two lines high; the last one stands a little apart.
        label.place(2760, i < 5 ? 1080 + 360 * i : 3120, 2535, i < 4 ? 255 : 375);
        label.set_caption(QString::fromUtf8(kCaptions[i]));
        label.set_font(forms::ui_font());
        label.set_visible(i == 0);
        Label1.push_back(label);
    }
    title = &c.add<forms::Label>();
    title->place(120, 120, 5535, 495);
    title->set_caption(QStringLiteral("コップに水滴が付くのは？"));
    title->set_font(forms::stored_font(24, true));
    title->set_fore_color(QColor(0, 0, 255));
    title->set_opaque(false);
    copyright = &c.add<forms::Label>();
    copyright->place(2520, 600, 3015, 255);
    copyright->set_caption(QStringLiteral("Copyright"));
    copyright->set_font(forms::ui_font());
    copyright->set_fore_color(forms::system_color::gray_text());
    copyright->set_alignment(forms::Label::Align::right);

    Picture1 = new forms::PictureBox(this);
    Picture1->place(120, 720, 2175, 3135);
    Picture1->setAccessibleName(QStringLiteral("コップの絵"));
    Command1 = new forms::CommandButton(this, QStringLiteral("次へ"));
    Command1->place(3960, 3600, 1095, 375);
    Command1->setFont(forms::stored_font(11.25, true));
    Command1->setDefault(true);
    setFocusProxy(Command1);  // the keyboard focus is on "次へ" when the window opens
    Timer1 = new forms::Timer(this, 800);

    connect(Command1, &QPushButton::clicked, this, forms::guarded([this] { Command1_Click(); }));
    Timer1->on_timer([this] { Timer1_Timer(); });
}

void StartView::load()
{
    copyright->set_caption(forms::version_text() + QStringLiteral("  ") + forms::legal_copyright());
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
