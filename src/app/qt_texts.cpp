#include "qt_texts.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>

namespace tesselka::app {

bool install_qt_texts(QCoreApplication& application, const QString& code, const QString& folder)
{
    // The texts of the language before go: a translator leaves the application as it is deleted.
    static QPointer<QTranslator> installed;
    delete installed;
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_") + code, folder)) {
        delete translator;
        return false;
    }
    installed = translator;
    return QCoreApplication::installTranslator(translator);
}

}  // namespace tesselka::app
