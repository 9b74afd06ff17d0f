#include "template/record_layout.h"

#include "template/form_lines.h"

namespace fw {

bool SavesRecords(const FormRecord& form) {
    return form.lastInputLine > 0 &&
           (form.recordAction == kRecordSave || form.recordAction == kRecordSaveAndUpdate);
}

RecordLayout DeriveRecordLayout(const FormRecord& form) {
    RecordLayout layout;
    if (!SavesRecords(form)) return layout;
    // With a key line (0), the key's position counts the fields in front of
    // it; without one (1), the terminal's own 8-byte key leads the record.
    // Any other value a file holds does neither.
    const bool keyed = form.noKeyLine == 0;
    const auto add = [&](RecordFieldKind kind, int line, unsigned length) {
        layout.fields.push_back({kind, line, length});
        layout.length += length;
    };
    if (form.noKeyLine == 1) {
        add(RecordFieldKind::KeyField, -1, kKeyFieldLength);
        layout.keyPosition = 1;
    }
    if (form.menuCaptionField == 1) {
        add(RecordFieldKind::MenuData, -1, kMenuDataLength);
        if (keyed) ++layout.keyPosition;
    }
    if (form.stampMode == kStampTop) {
        add(RecordFieldKind::Stamp, -1, kStampFieldLength);
        if (keyed) ++layout.keyPosition;
    }
    for (int line = 0; line < kFormLineCount; ++line) {
        if (!MakesRecordField(form, line)) continue;
        if (keyed && line < form.keyLine) ++layout.keyPosition;
        // Only the low part of the length counts, "large data" included: that
        // is the record length the terminal is given.
        add(RecordFieldKind::Line, line, form.maxLength[line]);
    }
    if (form.stampMode == kStampBottom) add(RecordFieldKind::Stamp, -1, kStampFieldLength);
    return layout;
}

}  // namespace fw
