#pragma once

#include <QList>
#include <QString>

#include <algorithm>
#include <cstdio>

// Order statistics of a set of timings, printed as one line of a table.
struct Timings
{
    QList<double> values; // microseconds or milliseconds, as the caller chooses

    double percentile(double p) const
    {
        if (values.isEmpty())
            return 0;
        QList<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        const auto i = qsizetype(p * double(sorted.size() - 1) + 0.5);
        return sorted[std::clamp<qsizetype>(i, 0, sorted.size() - 1)];
    }
    double median() const { return percentile(0.5); }

    void print(const char *name, const char *unit) const
    {
        std::printf("  %-46s n=%-6lld median %9.3f %s  p99 %9.3f %s  max %9.3f %s\n", name,
                    static_cast<long long>(values.size()), median(), unit, percentile(0.99), unit,
                    percentile(1.0), unit);
    }
};
