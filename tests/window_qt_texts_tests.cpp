// Qt's own texts in the windows are Japanese, whatever the locale the tests run in.

#include "support/window_fixture.h"

#include "app/qt_texts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

using tesselka::testing::WindowTest;

using QtTexts = WindowTest;

TEST_F(QtTexts, TheListsContextMenuAndDialogButtonsAreJapanese)
{
    std::unique_ptr<QMenu> menu(w->situdo->lineEdit()->createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            texts << action->text().section(QLatin1Char('\t'), 0, 0);  // less the shortcut
    EXPECT_EQ(texts, QStringList({"元に戻す(&U)", "やり直す(&R)", "切り取り(&T)", "コピー(&C)",
                                  "貼り付け(&P)", "削除", "すべてを選択"}));
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), "キャンセル");
}

TEST(QtTextsMissing, WithoutTheTranslationTheProgramRunsOn)
{
    EXPECT_FALSE(tesselka::app::install_qt_texts(*qApp, QStringLiteral("/nonexistent")));
}
