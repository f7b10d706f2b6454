#include "app_info.h"

#include "tesselka_version.h"

namespace tesselka::platform {

QString version_text()
{
    return QStringLiteral("ver.%1.%2.%3")
        .arg(TESSELKA_VERSION_MAJOR)
        .arg(TESSELKA_VERSION_MINOR)
        .arg(TESSELKA_VERSION_PATCH);
}

QString legal_copyright() { return QStringLiteral(TESSELKA_COPYRIGHT); }

}  // namespace tesselka::platform
