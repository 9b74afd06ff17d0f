#include "ui/dialog_template.h"

#include <cstddef>

namespace fw {
namespace {

constexpr std::uint32_t kDsSetFont = 0x40;  // DS_SETFONT, also part of DS_SHELLFONT
constexpr std::uint16_t kOrdinalMark = 0xFFFF;

constexpr std::size_t Align4(std::size_t n) { return (n + 3) & ~std::size_t{3}; }

// "#n", the way resource lookups spell a numeric name. Appended rather than
// concatenated: GCC 12 warns falsely (-Wrestrict) on "#" + std::string.
std::string OrdinalName(std::uint16_t value) {
    std::string name(1, '#');
    name += std::to_string(value);
    return name;
}

// Resource names are matched without regard to case and stored upper case.
std::uint16_t UpperUnit(std::uint16_t unit) {
    return unit >= 'a' && unit <= 'z' ? static_cast<std::uint16_t>(unit - 0x20) : unit;
}

// Little-endian reads that fail instead of running past the end.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> data, std::size_t pos = 0) : data_(data), pos_(pos) {}

    bool U16(std::uint16_t& out) {
        if (pos_ > data_.size() || data_.size() - pos_ < 2) return false;
        out = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
        pos_ += 2;
        return true;
    }
    bool U32(std::uint32_t& out) {
        std::uint16_t lo = 0, hi = 0;
        const std::size_t start = pos_;
        if (!U16(lo) || !U16(hi)) {
            pos_ = start;
            return false;
        }
        out = static_cast<std::uint32_t>(lo) | (static_cast<std::uint32_t>(hi) << 16);
        return true;
    }
    bool I16(int& out) {
        std::uint16_t v = 0;
        if (!U16(v)) return false;
        out = static_cast<std::int16_t>(v);
        return true;
    }
    bool Skip(std::size_t n) {
        if (pos_ > data_.size() || data_.size() - pos_ < n) return false;
        pos_ += n;
        return true;
    }
    // Moves to the next DWORD boundary, counted from the start of the data.
    bool Align() { return Skip(Align4(pos_) - pos_); }

    // A NUL-terminated 16-bit string, narrowed to the program's 8-bit texts
    // (the templates hold ASCII); out is left alone when it is cut off.
    bool String(std::string& out, bool upper = false) {
        std::string text;
        for (;;) {
            std::uint16_t unit = 0;
            if (!U16(unit)) return false;
            if (unit == 0) break;
            text.push_back(static_cast<char>(upper ? UpperUnit(unit) : unit));
        }
        out = std::move(text);
        return true;
    }

    // A field that is either empty (0), an ordinal (0xFFFF, n) given as
    // "#n", or a string.
    bool StringOrOrdinal(std::string& out, std::uint16_t* ordinal = nullptr, bool upper = false) {
        std::uint16_t first = 0;
        const std::size_t start = pos_;
        if (!U16(first)) return false;
        if (first == kOrdinalMark) {
            std::uint16_t value = 0;
            if (!U16(value)) return false;
            if (ordinal) *ordinal = value;
            out = OrdinalName(value);
            return true;
        }
        pos_ = start;
        if (ordinal) *ordinal = 0;
        return String(out, upper);
    }

private:
    std::span<const std::uint8_t> data_;
    std::size_t pos_;
};

std::string PredefinedClass(std::uint16_t atom) {
    switch (atom) {
    case 0x80: return "Button";
    case 0x81: return "Edit";
    case 0x82: return "Static";
    case 0x83: return "ListBox";
    case 0x84: return "ScrollBar";
    case 0x85: return "ComboBox";
    default: return OrdinalName(atom);
    }
}

// Some resource compilers write a predefined class by name ("BUTTON")
// rather than by atom; window classes match without regard to case, so both
// spellings mean the same control.
std::string CanonicalClassName(std::string name) {
    for (std::uint16_t atom = 0x80; atom <= 0x85; ++atom) {
        std::string predefined = PredefinedClass(atom);
        if (predefined.size() != name.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < name.size() && same; ++i)
            same = UpperUnit(static_cast<unsigned char>(name[i])) == UpperUnit(static_cast<unsigned char>(predefined[i]));
        if (same) return predefined;
    }
    return name;
}

bool ReadControl(Reader& in, DialogControl& control) {
    std::uint32_t helpId = 0, id = 0;
    if (!in.Align() || !in.U32(helpId) || !in.U32(control.exStyle) || !in.U32(control.style)) return false;
    if (!in.I16(control.x) || !in.I16(control.y) || !in.I16(control.cx) || !in.I16(control.cy)) return false;
    if (!in.U32(id)) return false;
    control.id = static_cast<std::int32_t>(id);

    std::uint16_t classOrdinal = 0;
    if (!in.StringOrOrdinal(control.className, &classOrdinal)) return false;
    if (classOrdinal != 0) control.className = PredefinedClass(classOrdinal);
    else control.className = CanonicalClassName(std::move(control.className));
    if (!in.StringOrOrdinal(control.text)) return false;

    // Creation data, counted without its count word.
    std::uint16_t extra = 0;
    return in.U16(extra) && in.Skip(extra);
}

}  // namespace

const DialogControl* DialogTemplate::Find(int id) const {
    for (const DialogControl& control : controls)
        if (control.id == id) return &control;
    return nullptr;
}

DialogTemplate ParseDialogTemplate(std::span<const std::uint8_t> data) {
    DialogTemplate dialog;
    Reader in(data);

    // Only the extended form (version 1, signature 0xFFFF): the program's
    // templates are all DIALOGEX.
    std::uint16_t version = 0, signature = 0, count = 0;
    std::uint32_t helpId = 0;
    if (!in.U16(version) || !in.U16(signature) || version != 1 || signature != kOrdinalMark) return dialog;
    if (!in.U32(helpId) || !in.U32(dialog.exStyle) || !in.U32(dialog.style)) return dialog;
    if (!in.U16(count) || !in.I16(dialog.x) || !in.I16(dialog.y) || !in.I16(dialog.cx) || !in.I16(dialog.cy))
        return dialog;

    std::string menu, windowClass;
    if (!in.StringOrOrdinal(menu) || !in.StringOrOrdinal(windowClass) || !in.String(dialog.title))
        return dialog;
    if (dialog.style & kDsSetFont) {
        std::uint16_t points = 0;
        if (!in.U16(points)) return dialog;
        dialog.fontSize = points;
        if (!in.Skip(4)) return dialog;  // weight, italic, charset
        if (!in.String(dialog.fontName)) return dialog;
    }

    for (std::uint16_t i = 0; i < count; ++i) {
        DialogControl control;
        if (!ReadControl(in, control)) return dialog;
        dialog.controls.push_back(std::move(control));
    }
    dialog.complete = true;
    return dialog;
}

std::map<std::string, DialogTemplate> ParseDialogResources(std::span<const std::uint8_t> resFile) {
    std::map<std::string, DialogTemplate> dialogs;
    std::size_t pos = 0;
    while (pos < resFile.size()) {
        Reader header(resFile, pos);
        std::uint32_t dataSize = 0, headerSize = 0;
        if (!header.U32(dataSize) || !header.U32(headerSize)) break;
        const std::size_t left = resFile.size() - pos;
        // The header holds at least the two sizes and two ordinals.
        if (headerSize < 16 || headerSize > left) break;

        const auto headerBytes = resFile.subspan(pos, headerSize);
        Reader names(headerBytes, 8);
        std::string type, name;
        std::uint16_t typeOrdinal = 0;  // stays 0 for a named type
        if (!names.StringOrOrdinal(type, &typeOrdinal) || !names.StringOrOrdinal(name, nullptr, true)) break;

        const std::size_t available = left - headerSize;
        const std::size_t dataBytes = dataSize < available ? dataSize : available;
        if (typeOrdinal == kResourceTypeDialog) {
            DialogTemplate dialog = ParseDialogTemplate(resFile.subspan(pos + headerSize, dataBytes));
            dialog.name = name;
            dialogs.emplace(name, std::move(dialog));
        }
        if (dataSize > available) break;
        pos = Align4(pos + headerSize + dataSize);
    }
    return dialogs;
}

}  // namespace fw
