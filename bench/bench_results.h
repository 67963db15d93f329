#pragma once

// What the benchmarks found: each figure a set of samples summed up as
// median, 90th percentile and maximum, printed as a table and written as
// JSON for machines.

#include <QList>
#include <QString>

struct BenchFigure {
    QString name;
    QString unit;       // "us", "ms", "MB", "%", "x" (a ratio)
    QList<double> samples;
    qint64 iterations = 0;  // how many times the measured work ran in all
    QString note;       // why a figure is missing, or what it compares

    double median() const;
    double p90() const;
    double max() const;
};

class BenchResults {
public:
    void add(BenchFigure figure) { m_figures.append(std::move(figure)); }
    // A figure that could not be measured, with the reason.
    void skip(const QString &name, const QString &reason);
    const QList<BenchFigure> &figures() const { return m_figures; }

    // A table: name, median, p90, max, unit, iterations.
    QString table() const;
    // {"benchmarks": [{"name", "median", "p90", "max", "unit", "iterations"}, ...]};
    // a skipped figure has null values and its reason as "skipped".
    QByteArray json() const;

private:
    QList<BenchFigure> m_figures;
};

// The value at quantile q (0 .. 1) of the samples, by the nearest rank.
double quantile(QList<double> samples, double q);
