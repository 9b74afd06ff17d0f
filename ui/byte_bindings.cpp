#include "ui/byte_bindings.h"

namespace fw {
namespace {

void ShowRadio(Dialog& dialog, const RadioByte& radio, int value) {
    if (radio.lastTakesAbove && value >= radio.count) value = radio.count - 1;
    for (int i = 0; i < radio.count; ++i) dialog.Check(radio.firstControl + i, i == value);
}

}  // namespace

void ByteBindings::Show(Dialog& dialog, const std::uint8_t* block) const {
    for (const CheckByte& check : checks_) dialog.Check(check.control, block[check.offset] != 0);
    for (const RadioByte& radio : radios_) ShowRadio(dialog, radio, block[radio.offset]);
}

bool ByteBindings::OnClick(Dialog& dialog, std::uint8_t* block, int id) const {
    if (!Flip(dialog, id)) return false;
    for (const CheckByte& check : checks_)
        if (check.control == id) block[check.offset] = dialog.IsChecked(id) ? 1 : 0;
    for (const RadioByte& radio : radios_) {
        const int value = id - radio.firstControl;
        if (value >= 0 && value < radio.count) block[radio.offset] = static_cast<std::uint8_t>(value);
    }
    return true;
}

bool ByteBindings::Flip(Dialog& dialog, int id) const {
    for (const CheckByte& check : checks_) {
        if (check.control != id) continue;
        dialog.Check(id, !dialog.IsChecked(id));
        return true;
    }
    for (const RadioByte& radio : radios_) {
        const int value = id - radio.firstControl;
        if (value < 0 || value >= radio.count) continue;
        ShowRadio(dialog, radio, value);
        return true;
    }
    return false;
}

void ByteBindings::Store(const Dialog& dialog, std::uint8_t* block) const {
    for (const CheckByte& check : checks_) block[check.offset] = dialog.IsChecked(check.control) ? 1 : 0;
    for (const RadioByte& radio : radios_) {
        for (int i = 0; i < radio.count; ++i)
            if (dialog.IsChecked(radio.firstControl + i)) block[radio.offset] = static_cast<std::uint8_t>(i);
    }
}

}  // namespace fw
