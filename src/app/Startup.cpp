#include "app/Startup.h"

#include "appframe/App.h"
#include "appframe/Settings.h"

#include <QGuiApplication>
#include <QString>

void storeCommandlineUrls(int argc, char* argv[])
{
    Settings* settings = Settings::defaultSettings();
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromUtf8(argv[i]);
        if (App::isContentUrl(argument))
            settings->addCommandlineUrl(argument);
    }
}

void setDisplayName(const QString& name)
{
    if (name != QCoreApplication::applicationName())
        QGuiApplication::setApplicationDisplayName(name);
}
