// Reads arbitrary bytes as an update feed for two module names and channels,
// and compares whatever version it finds with fixed ones.
#include "updates/UpdateFeed.h"
#include "updates/Updater.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray body(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const char* module : {"Vellumar", ""}) {
        for (int channel : {0, 1}) {
            UpdateFeedEntry entry;
            if (UpdateFeed::read(body, QStringLiteral("linux"), QString::fromLatin1(module), channel, &entry)
                == UpdateFeed::Matched) {
                (void)Updater::compare(entry.latestVersion, QStringLiteral("1.2.3"));
                (void)Updater::compare(QStringLiteral("1.2.3"), entry.latestVersion);
                (void)UpdateFeed::isWebAddress(entry.openUrl);
                (void)UpdateFeed::isWebAddress(entry.downloadUrl);
            }
        }
    }
    // The body as a version too: any text, any number of dots.
    const QString text = QString::fromUtf8(body);
    (void)Updater::compare(text, QStringLiteral("0"));
    (void)Updater::compare(QStringLiteral("2147483647.0"), text);
    return 0;
}
