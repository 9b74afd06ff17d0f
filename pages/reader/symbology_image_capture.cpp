#include "pages/reader/symbology_image_capture.h"

#include "pages/reader/symbology_ids.h"
#include "pages/reader/symbology_table.h"
#include "template/fixed_text.h"
#include "template/template_document.h"
#include "ui/byte_bindings.h"
#include "ui/control_rules.h"
#include "ui/list_byte.h"

#define AT(field) offsetof(ReaderBlock, field)

namespace fw {
namespace {

constexpr std::uint8_t kExposureCodes[] = {5, 10, 15, 20, 25, 30};  // milliseconds
constexpr std::uint8_t kResolutionCodes[] = {0, 1, 3};
constexpr std::uint8_t kJpeg = 1;
constexpr std::uint8_t kFormatCodes[] = {kJpeg, 3};

constexpr CheckByte kBoxes[] = {
    {IDC_IMG_ILLUMINATION, AT(twoDCaptureIllumination)}, {IDC_IMG_AUTOEXPOSURE, AT(twoDAutoExposure)},
    {IDC_IMG_SNAPSHOT_AIM, AT(twoDSnapshotAim)},         {IDC_IMG_JPEG_OPTIMIZE, AT(twoDJpegOptimizeQuality)},
    {IDC_IMG_AUTO_NAME, AT(autoImageName)},              {IDC_IMG_NAMING_RULE, AT(defaultNamingRule)},
};
constexpr ByteBindings kBindings{kBoxes};

constexpr ListByte kListTable[] = {
    {IDC_IMG_EXPOSURE, AT(twoDExposureMs), 1901, 6, kExposureCodes},
    {IDC_IMG_RESOLUTION, AT(twoDImageResolution), 1915, 3, kResolutionCodes},
    {IDC_IMG_FORMAT, AT(twoDImageFormat), 1921, 2, kFormatCodes},
    {IDC_IMG_BMP_BITS, AT(twoDBmpBits), 1931, 3},
};
constexpr ListBytes kLists{kListTable};
constexpr NumberByte kNumbers[] = {
    {IDC_IMG_GAIN, AT(twoDGain), 79, 127},
    {IDC_IMG_JPEG_QUALITY, AT(twoDJpegQuality), 5, 100},
    {IDC_IMG_JPEG_SIZE, AT(twoDJpegSizeKb), 5, 150},
};

constexpr int kTitleLanguageId = 4221;
constexpr LanguageLabel kLabels[] = {  // 4221-4241
    {IDC_IMG_CAPTURE_GROUP, 4222}, {IDC_IMG_ILLUMINATION, 4223}, {IDC_IMG_AUTOEXPOSURE, 4224},
    {IDC_IMG_GAIN_LABEL, 4225},    {IDC_IMG_EXPOSURE_LABEL, 4226}, {IDC_IMG_SNAPSHOT_AIM, 4227},
    {IDC_IMG_IMAGE_GROUP, 4228},   {IDC_IMG_RESOLUTION_LABEL, 4229}, {IDC_IMG_FORMAT_LABEL, 4230},
    {IDC_IMG_JPEG_OPTIMIZE, 4231}, {IDC_IMG_JPEG_QUALITY_LABEL, 4232}, {IDC_IMG_JPEG_SIZE_LABEL, 4233},
    {IDC_IMG_BMP_BITS_LABEL, 4234}, {IDC_IMG_STORAGE_GROUP, 4235}, {IDC_IMG_STORE_LABEL, 4236},
    {IDC_IMG_AUTO_NAME, 4237},     {IDC_IMG_TITLE_LABEL, 4238},     {IDC_IMG_NAMING_RULE, 4239},
    {kIdOk, 4240},                 {kIdCancel, 4241},
};

constexpr int kPathLimit = sizeof ReaderBlock::imageStorePath - 1;
constexpr int kTitleLimit = sizeof ReaderBlock::imageFileTitle - 1;

}  // namespace

std::span<const ListByte> ImageCaptureLists() { return kListTable; }

void ImageCaptureDialog::OnInit(Dialog& dialog) {
    ApplyLanguageLabels(dialog, context_.strings, kTitleLanguageId, kLabels);
    ReaderBlock& w = context_.doc.readerWorking;
    context_.backups.twoD = w;
    const std::uint8_t* bytes = BlockBytes(w);
    kBindings.Show(dialog, bytes);
    kLists.Fill(dialog, context_.strings, bytes);
    for (const NumberByte& number : kNumbers) {
        dialog.LimitText(number.control, 3);
        dialog.SetText(number.control, NumberText(bytes[number.offset]));
    }
    dialog.LimitText(IDC_IMG_STORE, kPathLimit);
    dialog.SetText(IDC_IMG_STORE, FieldText(w.imageStorePath));
    dialog.LimitText(IDC_IMG_TITLE, kTitleLimit);
    dialog.SetText(IDC_IMG_TITLE, FieldText(w.imageFileTitle));
    ApplyRules(dialog);
}

void ImageCaptureDialog::ApplyRules(Dialog& dialog) {
    const ReaderBlock& w = context_.doc.readerWorking;
    // Gain and exposure are the camera's own while it exposes automatically.
    EnableAll(dialog, {IDC_IMG_GAIN, IDC_IMG_GAIN_LABEL, IDC_IMG_EXPOSURE, IDC_IMG_EXPOSURE_LABEL},
              w.twoDAutoExposure == 0);
    const bool jpeg = w.twoDImageFormat == kJpeg;
    const bool forQuality = w.twoDJpegOptimizeQuality != 0;
    dialog.Enable(IDC_IMG_JPEG_OPTIMIZE, jpeg);
    EnableAll(dialog, {IDC_IMG_JPEG_QUALITY, IDC_IMG_JPEG_QUALITY_LABEL}, jpeg && forQuality);
    EnableAll(dialog, {IDC_IMG_JPEG_SIZE, IDC_IMG_JPEG_SIZE_LABEL}, jpeg && !forQuality);
    EnableAll(dialog, {IDC_IMG_BMP_BITS, IDC_IMG_BMP_BITS_LABEL}, !jpeg);
    EnableAll(dialog, {IDC_IMG_TITLE, IDC_IMG_TITLE_LABEL, IDC_IMG_NAMING_RULE}, w.autoImageName != 0);
}

void ImageCaptureDialog::OnCommand(Dialog& dialog, int id, Notify code) {
    ReaderBlock& w = context_.doc.readerWorking;
    std::uint8_t* bytes = BlockBytes(w);
    switch (code) {
    case Notify::Clicked:
        if (id == kIdOk || id == kIdCancel) {
            if (id == kIdCancel) w = context_.backups.twoD;
            dialog.End(id == kIdOk ? 1 : 0);
        } else if (kBindings.OnClick(dialog, bytes, id)) {
            ApplyRules(dialog);
        }
        break;
    case Notify::SelChange:
        if (kLists.OnChosen(dialog, bytes, id)) ApplyRules(dialog);
        break;
    case Notify::Changed:
        OnTextChanged(dialog, id, RangeCheck::Typing);
        break;
    case Notify::KillFocus:
        OnTextChanged(dialog, id, RangeCheck::Final);
        break;
    default:
        break;
    }
}

void ImageCaptureDialog::OnTextChanged(Dialog& dialog, int id, RangeCheck check) {
    ReaderBlock& w = context_.doc.readerWorking;
    for (const NumberByte& number : kNumbers) {
        if (number.control != id) continue;
        const unsigned value = CorrectRangeBox(dialog, id, number.min, number.max, check);
        BlockBytes(w)[number.offset] = static_cast<std::uint8_t>(value);
    }
    if (id == IDC_IMG_STORE) SetFieldText(w.imageStorePath, BoxText(dialog, id, kPathLimit));
    if (id == IDC_IMG_TITLE) SetFieldText(w.imageFileTitle, BoxText(dialog, id, kTitleLimit));
}

}  // namespace fw
