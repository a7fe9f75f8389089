#pragma once

// Fixtures of the montage step tests: picture files and a workflow whose
// home and later steps are fakes that note what they were handed.

#include "appframe/ApplianceTestSupport.h"
#include "appframe/Workflow.h"
#include "app/DefaultWorkflowCreators.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QtEndian>

#include <memory>

namespace ZorivuvTestSupport {

// `image` written as PNG without its pHYs chunk: a file that stores no
// resolution. Chunks are length, type, data and CRC; only pHYs goes.
inline bool writePngWithoutResolution(const QImage& image, const QString& path)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return false;
    QByteArray out = png.left(8);
    int at = 8;
    while (at + 12 <= png.size()) {
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
        const QByteArray chunk = png.mid(at, int(length) + 12);
        if (png.mid(at + 4, 4) != "pHYs")
            out += chunk;
        at += int(length) + 12;
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

// A workflow over a fake home; the creators of the montage steps are the
// real ones, that of step 3 a fake that keeps the pixmap it was given.
struct Road
{
    QPixmap result;
    int results = 0;
    std::unique_ptr<Workflow> workflow;

    explicit Road(bool realSteps = true)
    {
        Workflow::Creators creators;
        if (realSteps)
            registerDefaultWorkflowCreators(creators);
        creators.home = [] { return new FakeAppliance(QStringLiteral("home")); };
        creators.commands[Workflow::OpenZorivuvResult] = [this](const Workflow::CreateRequest& request) {
            result = request.param.value<QPixmap>();
            ++results;
            return new FakeAppliance(QStringLiteral("result"));
        };
        workflow = std::make_unique<Workflow>(nullptr, nullptr, creators);
    }
    ~Road() { workflow.reset(); }

    QString current() const
    {
        auto* appliance = workflow->currentAppliance();
        return appliance ? appliance->applianceName() : QString();
    }
};

} // namespace ZorivuvTestSupport
