// The Windows build under Wine: the zip as a teacher unpacks it, the render of the lesson's
// windows against the Linux one, and the installer in silent mode. Run by with_wine.sh, which
// gives each run a fresh Wine prefix.

#include "support/desktop.h"
#include "support/pictures.h"
#include "support/process.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using tesselka::testing::differing_pixels;

namespace {

const QString kBuild = QStringLiteral(TESSELKA_WINDOWS_BUILD);
const QString kVersion = QStringLiteral(TESSELKA_VERSION);

struct Result {
    int status;
    QString output;  // standard output and error together
};

Result run(const QString& program, const QStringList& arguments, const QString& folder = {},
           const QStringList& environment = {}, int timeout_ms = 120000)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& setting : environment)
        env.insert(setting.section('=', 0, 0), setting.section('=', 1));
    const tesselka::testing::Outcome o = tesselka::testing::run(
        QStringList{program} + arguments, folder.isEmpty() ? QDir::currentPath() : folder, env, timeout_ms);
    if (!o.finished)
        return {-1, QStringLiteral("timed out")};
    return {o.exit_code, o.output + o.error_output};
}

Result wine(const QStringList& arguments, const QString& folder = {},
            const QStringList& environment = {})
{
    return run(qEnvironmentVariable("TESSELKA_E2E_WINE"), arguments, folder, environment);
}

// Lets Wine finish what it started (an uninstaller runs on from a copy of itself).
void wait_for_wine()
{
    const QString server = QFileInfo(qEnvironmentVariable("TESSELKA_E2E_WINE")).dir().filePath("wineserver");
    run(server, {QStringLiteral("-w")});
}

QString drive_c() { return qEnvironmentVariable("WINEPREFIX") + QStringLiteral("/drive_c"); }

QStringList files_below(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

// The zip, unpacked into a fresh folder; returns the program's folder in it.
QString unpack(const QTemporaryDir& into)
{
    const QString zip = kBuild + QStringLiteral("/tesselka-%1-windows-x64.zip").arg(kVersion);
    EXPECT_EQ(run(QStringLiteral(CMAKE_COMMAND), {"-E", "tar", "xf", zip}, into.path()).status, 0);
    return into.filePath(QStringLiteral("tesselka-") + kVersion);
}

}  // namespace

TEST(WindowsBuild, RendersTheLessonsWindowsAsLinuxDoesPixelForPixel)
{
    QTemporaryDir linux_out, windows_out;
    ASSERT_EQ(run(QStringLiteral(TESSELKA_RENDER), {linux_out.path(), "--series"}, {},
                  {"QT_QPA_PLATFORM=offscreen"}).status, 0);
    // The Windows renderer, its DLLs and the offscreen plugin, beside the pictures of its build.
    const QString kit = kBuild + QStringLiteral("/render-kit");
    const Result r = wine({kit + QStringLiteral("/tesselka_render.exe"), windows_out.path(), "--series"}, kit);
    ASSERT_EQ(r.status, 0) << r.output.toStdString();

    const QStringList names = QDir(linux_out.path()).entryList({"*.png"});
    EXPECT_EQ(names.size(), 13);
    EXPECT_EQ(QDir(windows_out.path()).entryList({"*.png"}), names);
    for (const QString& name : names)
        EXPECT_EQ(differing_pixels(QImage(linux_out.filePath(name)), QImage(windows_out.filePath(name))), 0)
            << name.toStdString();
}

TEST(WindowsBuild, TheUnpackedZipLoadsItsOwnDllsAndHoldsNoOther)
{
    QTemporaryDir folder;
    const QString program = unpack(folder);
    const QStringList files = files_below(program);
    for (const char* expected : {"tesselka.exe", "qt.conf", "0.jpg", "5.jpg", "translations/qtbase_ja.qm",
                                 "plugins/platforms/qwindows.dll", "plugins/imageformats/qjpeg.dll",
                                 "licenses/Tesselka.txt", "licenses/Qt-LGPL-3.0.txt",
                                 "licenses/IPA_Font_License.txt", "licenses/NOTICES.txt"})
        EXPECT_TRUE(files.contains(QString::fromLatin1(expected))) << expected;

    // Started from another folder with 3.jpg gone, it loads its DLLs and the JPEG plugin (the
    // picture check reads the other five), says which file is missing and ends with status 2
    // once its message is closed. It says so in Windows' display language, Wine's English.
    QFile::remove(program + QStringLiteral("/3.jpg"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("+loaddll"));
    tesselka::testing::Process p({qEnvironmentVariable("TESSELKA_E2E_WINE"), program + QStringLiteral("/tesselka.exe")},
                                 drive_c(), env);
    tesselka::e2e::Desktop::start_window_manager();
    const auto message = tesselka::e2e::Desktop::find(QStringLiteral("Tesselka"), 30000);
    ASSERT_TRUE(message) << "no message";
    tesselka::e2e::Desktop::key(*message, QStringLiteral("Return"));
    const tesselka::testing::Outcome& o = p.wait(30000);
    ASSERT_TRUE(o.finished);
    const Result r{o.exit_code, o.output + o.error_output};
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.output.contains(QStringLiteral("3.jpg (not found)"))) << r.output.toStdString();
    QSet<QString> loaded;
    static const QRegularExpression from_folder(QStringLiteral(R"(Loaded L"[^"]*\\\\tesselka-[0-9.]+\\\\([^"]+\.dll)\")"));
    for (auto it = from_folder.globalMatch(r.output); it.hasNext();)
        loaded << it.next().captured(1).replace(QStringLiteral("\\\\"), QStringLiteral("/")).toLower();
    QSet<QString> shipped;
    for (const QString& file : files)
        if (file.endsWith(QLatin1String(".dll")))
            shipped << file.toLower();
    EXPECT_EQ(loaded, shipped) << r.output.toStdString();
}

TEST(WindowsBuild, TheInstallerInstallsForEveryUserAndTheUninstallerLeavesNothing)
{
    const QString setup = kBuild + QStringLiteral("/tesselka-%1-setup.exe").arg(kVersion);
    ASSERT_EQ(wine({setup, "/S"}).status, 0);
    wait_for_wine();
    const QString installed = drive_c() + QStringLiteral("/Program Files/Tesselka");
    const QString menu = drive_c() + QStringLiteral("/ProgramData/Microsoft/Windows/Start Menu/Programs/Tesselka");
    QTemporaryDir reference;
    QStringList expected = files_below(unpack(reference));
    expected << QStringLiteral("uninstall.exe");
    expected.sort();
    EXPECT_EQ(files_below(installed), expected);
    EXPECT_EQ(files_below(menu), (QStringList{QStringLiteral("Tesselka.lnk"),
                                              QStringLiteral("大きく表示（プロジェクター）.lnk")}));
    const QString key = QStringLiteral(R"(HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tesselka)");
    const Result entry = wine({"reg", "query", key});
    EXPECT_TRUE(entry.output.contains(QStringLiteral("Tesselka"))) << entry.output.toStdString();
    EXPECT_TRUE(entry.output.contains(QStringLiteral("uninstall.exe")));

    // The installed program starts (and stops at --version, which needs no window).
    const Result version = wine({installed + QStringLiteral("/tesselka.exe"), "--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.output.contains(kVersion)) << version.output.toStdString();

    ASSERT_EQ(wine({installed + QStringLiteral("/uninstall.exe"), "/S"}).status, 0);
    wait_for_wine();
    EXPECT_FALSE(QFileInfo::exists(installed));
    EXPECT_FALSE(QFileInfo::exists(menu));
    EXPECT_NE(wine({"reg", "query", key}).status, 0);
}

// The Windows Installer package, for a technician: the same folder and Start-menu entries, per
// machine, listed among the installed programs with its version, and removed without a trace.
TEST(WindowsBuild, TheMsiInstallsTheSameAndItsRemovalLeavesNothing)
{
    const QString msi = kBuild + QStringLiteral("/tesselka-%1-x64.msi").arg(kVersion);
    // msiexec returns once the package is in (or out).
    ASSERT_EQ(wine({"msiexec", "/i", msi, "/qn"}).status, 0);
    const QString installed = drive_c() + QStringLiteral("/Program Files/Tesselka");
    // A package for every user (ALLUSERS=1), whose Start-menu entries Windows puts in the menu of
    // all users; Wine's Installer puts them in the installing user's.
    EXPECT_TRUE(run("msiinfo", {"export", msi, "Property"}).output.contains(QRegularExpression("ALLUSERS\\s+1")));
    const QString menu = drive_c() + QStringLiteral("/users/%1/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tesselka")
                                         .arg(qEnvironmentVariable("USER", "root"));
    QTemporaryDir reference;
    EXPECT_EQ(files_below(installed), files_below(unpack(reference)));
    EXPECT_EQ(files_below(menu), (QStringList{QStringLiteral("Tesselka.lnk"),
                                              QStringLiteral("大きく表示（プロジェクター）.lnk")}));
    const QStringList programs = {"reg", "query", R"(HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall)", "/s"};
    const Result listed = wine(programs);
    EXPECT_TRUE(listed.output.contains(QRegularExpression(QStringLiteral("DisplayName\\s+REG_SZ\\s+Tesselka"))))
        << listed.output.toStdString();
    EXPECT_TRUE(listed.output.contains(QRegularExpression(QStringLiteral("DisplayVersion\\s+REG_SZ\\s+") + kVersion)));

    ASSERT_EQ(wine({"msiexec", "/x", msi, "/qn"}).status, 0);
    EXPECT_FALSE(QFileInfo::exists(installed));
    EXPECT_FALSE(QFileInfo::exists(menu));
    EXPECT_FALSE(wine(programs).output.contains(QStringLiteral("Tesselka")));
}
