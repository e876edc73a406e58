// BenchFigures: timings gathered over interleaved repetitions, printed as min, median and growth.
#include "benchfigures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

void BenchFigures::add(const QString &operation, int size, double seconds)
{
    samples[{ operation, size }].append(seconds);
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

void BenchFigures::print() const
{
    std::printf(
        "%-34s %9s %4s %12s %12s %8s\n", "operation", "size", "n", "min ms", "median ms", "growth");
    QString previousOperation;
    double previousMedian = 0;
    int previousSize = 0;
    for (const auto &[key, times] : samples) {
        const auto &[operation, size] = key;
        const double middle = quantile(times, 0.5);
        QString growth;
        if (operation == previousOperation && previousMedian > 0)
            growth = QStringLiteral("%1x/%2x")
                         .arg(middle / previousMedian, 0, 'f', 1)
                         .arg(double(size) / previousSize, 0, 'f', 0);
        std::printf("%-34s %9d %4d %12.3f %12.3f %8s\n", qPrintable(operation), size,
            int(times.size()), 1e3 * *std::min_element(times.begin(), times.end()), 1e3 * middle,
            qPrintable(growth));
        previousOperation = operation;
        previousMedian = middle;
        previousSize = size;
    }
    std::fflush(stdout);
}
