// The Barcode page (BARCODEDLG): the reader choice, the reader's settings and
// one row per symbology, each with its parameter dialog. It edits the reader
// working copy; OnApply writes the controls back and copies the working copy
// into the template.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "pages/reader/barcode_rows.h"
#include "pages/reader/barcode_settings.h"
#include "pages/reader/reader_dialog.h"
#include "ui/page.h"

namespace fw {

class TemplateDocument;
class UiStrings;

class BarcodePage final : public PageHandler, public BarcodePageLink {
public:
    // The Form page's input sources follow the RFID box (1 on, 0 off); the
    // Settings page's image-capture option follows the 2D image capture.
    using RfidChanged = std::function<void(int rfidOn)>;
    using ImageCaptureChanged = std::function<void()>;

    BarcodePage(TemplateDocument& doc, const UiStrings& strings, RfidChanged rfidChanged,
                ImageCaptureChanged imageCaptureChanged);

    void OnInit(Dialog& dialog) override;
    void OnCommand(Dialog& dialog, int id, Notify code) override;
    void OnApply(Dialog& dialog) override;
    std::span<const std::uint8_t> WorkingBytes() const override;

    // BarcodePageLink
    void ShowCouponCode(bool on) override;
    void SyncGs1128Box() override;

    // The page's routines, on the page it was created on.
    void EnableAllRows(bool on);
    void SetLabels();
    void FillSettings();
    void FillRows();

private:
    ReaderBlock& working();
    ReaderFamily family() const;
    std::uint8_t& Byte(std::size_t offset);
    std::uint8_t& RowByte(int row);  // the byte behind a row of the current family
    void DeriveState();
    void Rebuild(bool settingsToo);

    void OnReaderChosen();
    void OnResetClicked();
    void OnRfidClicked();
    void ApplyScanMode();
    void OnEditNotified(int id, Notify code);
    void OnRowClicked(int row);
    void OnCouponClicked(bool on);
    void OnMoreClicked(int row);
    void OnExtraClicked(int id);
    int RunDialog(const char* name);

    void ShowList(const ListPolicy& policy);
    void StoreList(const ListPolicy& policy);
    void ShowEdit(const EditSetting& edit);
    void StoreEdit(const EditSetting& edit);
    void ShowRowState(int row, bool on);
    void ShowDataBarButton();
    void FollowEan13();
    void ShowCouponRows();
    void SwitchCouponOff();
    bool CouponPrerequisite();

    TemplateDocument& doc_;
    const UiStrings& strings_;
    RfidChanged rfidChanged_;
    ImageCaptureChanged imageCaptureChanged_;
    ReaderDialogBackups backups_;
    Dialog* page_ = nullptr;
    bool filling_ = false;  // the edits' corrections wait until the page shows
};

}  // namespace fw
