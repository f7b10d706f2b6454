#include "language_texts.h"

#include "qt_texts.h"

#include "forms/fonts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace tesselka::app {

namespace {

model::Language& installed()
{
    static model::Language language = model::kLanguages.front();
    return language;
}

}  // namespace

const model::Language& current_language() { return installed(); }

model::Language chosen_language(const QStringList& arguments, const QStringList& system_languages)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString code;
        if (arguments[i] == QLatin1String("--lang") && i + 1 < arguments.size())
            code = arguments[i + 1];
        else if (arguments[i].startsWith(QLatin1String("--lang=")))
            code = arguments[i].mid(7);
        else
            continue;
        return model::language_of_code(code.toStdString()).value_or(model::kLanguages.front());
    }
    std::vector<std::string> preferred;
    for (const QString& name : system_languages)
        preferred.push_back(name.toStdString());
    return model::pick_language(preferred);
}

bool install_language(QCoreApplication& application, const model::Language& language,
                      const QString& qt_folder)
{
    static QPointer<QTranslator> ours;
    const QString code = QString::fromUtf8(language.code.data(), qsizetype(language.code.size()));
    install_qt_texts(application, code, qt_folder);
    delete ours;  // leaving the application
    installed() = language;
    if (language.code == model::kLanguages.front().code)
        return true;
    ours = new QTranslator(&application);
    if (!ours->load(QStringLiteral(":/i18n/tesselka_") + code)) {
        delete ours;
        installed() = model::kLanguages.front();
        return false;
    }
    return QCoreApplication::installTranslator(ours);
}

void use_language(QCoreApplication& application, const model::Language& language)
{
    install_language(application, language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    const QString code = QString::fromUtf8(language.code.data(), qsizetype(language.code.size()));
    forms::use_language_font(code);
    // The language a screen reader is told the program speaks (AT-SPI's GetLocale).
    QLocale::setDefault(QLocale(code));
}

}  // namespace tesselka::app
