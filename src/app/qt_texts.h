#pragma once
// Qt's own texts (a text field's context menu, standard dialog buttons) in the lesson's
// language, like the rest of the program, whatever the system's locale.

#include <QLibraryInfo>
#include <QString>

class QCoreApplication;

namespace tesselka::app {

// Loads Qt's translation for the language `code` ("ja", "pt_BR") from `folder` (Debian's
// qt6-translations-l10n puts it in Qt's translations folder). Without it the program runs on with
// Qt's English texts; returns whether it was loaded. Replaces the texts installed before.
bool install_qt_texts(QCoreApplication& application, const QString& code = QStringLiteral("ja"),
                      const QString& folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

}  // namespace tesselka::app
