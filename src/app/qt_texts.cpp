#include "qt_texts.h"

#include <QCoreApplication>
#include <QTranslator>

namespace tesselka::app {

bool install_qt_texts(QCoreApplication& application, const QString& code, const QString& folder)
{
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_") + code, folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace tesselka::app
