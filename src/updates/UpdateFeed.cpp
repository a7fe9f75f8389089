#include "updates/UpdateFeed.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

UpdateFeed::Status UpdateFeed::read(const QByteArray& body, const QString& platformKey,
                                    const QString& moduleName, int channel, UpdateFeedEntry* entry)
{
    const QJsonDocument document = QJsonDocument::fromJson(body);
    if (document.isNull())
        return NotJson;

    // A document that is an array has no members: no entry matches.
    const QJsonArray entries = document.object().value(platformKey).toArray();
    for (const QJsonValue& value : entries) {
        const QJsonObject object = value.toObject();
        if (object.value(QLatin1String("module-name")).toString() != moduleName)
            continue;
        if (object.value(QLatin1String("channel")).toInt(0) != channel)
            continue;
        if (entry) {
            entry->openUrl = object.value(QLatin1String("open-url")).toString();
            entry->changelog = object.value(QLatin1String("changelog")).toString();
            entry->downloadUrl = object.value(QLatin1String("download-url")).toString();
            entry->latestVersion = object.value(QLatin1String("latest-version")).toString();
            entry->hasMandatory = object.contains(QLatin1String("mandatory-update"));
            entry->mandatory = object.value(QLatin1String("mandatory-update")).toBool(false);
        }
        return Matched;
    }
    return NoMatch;
}

bool UpdateFeed::isWebAddress(const QString& address)
{
    const QUrl url(address, QUrl::TolerantMode);
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}
