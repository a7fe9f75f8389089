#include "appliances/CollageProjectFile.h"

#include "appframe/Settings.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

bool CollageProjectFile::read(const QString& filePath, Canvas* canvas, bool addToRecent)
{
    Q_UNUSED(canvas);
    Q_UNUSED(addToRecent);
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        QMessageBox::critical(nullptr, tr("Loading error"), tr("Unable to load the Collage file %1").arg(filePath));
        return false;
    }
    // The canvas cannot take its contents from XML yet; say so rather than
    // open the project empty as if it had been read.
    QMessageBox::critical(nullptr, tr("Loading error"),
        tr("Unable to load the Collage file %1. Opening projects is not available in this version yet.")
            .arg(filePath));
    return false;
}

QString CollageProjectFile::getLoadCollageProjectFile()
{
    Settings* settings = Settings::defaultSettings();
    const QString path = QFileDialog::getOpenFileName(nullptr, tr("Select the Collage file"),
        settings->collageProjectDir(), tr("Collage (*.pmp2)"));
    if (!path.isEmpty())
        settings->setCollageProjectDir(QFileInfo(path).absolutePath());
    return path;
}
