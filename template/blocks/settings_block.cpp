#include "template/blocks/settings_block.h"

#include <cstring>
#include <string>

#include "strings/ui_strings.h"
#include "template/fixed_text.h"

namespace fw {

namespace {
constexpr int kDefaultFolderId = 3541;
}  // namespace

const ProtectedFunction kProtectedFunctions[kProtectedFunctionCount] = {
    {23, 101, "Open", 1178},
    {24, 102, "Import", 1179},
    {25, 103, "Export", 1180},
    {26, 104, "Edit Data", 1181},
    {27, 105, "Delete Data", 1182},
    {28, 106, "Settings", 1183},
    {29, 107, "Auto-preload", 1184},
    {30, 108, "Data Deletion", 1185},
    {31, 109, "Entry Options", 1186},
    {32, 0, "", 0},
    {33, 111, "Vibrator Duration", 1188},
    {34, 112, "Camera Properties", 1191},
};

const ProtectedFunction kImageCaptureProtection = {35, 113, "2D Image Capture", 1198};

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
