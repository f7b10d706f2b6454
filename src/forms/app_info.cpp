#include "app_info.h"

#include "tesselka_version.h"

namespace tesselka::forms {

int version_major() { return TESSELKA_VERSION_MAJOR; }
int version_minor() { return TESSELKA_VERSION_MINOR; }
int version_revision() { return TESSELKA_VERSION_PATCH; }

QString version_text()
{
    return QStringLiteral("ver.%1.%2.%3").arg(version_major()).arg(version_minor()).arg(version_revision());
}

QString legal_copyright()
{
    return QStringLiteral(TESSELKA_COPYRIGHT);
}

}  // namespace tesselka::forms
