// BenchFigures: timings gathered over interleaved repetitions, printed as min, median and growth.
#include "benchfigures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

void BenchFigures::add(const QString &operation, int size, double seconds, double cpuSeconds)
{
    samples[{ operation, size }].append(seconds);
    cpuSamples[{ operation, size }].append(cpuSeconds);
}

double BenchFigures::quantile(QVector<double> samples, double q)
{
    if (samples.isEmpty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const int rank = int(std::ceil(q * samples.size())) - 1;
    return samples.at(std::clamp(rank, 0, int(samples.size()) - 1));
}

double BenchFigures::median(const QString &operation, int size) const
{
    const auto found = samples.find({ operation, size });
    return found == samples.end() ? 0 : quantile(found->second, 0.5);
}

namespace {
double quantileOf(const std::map<std::pair<QString, int>, QVector<double>> &samples,
    const QString &operation, int size, double q)
{
    const auto found = samples.find({ operation, size });
    return found == samples.end() ? 0 : BenchFigures::quantile(found->second, q);
}
} // namespace

double BenchFigures::minimum(const QString &operation, int size) const
{
    return quantileOf(samples, operation, size, 0);
}

double BenchFigures::cpuMedian(const QString &operation, int size) const
{
    return quantileOf(cpuSamples, operation, size, 0.5);
}

double BenchFigures::cpuMinimum(const QString &operation, int size) const
{
    return quantileOf(cpuSamples, operation, size, 0);
}

void BenchFigures::print() const
{
    std::printf("%-34s %7s %3s %10s %10s %8s %10s %10s %8s\n", "operation", "size", "n", "min ms",
        "median ms", "growth", "cpu min", "cpu median", "growth");
    QString previousOperation;
    double previousMedian = 0;
    double previousCpuMedian = 0;
    int previousSize = 0;
    const auto growth = [&](double median, double previous, int size) {
        if (previous <= 0)
            return QString();
        return QStringLiteral("%1x/%2x")
            .arg(median / previous, 0, 'f', 1)
            .arg(double(size) / previousSize, 0, 'f', 0);
    };
    for (const auto &[key, times] : samples) {
        const auto &[operation, size] = key;
        const QVector<double> &cpuTimes = cpuSamples.at(key);
        const double middle = quantile(times, 0.5);
        const double cpuMiddle = quantile(cpuTimes, 0.5);
        const bool sameOperation = operation == previousOperation;
        std::printf("%-34s %7d %3d %10.3f %10.3f %8s %10.3f %10.3f %8s\n", qPrintable(operation),
            size, int(times.size()), 1e3 * *std::min_element(times.begin(), times.end()),
            1e3 * middle,
            qPrintable(sameOperation ? growth(middle, previousMedian, size) : QString()),
            1e3 * *std::min_element(cpuTimes.begin(), cpuTimes.end()), 1e3 * cpuMiddle,
            qPrintable(sameOperation ? growth(cpuMiddle, previousCpuMedian, size) : QString()));
        previousOperation = operation;
        previousMedian = middle;
        previousCpuMedian = cpuMiddle;
        previousSize = size;
    }
    std::fflush(stdout);
}
