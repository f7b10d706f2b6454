#include "options.h"

#include "model/language.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace tesselka::app {
namespace {

// The codes --lang takes, as the help lists them: "ja, en, pt_BR, ...".
QString language_codes()
{
    QStringList codes;
    for (const model::Language& l : model::kLanguages)
        codes << QString::fromUtf8(l.code.data(), qsizetype(l.code.size()));
    return codes.join(QStringLiteral(", "));
}

}  // namespace

std::optional<Options> parse_options(const QStringList& arguments, QString& error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("Options", "コップに水滴が付くのは？ 冷たい水を入れたコップの外側に水滴が付くわけを確かめます。"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption zoom(
        QStringLiteral("zoom"),
        QCoreApplication::translate("Options", "ウィンドウを PERCENT %（%1〜%2）の大きさで表示します。").arg(kMinZoom).arg(kMaxZoom),
        QStringLiteral("PERCENT"));
    const QCommandLineOption full_screen(
        QStringLiteral("full-screen"), QCoreApplication::translate("Options", "全画面で始めます（プロジェクター用）。"));
    const QCommandLineOption lang(
        QStringLiteral("lang"),
        QCoreApplication::translate("Options", "CODE の言語で表示します（%1）。").arg(language_codes()),
        QStringLiteral("CODE"));
    parser.addOptions({zoom, full_screen, lang});
    // Every refusal ends with the range and where help is; Qt's own error text is in Japanese
    // too, with Qt's texts installed.
    const QString hint = QCoreApplication::translate("Options", "（--zoom は %1〜%2 の整数。使い方は --help で表示します）")
                             .arg(kMinZoom).arg(kMaxZoom);
    if (!parser.parse(arguments)) {
        error = parser.errorText() + hint;
        return std::nullopt;
    }
    // Answered by returning, not by Qt's exit() from inside the parser: the program then ends
    // as it always does, its objects torn down.
    Options options;
    if (parser.isSet(help) || parser.isSet(version)) {
        options.answer = parser.isSet(help) ? parser.helpText()
                                            : QStringLiteral("%1 %2\n").arg(
                                                  QCoreApplication::applicationName(),
                                                  QCoreApplication::applicationVersion());
        return options;
    }
    if (!parser.positionalArguments().isEmpty()) {
        error = QCoreApplication::translate("Options", "余分な引数 '%1' があります").arg(parser.positionalArguments().first()) + hint;
        return std::nullopt;
    }
    options.full_screen = parser.isSet(full_screen);
    if (parser.isSet(zoom)) {
        bool ok = false;
        const int percent = parser.value(zoom).toInt(&ok);
        if (!ok || percent < kMinZoom || percent > kMaxZoom) {
            error = QCoreApplication::translate("Options", "--zoom の値 '%1' は使えません").arg(parser.value(zoom)) + hint;
            return std::nullopt;
        }
        options.zoom = percent / 100.0;
    }
    if (parser.isSet(lang) && !model::language_of_code(parser.value(lang).toStdString())) {
        error = QCoreApplication::translate("Options", "--lang の値 '%1' は使えません（%2）")
                    .arg(parser.value(lang), language_codes());
        return std::nullopt;
    }
    return options;
}

}  // namespace tesselka::app
