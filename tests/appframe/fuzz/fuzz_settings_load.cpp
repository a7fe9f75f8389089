// Loads arbitrary bytes as "CollageSettings.ini" and reads every value back.
#include "appframe/Settings.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

namespace {

QString& settingsPath()
{
    static QTemporaryDir dir;
    static QString path = dir.filePath(QStringLiteral("CollageSettings.ini"));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_settings_load";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);

    {
        QFile file(settingsPath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    Settings settings(settingsPath(), QSettings::IniFormat);
    (void)settings.recentTessoliaUrls();
    (void)settings.language();
    (void)settings.collagePicturesDir();
    (void)settings.saveCollageProjectDir();
    settings.addRecentTessoliaUrl(QUrl(QStringLiteral("/tmp/x.pmp2")));
    return 0;
}
