#include "platform.h"

#include <QByteArray>
#include <QtGlobal>

#include <windows.h>

#include <cstdio>

namespace tesselka::platform {
namespace {

// The program belongs to the Windows subsystem, so that no console opens beside it. Started from
// a command prompt, its --help, --version and error lines still go to the prompt, where they
// have not been sent elsewhere already.
void attach_console()
{
    const auto unset = [](DWORD which) {
        const HANDLE h = GetStdHandle(which);
        return h == nullptr || h == INVALID_HANDLE_VALUE;
    };
    const bool out = unset(STD_OUTPUT_HANDLE), err = unset(STD_ERROR_HANDLE);
    if ((out || err) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        if (out)
            std::freopen("CONOUT$", "w", stdout);
        if (err)
            std::freopen("CONOUT$", "w", stderr);
    }
}

}  // namespace

// Text is drawn with FreeType, as on Linux, rather than with DirectWrite, whose glyphs are
// heavier: the same font then gives the same pixels on both. A -platform option given on the
// command line still wins.
void prepare_platform()
{
    attach_console();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
}

}  // namespace tesselka::platform
