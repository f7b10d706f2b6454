#include "picture_check.h"

#include "forms/picture.h"
#include "model/cup.h"
#include "model/runtime_error.h"

#include <QCoreApplication>
#include <QDir>

namespace tesselka::app {

QStringList picture_problems()
{
    QStringList problems;
    for (int stage = 0; stage < model::kCupStages; ++stage) {
        const QString name = QString::fromStdString(model::cup_picture_file(stage));
        try {
            forms::load_picture(name);
        } catch (const RuntimeError& e) {
            problems << (e.code() == ErrorCode::FileNotFound
                             ? QCoreApplication::translate("PictureCheck", "%1（見つかりません）").arg(name)
                             : QCoreApplication::translate("PictureCheck", "%1（絵として読めません: %2）")
                                   .arg(name, QDir::toNativeSeparators(
                                                  QString::fromStdString(e.detail()))));
        }
    }
    return problems;
}

QString picture_problem_message(const QStringList& problems)
{
    QStringList folders;
    for (const QString& f : forms::picture_folders())
        folders << QStringLiteral("  ") + QDir::toNativeSeparators(f);
    return QCoreApplication::translate("PictureCheck", "コップの絵のファイルがそろっていないため、起動できません。\n\n") +
           problems.join('\n') + QCoreApplication::translate("PictureCheck", "\n\n探した場所:\n") + folders.join('\n');
}

}  // namespace tesselka::app
