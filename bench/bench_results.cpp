#include "bench_results.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

double quantile(QList<double> samples, double q)
{
    if (samples.isEmpty())
        return std::nan("");
    std::sort(samples.begin(), samples.end());
    if (q >= 1.0)
        return samples.last();
    if (q == 0.5 && samples.size() % 2 == 0) {
        const qsizetype mid = samples.size() / 2;
        return (samples.at(mid - 1) + samples.at(mid)) / 2;
    }
    // Nearest rank: the smallest sample with at least q of them at or below it.
    const auto rank = qsizetype(std::ceil(q * double(samples.size())));
    return samples.at(std::clamp<qsizetype>(rank - 1, 0, samples.size() - 1));
}

double BenchFigure::median() const
{
    return quantile(samples, 0.5);
}

double BenchFigure::p90() const
{
    return quantile(samples, 0.9);
}

double BenchFigure::max() const
{
    return quantile(samples, 1.0);
}

void BenchResults::skip(const QString &name, const QString &reason)
{
    BenchFigure f;
    f.name = name;
    f.note = reason;
    m_figures.append(f);
}

namespace {

QString number(double v)
{
    if (std::isnan(v))
        return QStringLiteral("-");
    const double a = std::fabs(v);
    return QString::number(v, 'f', a >= 100 ? 1 : a >= 10 ? 2 : 3);
}

}  // namespace

QString BenchResults::table() const
{
    qsizetype nameWidth = 4;
    for (const BenchFigure &f : m_figures)
        nameWidth = std::max(nameWidth, f.name.size());
    QString out = QStringLiteral("%1 %2 %3 %4  %5 %6\n")
                      .arg(QStringLiteral("name"), -int(nameWidth))
                      .arg(QStringLiteral("median"), 10)
                      .arg(QStringLiteral("p90"), 10)
                      .arg(QStringLiteral("max"), 10)
                      .arg(QStringLiteral("unit"), -4)
                      .arg(QStringLiteral("iterations"), 10);
    for (const BenchFigure &f : m_figures) {
        if (f.samples.isEmpty()) {
            out += QStringLiteral("%1 skipped: %2\n").arg(f.name, -int(nameWidth)).arg(f.note);
            continue;
        }
        out += QStringLiteral("%1 %2 %3 %4  %5 %6%7\n")
                   .arg(f.name, -int(nameWidth))
                   .arg(number(f.median()), 10)
                   .arg(number(f.p90()), 10)
                   .arg(number(f.max()), 10)
                   .arg(f.unit, -4)
                   .arg(f.iterations, 10)
                   .arg(f.note.isEmpty() ? QString() : QStringLiteral("  (") + f.note + u')');
    }
    return out;
}

QByteArray BenchResults::json() const
{
    QJsonArray list;
    for (const BenchFigure &f : m_figures) {
        QJsonObject o;
        o.insert(QStringLiteral("name"), f.name);
        const auto value = [&](double v) { return std::isnan(v) ? QJsonValue() : QJsonValue(v); };
        o.insert(QStringLiteral("median"), value(f.median()));
        o.insert(QStringLiteral("p90"), value(f.p90()));
        o.insert(QStringLiteral("max"), value(f.max()));
        o.insert(QStringLiteral("unit"), f.unit);
        o.insert(QStringLiteral("iterations"), f.iterations);
        if (f.samples.isEmpty())
            o.insert(QStringLiteral("skipped"), f.note);
        else if (!f.note.isEmpty())
            o.insert(QStringLiteral("note"), f.note);
        list.append(o);
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("benchmarks"), list}}).toJson();
}
