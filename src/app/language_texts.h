#pragma once
// The language the lesson is read in: the program's texts and Qt's own, from the translations
// the program carries.

#include "model/language.h"

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace tesselka::app {

// The language asked for by --lang CODE (or --lang=CODE) on the command line, else the first
// of the system's languages that the lesson has, else Japanese. A code the lesson does not have
// is left to the option parser to refuse; the refusal is then in Japanese.
model::Language chosen_language(const QStringList& arguments, const QStringList& system_languages);

// Installs Qt's own texts in `language` (from `qt_folder`; English where Qt has none) and the
// program's translation into it, in place of the language's before; Japanese is the program's
// own. Returns whether the program's texts are in `language`. Windows take the texts as they
// are made: those made before keep theirs.
bool install_language(QCoreApplication& application, const model::Language& language,
                      const QString& qt_folder);

// The lesson in `language` from now on: its texts (install_language, with Qt's from Qt's own
// folder), its font, and the language screen readers are told.
void use_language(QCoreApplication& application, const model::Language& language);

// The language installed last; Japanese before any.
const model::Language& current_language();

}  // namespace tesselka::app
