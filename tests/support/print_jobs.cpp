#include "support/print_jobs.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>

#include <pwd.h>
#include <unistd.h>

namespace PrintJobs {

namespace {

// The lines of ipptool's CSV answer, without its header. job 0 asks for the
// queue's list of jobs, another number for that job alone.
QList<QByteArray> ask(const QString &queue, bool completedOnly, int job)
{
    QTemporaryDir dir;
    QFile request(dir.filePath(QStringLiteral("jobs.test")));
    if (!request.open(QIODevice::WriteOnly))
        return {};
    request.write(QByteArray("{\n OPERATION ") + (job ? "Get-Job-Attributes" : "Get-Jobs")
                  + "\n GROUP operation-attributes-tag\n"
                    " ATTR charset attributes-charset utf-8\n"
                    " ATTR language attributes-natural-language en\n"
                    " ATTR uri printer-uri $uri\n"
                  + (job ? " ATTR integer job-id " + QByteArray::number(job) + "\n" : QByteArray())
                  + " ATTR name requesting-user-name $user\n"
                  + (job ? QByteArray()
                         : QByteArray(" ATTR keyword which-jobs ") + (completedOnly ? "completed" : "all")
                               + "\n")
                  + " ATTR keyword requested-attributes job-id,job-name\n"
                    " STATUS successful-ok\n DISPLAY job-id\n DISPLAY job-name\n}\n");
    request.close();
    QProcess ipp;
    ipp.start(QStringLiteral("ipptool"),
              {QStringLiteral("-c"), QStringLiteral("-d"),
               QStringLiteral("user=") + QString::fromLocal8Bit(getpwuid(geteuid())->pw_name),
               QStringLiteral("ipp://localhost/printers/") + queue, request.fileName()});
    if (!ipp.waitForFinished(30000))
        return {};
    QList<QByteArray> lines;
    for (const QByteArray &line : ipp.readAllStandardOutput().split('\n').mid(1)) {
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    }
    return lines;
}

}  // namespace

QList<int> ids(const QString &queue, bool completedOnly)
{
    QList<int> result;
    for (const QByteArray &line : ask(queue, completedOnly, 0)) {
        if (const int id = line.split(',').value(0).toInt())
            result << id;
    }
    return result;
}

QStringList completedSince(const QString &queue, const QList<int> &before)
{
    QStringList names;
    for (int id : ids(queue, true)) {
        if (before.contains(id))
            continue;
        for (const QByteArray &line : ask(queue, false, id))
            names << QString::fromUtf8(line.mid(line.indexOf(',') + 1));
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace PrintJobs
