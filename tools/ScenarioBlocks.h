// The blocks of the scenario language, unrolled into the plain commands that
// run: repeat, if and let (grammar in tools/ScenarioRunner.h), and the
// {EXPR} substitutions (tools/ScenarioExpr.h) in every other line.
#pragma once

#include <string>
#include <vector>

struct TScenarioLine {
    int Number = 0;     // the line of the script it comes from (from 1)
    std::string Text;   // the command, without its surrounding blanks, substituted
    std::string Error;  // not empty: the line cannot run, and why
};

// The commands of a script in the order they run, blank and comment lines
// left out. A script whose blocks do not match (a repeat or if without its
// end, an end or else without its block) runs nothing: only those lines come
// back, each with its error. A line whose expression fails comes back with
// its error in its place, and a repeat or if that cannot be evaluated is
// left out with its lines. A script that unrolls into more than a million
// lines runs nothing either.
std::vector<TScenarioLine> Scenario_Unroll(const std::string& script);
