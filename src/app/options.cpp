#include "options.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace tesselka::app {

std::optional<Options> parse_options(const QStringList& arguments, QString& error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("コップに水滴が付くのは？ 冷たい水を入れたコップの外側に水滴が付くわけを確かめます。"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption zoom(
        QStringLiteral("zoom"),
        QStringLiteral("ウィンドウを PERCENT %（%1〜%2）の大きさで表示します。").arg(kMinZoom).arg(kMaxZoom),
        QStringLiteral("PERCENT"));
    const QCommandLineOption full_screen(
        QStringLiteral("full-screen"), QStringLiteral("全画面で始めます（プロジェクター用）。"));
    parser.addOptions({zoom, full_screen});
    // Every refusal ends with the range and where help is; Qt's own error text is in Japanese
    // too, with Qt's texts installed.
    const QString hint = QStringLiteral("（--zoom は %1〜%2 の整数。使い方は --help で表示します）")
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
        error = QStringLiteral("余分な引数 '%1' があります").arg(parser.positionalArguments().first()) + hint;
        return std::nullopt;
    }
    options.full_screen = parser.isSet(full_screen);
    if (parser.isSet(zoom)) {
        bool ok = false;
        const int percent = parser.value(zoom).toInt(&ok);
        if (!ok || percent < kMinZoom || percent > kMaxZoom) {
            error = QStringLiteral("--zoom の値 '%1' は使えません").arg(parser.value(zoom)) + hint;
            return std::nullopt;
        }
        options.zoom = percent / 100.0;
    }
    return options;
}

}  // namespace tesselka::app
