#include "shell/progress.h"

#include <QDir>
#include <QStandardPaths>

QString progressFilePath()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QDir().mkpath(dir);
    return dir + QLatin1Char('/') + QString::fromLatin1(ProgressFileName);
}
