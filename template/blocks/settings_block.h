// The system settings block: one record of 862 bytes, written raw into the
// template file, so the layout below is the file format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

namespace fw {

class UiStrings;

constexpr int kProtectedFunctionCount = 12;
constexpr std::size_t kPasswordMaxLength = 10;

struct SystemSettings {
    std::uint8_t startFrom;  // 0 form 1, 1 menu 1
    std::uint8_t reserved1;
    std::uint8_t reserved2;
    std::uint8_t firstDelimiter;  // character codes; 0: none
    std::uint8_t secondDelimiter;
    std::uint8_t preloadLastFile;
    std::uint8_t dataDeletion;
    std::uint8_t entryOption;
    std::uint8_t entryHoldTime;  // 0: wait for Enter, else n x 100 ms
    std::uint8_t warningBeep;
    std::uint8_t vibratorDuration;
    char securityPassword[12];
    std::uint8_t protectedFunctions[kProtectedFunctionCount];
    std::uint8_t protectImageCapture;
    std::uint8_t reserved36[17];
    std::uint8_t reserved53;
    char defaultExportStore[261];
    std::uint8_t reserved315[20];
    std::uint8_t reserved335[5];
    std::uint8_t reserved340;
    std::uint8_t reserved341[21];
    std::uint8_t autoRun;
    std::uint8_t reserved363;
    std::uint8_t reserved364;
    std::uint8_t cameraResolution;
    std::uint8_t cameraFlash;
    std::uint8_t cameraColorEffect;
    std::uint8_t cameraImageFormat;
    char cameraImageStore[261];
    std::uint8_t cameraAutoFileName;
    char cameraFileTitle[6];
    std::uint8_t reserved637;
    std::uint8_t cameraNamingRule;
    std::uint8_t deleteDatabaseOnOpen;
    std::uint8_t cameraTimeStamp;
    std::uint8_t reserved641[221];  // carried through load, save and reset untouched
};

static_assert(sizeof(SystemSettings) == 862);
static_assert(std::is_trivially_copyable_v<SystemSettings>);
static_assert(std::is_standard_layout_v<SystemSettings>);
static_assert(offsetof(SystemSettings, startFrom) == 0);
static_assert(offsetof(SystemSettings, reserved1) == 1);
static_assert(offsetof(SystemSettings, reserved2) == 2);
static_assert(offsetof(SystemSettings, firstDelimiter) == 3);
static_assert(offsetof(SystemSettings, secondDelimiter) == 4);
static_assert(offsetof(SystemSettings, preloadLastFile) == 5);
static_assert(offsetof(SystemSettings, dataDeletion) == 6);
static_assert(offsetof(SystemSettings, entryOption) == 7);
static_assert(offsetof(SystemSettings, entryHoldTime) == 8);
static_assert(offsetof(SystemSettings, warningBeep) == 9);
static_assert(offsetof(SystemSettings, vibratorDuration) == 10);
static_assert(offsetof(SystemSettings, securityPassword) == 11);
static_assert(offsetof(SystemSettings, protectedFunctions) == 23);
static_assert(offsetof(SystemSettings, protectImageCapture) == 35);
static_assert(offsetof(SystemSettings, reserved36) == 36);
static_assert(offsetof(SystemSettings, reserved53) == 53);
static_assert(offsetof(SystemSettings, defaultExportStore) == 54);
static_assert(offsetof(SystemSettings, reserved315) == 315);
static_assert(offsetof(SystemSettings, reserved335) == 335);
static_assert(offsetof(SystemSettings, reserved340) == 340);
static_assert(offsetof(SystemSettings, reserved341) == 341);
static_assert(offsetof(SystemSettings, autoRun) == 362);
static_assert(offsetof(SystemSettings, reserved363) == 363);
static_assert(offsetof(SystemSettings, reserved364) == 364);
static_assert(offsetof(SystemSettings, cameraResolution) == 365);
static_assert(offsetof(SystemSettings, cameraFlash) == 366);
static_assert(offsetof(SystemSettings, cameraColorEffect) == 367);
static_assert(offsetof(SystemSettings, cameraImageFormat) == 368);
static_assert(offsetof(SystemSettings, cameraImageStore) == 369);
static_assert(offsetof(SystemSettings, cameraAutoFileName) == 630);
static_assert(offsetof(SystemSettings, cameraFileTitle) == 631);
static_assert(offsetof(SystemSettings, reserved637) == 637);
static_assert(offsetof(SystemSettings, cameraNamingRule) == 638);
static_assert(offsetof(SystemSettings, deleteDatabaseOnOpen) == 639);
static_assert(offsetof(SystemSettings, cameraTimeStamp) == 640);
static_assert(offsetof(SystemSettings, reserved641) == 641);

// Defaults of a new template. Both folders come from string 3541 in the active
// language, cut to 260 characters; bytes 641 on are left alone.
void ResetSystemSettings(SystemSettings& settings, const UiStrings& strings);

enum class PasswordCheck { Valid, TooLong, InvalidCharacter };

// At most 10 characters, ASCII letters and digits only; empty is valid.
// Length is judged before the characters.
PasswordCheck CheckPassword(std::string_view password);

}  // namespace fw
