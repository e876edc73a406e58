// BenchFigures: timings gathered over interleaved repetitions, printed as min, median and growth.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QVector>

#include <map>
#include <utility>

class BenchFigures
{
public:
    // Records one sample of operation at size, in seconds.
    void add(const QString &operation, int size, double seconds);
    // Times one call of run and records it.
    template <class Run>
    void time(const QString &operation, int size, Run run)
    {
        QElapsedTimer timer;
        timer.start();
        run();
        add(operation, size, double(timer.nsecsElapsed()) / 1e9);
    }

    // Per operation and size: samples, min and median in milliseconds, and the growth of the
    // median from the previous size, so that a reader sees a ratio rather than a machine's speed.
    void print() const;
    double median(const QString &operation, int size) const;

    // The value at quantile q (0 to 1) of samples, nearest rank.
    static double quantile(QVector<double> samples, double q);

private:
    std::map<std::pair<QString, int>, QVector<double>> samples;
};
