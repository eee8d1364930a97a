#pragma once

// The lines scripts/bench collects from every benchmark.
//
// Asked with --goals, a benchmark prints the goals it defines and nothing else:
//   GOAL <figure>|<goal>
// so that scripts/bench knows what a benchmark that fails on its way left unmeasured. When it
// runs, it prints one line per goal it measured, and any number of figures without a goal:
//   RESULT <figure>|<measured value>|<goal>|met   (or missed, or info with "-" as goal)
// Figures and goals are free text without '|'; the value carries its unit.

#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace bench {

struct Goal
{
    const char* figure;
    const char* goal;
};

// Prints the goals when the benchmark was started with --goals: then it is to exit at once.
inline bool listGoals(int argc, char** argv, std::initializer_list<Goal> goals)
{
    if (argc != 2 || std::strcmp(argv[1], "--goals") != 0)
        return false;
    for (const Goal& g : goals)
        std::printf("GOAL %s|%s\n", g.figure, g.goal);
    std::fflush(stdout);
    return true;
}

inline void result(const char* figure, const char* value, const char* goal, bool met)
{
    std::printf("RESULT %s|%s|%s|%s\n", figure, value, goal, met ? "met" : "missed");
    std::fflush(stdout);
}

inline void result(const char* figure, double value, const char* goal, bool met,
                   const char* format = "%.2f")
{
    char text[96];
    std::snprintf(text, sizeof text, format, value);
    result(figure, text, goal, met);
}

inline void result(const Goal& goal, double value, bool met, const char* format = "%.2f")
{
    result(goal.figure, value, goal.goal, met, format);
}

inline void result(const Goal& goal, const char* value, bool met)
{
    result(goal.figure, value, goal.goal, met);
}

inline void info(const char* figure, double value, const char* format = "%.2f")
{
    char text[96];
    std::snprintf(text, sizeof text, format, value);
    std::printf("RESULT %s|%s|-|info\n", figure, text);
    std::fflush(stdout);
}

} // namespace bench
