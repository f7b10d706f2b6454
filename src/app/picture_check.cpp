#include "picture_check.h"

#include "forms/picture.h"
#include "model/cup.h"
#include "model/runtime_error.h"

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
                             ? QStringLiteral("%1（見つかりません）").arg(name)
                             : QStringLiteral("%1（絵として読めません: %2）")
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
    return QStringLiteral("コップの絵のファイルがそろっていないため、起動できません。\n\n") +
           problems.join('\n') + QStringLiteral("\n\n探した場所:\n") + folders.join('\n');
}

}  // namespace tesselka::app
