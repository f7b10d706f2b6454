#include "language_texts.h"

#include "qt_texts.h"

#include <QCoreApplication>
#include <QTranslator>

namespace tesselka::app {

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
    const QString code = QString::fromUtf8(language.code.data(), qsizetype(language.code.size()));
    install_qt_texts(application, code, qt_folder);
    if (language.code == model::kLanguages.front().code)
        return true;
    auto* ours = new QTranslator(&application);
    if (!ours->load(QStringLiteral(":/i18n/tesselka_") + code)) {
        delete ours;
        return false;
    }
    return QCoreApplication::installTranslator(ours);
}

}  // namespace tesselka::app
