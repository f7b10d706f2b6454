#pragma once
// The program's version and legal-copyright text, as its build gives them.

#include <QString>

namespace tesselka::platform {

// "ver." and the three numbers: "ver.1.0.1".
QString version_text();
QString legal_copyright();

}  // namespace tesselka::platform
