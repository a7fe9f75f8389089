#include "files/IQImageDecoders.h"

#include "files/IQImageLimits.h"

#include <QTransform>

namespace {

bool acceptClaim(const IQImageDecoders::Job& job, QSize claimed, QImage::Format format,
                 QImageIOHandler::Transformations transformation, QString* error)
{
    if (!IQImageLimits::isPlausible(claimed, job.bytes, job.kind)) {
        *error = IQImageLimits::implausibleMessage(claimed, job.bytes);
        return false;
    }
    if (job.headerOnly)
        return true;
    // A whole read holds the picture; a reduced one holds what it makes
    // (buffers of the whole picture are the decoders' to weigh).
    const QSize target = IQImageDecoders::storedTarget(job, claimed, transformation);
    const bool tooLarge = target.isValid() ? IQImageLimits::exceedsLimit(target, QImage::Format_ARGB32)
                                           : IQImageLimits::exceedsLimit(claimed, format);
    if (tooLarge) {
        *error = IQImageLimits::tooLargeMessage(claimed);
        return false;
    }
    return true;
}

} // namespace

QImageIOHandler::Transformations IQImageDecoders::fromOrientation(int orientation)
{
    switch (orientation) {
    case 2:
        return QImageIOHandler::TransformationMirror;
    case 3:
        return QImageIOHandler::TransformationRotate180;
    case 4:
        return QImageIOHandler::TransformationFlip;
    case 5:
        return QImageIOHandler::TransformationFlipAndRotate90;
    case 6:
        return QImageIOHandler::TransformationRotate90;
    case 7:
        return QImageIOHandler::TransformationMirrorAndRotate90;
    case 8:
        return QImageIOHandler::TransformationRotate270;
    default:
        return QImageIOHandler::TransformationNone;
    }
}

QImage IQImageDecoders::transformed(const QImage& image, QImageIOHandler::Transformations transformation)
{
    if (image.isNull() || transformation == QImageIOHandler::TransformationNone)
        return image;
    // Mirror and flip first, then a quarter turn clockwise; a three-quarter
    // turn is one turn the other way.
    if (transformation == QImageIOHandler::TransformationRotate270)
        return image.transformed(QTransform().rotate(270));
    QImage out = image.mirrored(transformation & QImageIOHandler::TransformationMirror,
                                transformation & QImageIOHandler::TransformationFlip);
    if (transformation & QImageIOHandler::TransformationRotate90)
        out = out.transformed(QTransform().rotate(90));
    return out;
}

QSize IQImageDecoders::storedTarget(const Job& job, QSize stored, QImageIOHandler::Transformations transformation)
{
    if (!job.rule || !*job.rule)
        return QSize();
    const bool turned = transformation & QImageIOHandler::TransformationRotate90;
    const QSize wanted = (*job.rule)(turned ? stored.transposed() : stored);
    if (!wanted.isValid())
        return QSize();
    const QSize atLeastOne = wanted.expandedTo(QSize(1, 1));
    return turned ? atLeastOne.transposed() : atLeastOne;
}

bool IQImageDecoders::judgeHeader(const Job& job, QSize stored, QImage::Format format,
                                  QImageIOHandler::Transformations transformation, Result* result)
{
    if (!acceptClaim(job, stored, format, transformation, &result->error)) {
        result->status = Result::Failed;
        return false;
    }
    result->size = transformation & QImageIOHandler::TransformationRotate90 ? stored.transposed() : stored;
    if (!job.headerOnly)
        return true;
    result->status = Result::Done;
    return false;
}

QImage IQImageDecoders::scaledTo(const QImage& image, QSize target)
{
    if (image.isNull() || !target.isValid() || image.size() == target)
        return image;
    return image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

IQImageDecoders::Result IQImageDecoders::failed(const QString& error)
{
    Result result;
    result.status = Result::Failed;
    result.error = error;
    return result;
}
