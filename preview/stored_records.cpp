#include "preview/stored_records.h"

#include <algorithm>

#include "template/key_names.h"
#include "preview/input_rules.h"
#include "preview/preview_texts.h"
#include "strings/ui_strings.h"
#include "template/fixed_text.h"

namespace fw {
namespace {

constexpr int kNewFormExportName = 11;  // "Form "

unsigned ExportWidth(const FormRecord& form, const RecordField& field) {
    return field.kind == RecordFieldKind::Line ? FixedFieldWidth(form, field.line) : field.length;
}

std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : std::string(separator)) + part;
    return text;
}

std::string FieldName(const FormRecord& form, const RecordField& field, const UiStrings& strings) {
    switch (field.kind) {
    case RecordFieldKind::KeyField: return strings.Text(kTextTerminalKeyField);
    case RecordFieldKind::MenuData: return strings.Text(kTextMenuDataField);
    case RecordFieldKind::Stamp: return strings.Text(kTextStampField);
    case RecordFieldKind::Line: break;
    }
    const std::string_view prompt = TrimSpaces(FieldText(form.prompt[field.line]));
    return prompt.empty() ? strings.Text(kTextLine) + std::to_string(field.line + 1) : std::string(prompt);
}

}  // namespace

std::string ReadableCodes(std::string_view value) {
    std::string text;
    for (const char c : value) {
        const auto code = static_cast<std::uint8_t>(c);
        if (code < 0x20) text += std::string("<") + ComposedToDisplayText(KeyName(code)) + ">";
        else text += c;
    }
    return text;
}

std::string ExportFileName(const FormRecord& form, int index, const UiStrings& strings) {
    const std::string_view own = FieldText(form.exportName);
    if (form.changeExportName == 1 && !own.empty()) return std::string(own) + ".TXT";
    const std::string number = std::to_string(index + 1);
    return strings.Text(kNewFormExportName) + (number.size() < 2 ? "0" : "") + number + ".TXT";
}

std::string ExportText(const FormRecord& form, const RecordLayout& layout, const SystemSettings& settings,
                       std::span<const StoredRecord> records) {
    const std::string delimiter(settings.firstDelimiter ? 1 : 0, static_cast<char>(settings.firstDelimiter));
    std::string text;
    for (const StoredRecord& record : records) {
        std::string line;
        for (std::size_t f = 0; f < layout.fields.size() && f < record.fields.size(); ++f) {
            if (!delimiter.empty()) {
                line += (f == 0 ? "" : delimiter) + Joined(record.fields[f], delimiter);
                continue;
            }
            std::string value = Joined(record.fields[f], " ");
            value.resize(ExportWidth(form, layout.fields[f]), ' ');
            line += value;
        }
        text += line + "\r\n";
    }
    return text;
}

std::string RecordTable(const FormRecord& form, const RecordLayout& layout, std::span<const StoredRecord> records,
                        const UiStrings& strings) {
    std::vector<std::vector<std::string>> cells(records.size() + 1);
    cells[0].push_back("#");
    for (std::size_t f = 0; f < layout.fields.size(); ++f) {
        const RecordField& field = layout.fields[f];
        cells[0].push_back(FieldName(form, field, strings) + " (" + std::to_string(ExportWidth(form, field)) + ")" +
                           (f + 1 == layout.keyPosition ? " " + strings.Text(kTextKeyMark) : ""));
    }
    for (std::size_t r = 0; r < records.size(); ++r) {
        cells[r + 1].push_back(std::to_string(r + 1));
        for (const auto& parts : records[r].fields) cells[r + 1].push_back(ReadableCodes(Joined(parts, " ")));
    }
    std::vector<std::size_t> widths(cells[0].size(), 0);
    for (const auto& row : cells)
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
    std::string table;
    for (const auto& row : cells) {
        std::string line;
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
            line += row[c] + std::string(c + 1 < row.size() ? widths[c] - row[c].size() + 2 : 0, ' ');
        table += line + "\n";
    }
    return table;
}

std::vector<std::string> RecordNotes(const RecordLayout& layout, const SystemSettings& settings,
                                     const UiStrings& strings) {
    std::vector<std::string> notes;
    if (layout.fields.empty()) return notes;
    if (layout.fields.front().kind == RecordFieldKind::KeyField) notes.push_back(strings.Text(kTextTerminalKey));
    if (settings.firstDelimiter != 0 && settings.secondDelimiter != 0)
        notes.push_back(strings.Text(kTextSecondDelimiter));
    return notes;
}

}  // namespace fw
