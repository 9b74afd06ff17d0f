#include "preview/key_script.h"

#include <utility>

namespace fw {
namespace {

constexpr std::pair<std::string_view, TerminalKey> kKeyNames[] = {
    {"ENT", TerminalKey::Enter}, {"ESC", TerminalKey::Esc},     {"BS", TerminalKey::Backspace},
    {"UP", TerminalKey::Up},     {"DOWN", TerminalKey::Down},   {"LEFT", TerminalKey::Left},
    {"RIGHT", TerminalKey::Right}, {"F1", TerminalKey::F1},     {"F2", TerminalKey::F2},
    {"F3", TerminalKey::F3},     {"F4", TerminalKey::F4},       {"FN", TerminalKey::Fn},
};

constexpr char kEscape = '\\';
constexpr std::string_view kKeypadKeys = "0123456789.-";

// A token's characters, each marked when a backslash made it plain text.
struct Token {
    std::string text;
    std::string raw;
    std::vector<bool> plain;

    // Spaces at either end that no backslash keeps are dropped.
    void Trim() {
        std::size_t first = 0, last = text.size();
        while (first < last && text[first] == ' ' && !plain[first]) ++first;
        while (last > first && text[last - 1] == ' ' && !plain[last - 1]) --last;
        text = text.substr(first, last - first);
        plain = std::vector<bool>(plain.begin() + static_cast<std::ptrdiff_t>(first),
                                  plain.begin() + static_cast<std::ptrdiff_t>(last));
    }
    bool Escaped() const {
        for (const bool p : plain)
            if (p) return true;
        return false;
    }
};

ScriptStep StepOf(const Token& token) {
    if (!token.Escaped()) {
        for (const auto& [name, key] : kKeyNames)
            if (token.text == name) return {ScriptStep::Kind::Key, key, {}, token.raw};
        if (token.text == "SCAN") return {ScriptStep::Kind::Scan, {}, {}, token.raw};
        if (token.text == "WAIT") return {ScriptStep::Kind::Wait, {}, {}, token.raw};
        if (token.text == "OK") return {ScriptStep::Kind::TakeMessage, {}, {}, token.raw};
    }
    return {ScriptStep::Kind::Text, {}, token.text, token.raw};
}

}  // namespace

KeyScript ParseKeyScript(std::string_view script) {
    KeyScript result;
    Token token;
    const auto finish = [&]() {
        token.Trim();
        if (token.text.empty()) {
            result.error = "key " + std::to_string(result.steps.size() + 1) + " is empty";
            return false;
        }
        result.steps.push_back(StepOf(token));
        token = {};
        return true;
    };
    for (std::size_t i = 0; i < script.size(); ++i) {
        const char c = script[i];
        if (c == ',') {
            if (!finish()) return result;
            continue;
        }
        const bool escaped = c == kEscape;
        if (escaped && i + 1 == script.size()) {
            result.error = "the script ends in a lone \\; write \\\\ for a backslash";
            return result;
        }
        token.raw += script.substr(i, escaped ? 2 : 1);
        token.text += escaped ? script[++i] : c;
        token.plain.push_back(escaped);
    }
    finish();
    return result;
}

void PlayStep(TerminalPreview& preview, const ScriptStep& step, std::string_view scan) {
    switch (step.kind) {
    case ScriptStep::Kind::Key: preview.Press(step.key); break;
    case ScriptStep::Kind::Text:
        for (const char c : step.text) {
            if (kKeypadKeys.find(c) != std::string_view::npos) preview.Keypad(c);
            else preview.Type(c);
        }
        break;
    case ScriptStep::Kind::Scan: preview.Scan(scan); break;
    case ScriptStep::Kind::Wait: preview.TimeUp(); break;
    case ScriptStep::Kind::TakeMessage: preview.TakeMessage(); break;
    }
}

}  // namespace fw
