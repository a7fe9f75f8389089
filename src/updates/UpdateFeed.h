#pragma once

#include <QByteArray>
#include <QString>

// What the update checker takes from the feed entry that matched.
struct UpdateFeedEntry
{
    QString openUrl;
    QString changelog;
    QString downloadUrl;
    QString latestVersion;
    // Whether the entry has a "mandatory-update" member, and its value (a
    // member that is not a boolean reads as false).
    bool hasMandatory = false;
    bool mandatory = false;
};

// Reads an update feed: a JSON object whose member named by the platform key
// is an array of entries. The first entry whose "module-name" equals the
// module name (case-sensitively) and whose "channel" equals the channel is
// taken; a missing or non-integer channel reads as 0, and a string member that
// is missing or not a string reads as empty. Holds no state.
class UpdateFeed
{
public:
    enum Status {
        NotJson, // the body is no JSON document
        NoMatch, // JSON, but no entry for this module and channel
        Matched, // `entry` holds the matching entry
    };

    UpdateFeed() = delete;

    // `entry` is written only when the result is Matched; it may be null.
    static Status read(const QByteArray& body, const QString& platformKey, const QString& moduleName,
                       int channel, UpdateFeedEntry* entry);

    // True for an absolute http or https address: the only kind the checker
    // opens or downloads (a "file:" address would reach a local file).
    static bool isWebAddress(const QString& address);
};
