#include "tools/fwtool/argument_errors.h"

#include <algorithm>
#include <cctype>

namespace fw {
namespace {

std::string After(const std::string& text, const std::string& marker) {
    const std::size_t at = text.find(marker);
    return at == std::string::npos ? text : text.substr(at + marker.size());
}

std::string CommandNames(const CLI::App& app) {
    std::string names;
    for (const CLI::App* command : app.get_subcommands({}))
        names += (names.empty() ? "" : ", ") + command->get_name();
    return names;
}

}  // namespace

std::string ArgumentProblem(const CLI::ParseError& error, const CLI::App& app, const std::vector<std::string>& args) {
    const std::vector<CLI::App*> parsed = app.get_subcommands();
    const std::string message = error.what();
    if (parsed.empty()) {
        if (!args.empty() && !args.front().starts_with("-"))
            return "fwtool: " + args.front() + " is no command; the commands are " + CommandNames(app);
        if (!args.empty())
            return "fwtool: " + args.front() + " is no option of fwtool's own; name a command first: " +
                   CommandNames(app) + " (fwtool --help tells what each does)";
        return "fwtool: name a command: " + CommandNames(app) + " (fwtool --help tells what each does)";
    }
    const std::string command = parsed.front()->get_name();
    std::string problem;
    if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr)
        problem = message.substr(0, message.find(" is required")) + " is missing";
    else if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr)
        problem = After(message, ": ") + ": not an argument it takes";
    else if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr)
        problem = message.substr(0, message.find(':')) + " needs a value";
    else
        problem = message;
    return "fwtool: " + command + ": " + problem + " (fwtool " + command + " --help lists its arguments)";
}

CLI::Validator ChoiceOf(const std::map<std::string, int>& choices, const std::string& words) {
    return CLI::Validator(
        [choices, words](std::string& value) -> std::string {
            std::string lower = value;
            std::transform(lower.begin(), lower.end(), lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            const auto it = choices.find(lower);
            if (it == choices.end()) return value + ": give " + words;
            value = std::to_string(it->second);
            return {};
        },
        words);
}

CLI::Validator NumberFrom(int low, int high, const std::string& what) {
    return CLI::Validator(
        [low, high, what](std::string& value) -> std::string {
            const bool digits = !value.empty() && value.size() < 4 &&
                                std::all_of(value.begin(), value.end(), [](unsigned char c) { return std::isdigit(c); });
            if (digits && std::stoi(value) >= low && std::stoi(value) <= high) return {};
            return value + " is no " + what + "; give " + std::to_string(low) + " to " + std::to_string(high);
        },
        std::to_string(low) + " to " + std::to_string(high));
}

}  // namespace fw
