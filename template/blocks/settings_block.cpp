#include "template/blocks/settings_block.h"

#include <cstring>
#include <string>

#include "strings/ui_strings.h"
#include "template/fixed_text.h"

namespace fw {

namespace {
constexpr int kDefaultFolderId = 3541;
}  // namespace

void ResetSystemSettings(SystemSettings& settings, const UiStrings& strings) {
    // Every byte before 641 is either a field with a default or a reserved
    // byte the reset zeroes, so start from zero and set what is not.
    std::memset(&settings, 0, offsetof(SystemSettings, reserved641));
    settings.reserved1 = 1;
    settings.reserved2 = 1;
    settings.firstDelimiter = ',';
    settings.dataDeletion = 1;
    settings.entryOption = 1;
    settings.entryHoldTime = 6;
    settings.warningBeep = 9;
    settings.reserved363 = 10;
    settings.reserved364 = 60;
    settings.cameraResolution = 2;
    settings.cameraColorEffect = 1;
    const std::string folder = strings.Text(kDefaultFolderId);
    SetFieldText(settings.defaultExportStore, folder);
    SetFieldText(settings.cameraImageStore, folder);
}

PasswordCheck CheckPassword(std::string_view password) {
    if (password.size() > kPasswordMaxLength) return PasswordCheck::TooLong;
    for (const char c : password) {
        const bool letterOrDigit =
            (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!letterOrDigit) return PasswordCheck::InvalidCharacter;
    }
    return PasswordCheck::Valid;
}

}  // namespace fw
