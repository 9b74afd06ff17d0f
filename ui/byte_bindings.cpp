#include "ui/byte_bindings.h"

namespace fw {
namespace {

void ShowRadio(Dialog& dialog, const RadioByte& radio, int value) {
    for (int i = 0; i < radio.count; ++i) dialog.Check(radio.firstControl + i, i == value);
}

}  // namespace

void ByteBindings::Show(Dialog& dialog, const std::uint8_t* block) const {
    for (const CheckByte& check : checks_) dialog.Check(check.control, block[check.offset] != 0);
    for (const RadioByte& radio : radios_) ShowRadio(dialog, radio, block[radio.offset]);
}

bool ByteBindings::OnClick(Dialog& dialog, std::uint8_t* block, int id) const {
    for (const CheckByte& check : checks_) {
        if (check.control != id) continue;
        const bool on = !dialog.IsChecked(id);
        dialog.Check(id, on);
        block[check.offset] = on ? 1 : 0;
        return true;
    }
    for (const RadioByte& radio : radios_) {
        const int value = id - radio.firstControl;
        if (value < 0 || value >= radio.count) continue;
        ShowRadio(dialog, radio, value);
        block[radio.offset] = static_cast<std::uint8_t>(value);
        return true;
    }
    return false;
}

}  // namespace fw
