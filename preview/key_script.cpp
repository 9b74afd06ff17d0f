#include "preview/key_script.h"

#include <utility>

#include "template/fixed_text.h"

namespace fw {
namespace {

constexpr std::pair<std::string_view, TerminalKey> kKeyNames[] = {
    {"ENT", TerminalKey::Enter}, {"ESC", TerminalKey::Esc},     {"BS", TerminalKey::Backspace},
    {"UP", TerminalKey::Up},     {"DOWN", TerminalKey::Down},   {"LEFT", TerminalKey::Left},
    {"RIGHT", TerminalKey::Right}, {"F1", TerminalKey::F1},     {"F2", TerminalKey::F2},
    {"F3", TerminalKey::F3},     {"F4", TerminalKey::F4},       {"FN", TerminalKey::Fn},
};

ScriptStep StepOf(std::string_view token) {
    for (const auto& [name, key] : kKeyNames)
        if (token == name) return {ScriptStep::Kind::Key, key, {}, std::string(token)};
    if (token == "SCAN") return {ScriptStep::Kind::Scan, {}, {}, std::string(token)};
    if (token == "WAIT") return {ScriptStep::Kind::Wait, {}, {}, std::string(token)};
    return {ScriptStep::Kind::Text, {}, std::string(token), std::string(token)};
}

}  // namespace

KeyScript ParseKeyScript(std::string_view script) {
    KeyScript result;
    for (std::size_t start = 0, number = 1;; ++number) {
        const std::size_t comma = script.find(',', start);
        const std::string_view token =
            TrimSpaces(script.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (token.empty()) {
            result.error = "key " + std::to_string(number) + " is empty";
            return result;
        }
        result.steps.push_back(StepOf(token));
        if (comma == std::string_view::npos) return result;
        start = comma + 1;
    }
}

void PlayStep(TerminalPreview& preview, const ScriptStep& step, std::string_view scan) {
    switch (step.kind) {
    case ScriptStep::Kind::Key: preview.Press(step.key); break;
    case ScriptStep::Kind::Text:
        for (const char c : step.text) preview.Type(c);
        break;
    case ScriptStep::Kind::Scan: preview.Scan(scan); break;
    case ScriptStep::Kind::Wait: preview.TimeUp(); break;
    }
}

}  // namespace fw
