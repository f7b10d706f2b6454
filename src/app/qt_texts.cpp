#include "qt_texts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace tesselka::app {

bool install_qt_texts(QCoreApplication& application, const QString& folder)
{
    auto* translator = new QTranslator(&application);
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                          QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace tesselka::app
