#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The jobs of a print queue, asked of the print scheduler (ipptool) as their
// owner: others do not see job names. A job's name is asked of the job
// itself; the list of jobs sometimes gives a job that has just completed
// without its name.
namespace PrintJobs {

// The ids of the queue's jobs, every one or only the completed ones.
QList<int> ids(const QString &queue, bool completedOnly);

// The names of the queue's completed jobs whose ids are not in before,
// sorted.
QStringList completedSince(const QString &queue, const QList<int> &before);

}  // namespace PrintJobs
