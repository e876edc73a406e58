// BenchFigures: timings gathered over interleaved repetitions, printed as min, median and growth.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QVector>

#include <ctime>
#include <map>
#include <utility>

class BenchFigures
{
public:
    // Records one sample of operation at size: wall-clock and processor seconds.
    void add(const QString &operation, int size, double seconds, double cpuSeconds);
    // Times one call of run and records it. The processor time of the process is beside the
    // wall-clock time because on a loaded machine the latter mostly measures the other programs.
    template <class Run>
    void time(const QString &operation, int size, Run run)
    {
        QElapsedTimer timer;
        const std::clock_t cpuStart = std::clock();
        timer.start();
        run();
        add(operation, size, double(timer.nsecsElapsed()) / 1e9,
            double(std::clock() - cpuStart) / CLOCKS_PER_SEC);
    }

    // Per operation and size: samples, min and median in milliseconds of wall-clock and processor
    // time, and the growth of the medians from the previous size, so that a reader sees a ratio
    // rather than a machine's speed.
    void print() const;
    double median(const QString &operation, int size) const;
    double minimum(const QString &operation, int size) const;
    // The same of the processor time.
    double cpuMedian(const QString &operation, int size) const;
    double cpuMinimum(const QString &operation, int size) const;

    // The value at quantile q (0 to 1) of samples, nearest rank.
    static double quantile(QVector<double> samples, double q);

private:
    std::map<std::pair<QString, int>, QVector<double>> samples;
    std::map<std::pair<QString, int>, QVector<double>> cpuSamples;
};
