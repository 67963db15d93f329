#include "shell/progress.h"

#include <QDir>
#include <QStandardPaths>

QString progressFilePath()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QDir().mkpath(dir);
    return dir + QLatin1Char('/') + QString::fromLatin1(ProgressFileName);
}

int CalcCRC(QByteArrayView name)
{
    quint32 sum = 0;  // wraps like a 32-bit integer; real names stay far below
    for (qsizetype i = 1; i <= name.size(); ++i) {
        const qint64 c = static_cast<unsigned char>(name[i - 1]);
        const int multiplier = CRCTable[i % 30];
        const int divisor = CRCTable[((30 - i % 30) % 30)];
        sum += static_cast<quint32>((multiplier * c) % divisor);
    }
    return static_cast<int>(sum);
}
