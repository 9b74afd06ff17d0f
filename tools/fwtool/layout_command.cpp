// layout: the records each form saves, as a page for the back office that
// imports them, in plain text, Markdown or HTML.
#include <algorithm>
#include <vector>

#include "template/fixed_text.h"
#include "template/save_preparation.h"
#include "template/stamp_text.h"
#include "template/value_words.h"
#include "tools/fwtool/commands.h"
#include "tools/fwtool/tool_files.h"

namespace fw {
namespace {

constexpr int kFirstTypeLabel = 1361;  // "text"; labels follow the type codes

// One form's record, ready for any of the three formats.
struct LayoutTable {
    std::string title;
    std::vector<std::string> notes;
    std::vector<std::string> head;
    std::vector<std::vector<std::string>> rows;
};

// "YYYY/MM/DD HH:MM:SS" from the form's stamp settings.
std::string StampFormat(const FormRecord& form) {
    const StampParts pattern{form.yearDigits == 0 ? "YYYY" : "YY", "MM", "DD", "HH", "MM", "SS"};
    const std::string d = StampDateText(form, pattern), t = StampTimeText(form, pattern);
    return form.stampSplit ? "date " + d + ", time " + t : d + " " + t;
}

LayoutTable FormTable(const ToolDocument& tool, int index, const RecordLayout& layout) {
    const FormRecord& form = tool.doc.blocks.forms[index];
    const unsigned delimiter = tool.doc.blocks.settings.firstDelimiter;
    const bool fixed = delimiter == 0;
    LayoutTable table;
    table.title = "form " + std::to_string(index + 1);
    table.notes.push_back(Counted(layout.fields.size(), "field") + ", " + std::to_string(layout.length) +
                          " characters" + (fixed ? "" : " without the delimiters") + ", key field " +
                          std::to_string(layout.keyPosition));
    if (form.changeExportName == 1)
        table.notes.push_back("export file " + Quoted(std::string(FieldText(form.exportName)) + ".TXT"));
    table.notes.push_back(fixed ? std::string("fields at fixed positions")
                                : "fields separated by " + CharCodeWords(delimiter));
    if (!fixed && tool.doc.blocks.settings.secondDelimiter != 0)
        table.notes.push_back("second delimiter " + CharCodeWords(tool.doc.blocks.settings.secondDelimiter));
    if (form.recordFieldCount != layout.fields.size() || form.keyFieldPosition != layout.keyPosition ||
        GetLe16(form.recordLength) != layout.length)
        table.notes.push_back("the file stores " + std::to_string(form.recordFieldCount) + " fields, key field " +
                              std::to_string(form.keyFieldPosition) + " and length " +
                              std::to_string(GetLe16(form.recordLength)) +
                              "; the next save in the designer stores the layout below");

    table.head = {"#", "field", "data type", fixed ? "position" : "max length", "length", "key"};
    if (!fixed) table.head.erase(table.head.begin() + 4);
    unsigned position = 1;
    for (std::size_t i = 0; i < layout.fields.size(); ++i) {
        const RecordField& field = layout.fields[i];
        std::string name, type;
        switch (field.kind) {
        case RecordFieldKind::KeyField: name = "record key (the terminal's own)"; break;
        case RecordFieldKind::MenuData: name = "menu data (caption or chosen item)"; break;
        case RecordFieldKind::Stamp: name = "date and time stamp"; type = StampFormat(form); break;
        case RecordFieldKind::Line: {
            const std::string_view prompt = FieldText(form.prompt[field.line]);
            name = (prompt.empty() ? "" : Quoted(prompt) + " ") + "(line " + std::to_string(field.line + 1) + ")";
            const unsigned code = form.dataType[field.line];
            type = code > kTypeReadFrom2D ? "type " + std::to_string(code)
                                          : tool.strings.Text(kFirstTypeLabel + static_cast<int>(code) - 1);
            break;
        }
        }
        std::vector<std::string> row = {std::to_string(i + 1), name, type};
        if (fixed) {
            row.push_back(field.length == 0 ? "-"
                                            : std::to_string(position) + "-" +
                                                  std::to_string(position + field.length - 1));
            position += field.length;
        }
        row.push_back(std::to_string(field.length));
        row.push_back(i + 1 == layout.keyPosition ? "key" : "");
        table.rows.push_back(std::move(row));
    }
    return table;
}

// Columns are padded by characters, not bytes: texts are UTF-8.
std::size_t Width(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void RenderText(const std::vector<LayoutTable>& tables, std::ostream& out) {
    for (const LayoutTable& table : tables) {
        if (&table != &tables.front()) out << "\n";
        out << table.title << ": " << table.notes.front() << "\n";
        for (std::size_t n = 1; n < table.notes.size(); ++n) out << "  " << table.notes[n] << "\n";
        std::vector<std::size_t> widths(table.head.size());
        for (std::size_t c = 0; c < table.head.size(); ++c) {
            widths[c] = Width(table.head[c]);
            for (const auto& row : table.rows) widths[c] = std::max(widths[c], Width(row[c]));
        }
        const auto line = [&](const std::vector<std::string>& cells) {
            std::string text = " ";
            for (std::size_t c = 0; c < cells.size(); ++c)
                text += " " + cells[c] + std::string(c + 1 < cells.size() ? widths[c] - Width(cells[c]) + 1 : 0, ' ');
            while (!text.empty() && text.back() == ' ') text.pop_back();
            out << text << "\n";
        };
        line(table.head);
        for (const auto& row : table.rows) line(row);
    }
}

void RenderMarkdown(const std::vector<LayoutTable>& tables, std::ostream& out) {
    const auto escape = [](const std::string& cell) {
        std::string text;
        for (const char c : cell) text += c == '|' ? std::string("\\|") : std::string(1, c);
        return text;
    };
    for (const LayoutTable& table : tables) {
        out << "## " << table.title << "\n\n";
        for (const std::string& note : table.notes) out << "- " << escape(note) << "\n";
        out << "\n|";
        for (const std::string& cell : table.head) out << " " << cell << " |";
        out << "\n|";
        for (std::size_t c = 0; c < table.head.size(); ++c) out << "---|";
        out << "\n";
        for (const auto& row : table.rows) {
            out << "|";
            for (const std::string& cell : row) out << " " << escape(cell) << " |";
            out << "\n";
        }
        out << "\n";
    }
}

std::string Html(const std::string& text) {
    std::string html;
    for (const char c : text) {
        switch (c) {
        case '&': html += "&amp;"; break;
        case '<': html += "&lt;"; break;
        case '>': html += "&gt;"; break;
        case '"': html += "&quot;"; break;
        default: html += c;
        }
    }
    return html;
}

void RenderHtml(const std::string& source, const std::vector<LayoutTable>& tables, std::ostream& out) {
    out << "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>Records of " << Html(source)
        << "</title>\n<style>\nbody { font-family: sans-serif; }\n"
           "table { border-collapse: collapse; }\n"
           "th, td { border: 1px solid #999; padding: 2px 8px; text-align: left; }\n</style>\n</head>\n<body>\n"
        << "<h1>Records of " << Html(source) << "</h1>\n";
    for (const LayoutTable& table : tables) {
        out << "<h2>" << Html(table.title) << "</h2>\n<ul>\n";
        for (const std::string& note : table.notes) out << "<li>" << Html(note) << "</li>\n";
        out << "</ul>\n<table>\n<tr>";
        for (const std::string& cell : table.head) out << "<th>" << Html(cell) << "</th>";
        out << "</tr>\n";
        for (const auto& row : table.rows) {
            out << "<tr>";
            for (const std::string& cell : row) out << "<td>" << Html(cell) << "</td>";
            out << "</tr>\n";
        }
        out << "</table>\n";
    }
    out << "</body>\n</html>\n";
}

}  // namespace

int RunLayout(const std::string& source, LayoutFormat format, Streams io) {
    ToolDocument tool;
    if (const int code = OpenTemplate(tool, source, io.err); code != kExitOk) return code;
    std::vector<LayoutTable> tables;
    const RecordLayouts layouts = SavedRecordLayouts(tool.doc.blocks);
    for (int f = 0; f < kFormCount; ++f)
        if (!layouts[f].fields.empty()) tables.push_back(FormTable(tool, f, layouts[f]));
    if (tables.empty()) io.err << "fwtool: no form of " << source << " saves records\n";
    switch (format) {
    case LayoutFormat::Text: RenderText(tables, io.out); break;
    case LayoutFormat::Markdown: RenderMarkdown(tables, io.out); break;
    case LayoutFormat::Html: RenderHtml(source, tables, io.out); break;
    }
    return kExitOk;
}

}  // namespace fw
