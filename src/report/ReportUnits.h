#pragma once
// Lengths of a report. Layouts are written in millimetres; pages are painted in dots
// of 1/1200 inch, the resolution at which every text is measured and drawn, so that a
// page breaks at the same place on screen, on paper and in a PDF file.

namespace validador {

inline constexpr double kReportDotsPerInch = 1200.0;
inline constexpr double kMillimetresPerInch = 25.4;

constexpr double MmToDots(double mm) { return mm * kReportDotsPerInch / kMillimetresPerInch; }
constexpr double DotsToMm(double dots) { return dots * kMillimetresPerInch / kReportDotsPerInch; }

}  // namespace validador
