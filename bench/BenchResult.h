#pragma once

// The one line per goal that scripts/bench collects from every benchmark:
//   RESULT <figure>|<measured value>|<goal>|met   (or missed, or info for a figure without goal)
// Figures and goals are free text without '|'; the value carries its unit.

#include <cstdio>

namespace bench {

inline void result(const char* figure, double value, const char* goal, bool met,
                   const char* format = "%.2f")
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    std::printf("RESULT %s|%s|%s|%s\n", figure, text, goal, met ? "met" : "missed");
    std::fflush(stdout);
}

inline void info(const char* figure, double value, const char* format = "%.2f")
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    std::printf("RESULT %s|%s|-|info\n", figure, text);
    std::fflush(stdout);
}

} // namespace bench
