// The preview on the desktop: the face's LCD shows the terminal's screen,
// the face's keys and the PC keyboard play it, and a tool window beside the
// face holds the reader box, the lookup data and the stored records.
#pragma once

#include <windows.h>

#include <functional>

#include "app/device_face_win32.h"
#include "app/preview_session.h"

namespace fw {

class PreviewWindow final : public PreviewHost, public FaceScreen {
public:
    // onEnded runs, posted, when the terminal's Esc on its main screen or
    // the panel's close box ends the preview.
    PreviewWindow(HWND main, HWND face, const TemplateDocument& doc, std::function<void()> onEnded);
    ~PreviewWindow() override;
    PreviewWindow(const PreviewWindow&) = delete;
    PreviewWindow& operator=(const PreviewWindow&) = delete;

    void TemplateMayHaveChanged(const TemplateDocument& doc) { session_.TemplateMayHaveChanged(doc); }
    void TemplateSaved(const TemplateDocument& doc) { session_.TemplateSaved(doc); }
    bool MayEnd(MessageOwner& owner) { return session_.MayEnd(owner); }
    // Beside the face, on the side of the screen that has room for it; again
    // whenever the face moves.
    void PlacePanel();
    // The panel takes no input while a modal window of the main window runs.
    void EnablePanel(bool on) { EnableWindow(panel_, on); }
    // The panel's keyboard navigation; true when the message was its.
    bool TranslatePanelMessage(MSG& message) { return panel_ && IsDialogMessageA(panel_, &message); }

    // FaceScreen
    Screen Shown() const override { return session_.preview().screen(); }
    void KeyClicked(int key) override { session_.FaceKey(key); }
    bool KeyDown(WPARAM virtualKey) override;
    void Character(char c) override;

    // PreviewHost
    void ScreenChanged() override;
    void StartTimer(int ms) override;
    void StopTimer() override;
    std::optional<std::string> ChooseLookupData() override;
    std::optional<std::string> ChooseExportFile(const std::string& name) override;
    void PreviewEnded() override { onEnded_(); }
    void ReturnKeysToTerminal() override { SetFocus(face_); }

private:
    static INT_PTR CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND main_;
    HWND face_;
    HWND panel_ = nullptr;
    std::function<void()> onEnded_;
    HFONT recordsFont_;
    PreviewSession session_;
};

}  // namespace fw
