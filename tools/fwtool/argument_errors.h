// Refused arguments in fwtool's own words: the command, the argument and
// what it takes, instead of the command-line library's messages.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace fw {

// "fwtool: layout: --format: pdf: give text, markdown or html (...)"; `args`
// as given, without the program name.
std::string ArgumentProblem(const CLI::ParseError& error, const CLI::App& app, const std::vector<std::string>& args);

// An option of named choices, stored as the choice's number.
CLI::Validator ChoiceOf(const std::map<std::string, int>& choices, const std::string& words);

// A whole number from `low` to `high`, named `what` when refused.
CLI::Validator NumberFrom(int low, int high, const std::string& what);

}  // namespace fw
