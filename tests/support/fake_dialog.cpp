#include "support/fake_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <utility>

#include "grid/grid_ids.h"
#include "support/test_document.h"
#include "ui/caret.h"

namespace fw::test {
namespace {

// Window and control styles, as the templates carry them.
constexpr std::uint32_t kWsVisible = 0x10000000;
constexpr std::uint32_t kWsDisabled = 0x08000000;
constexpr std::uint32_t kBsTypeMask = 0x0F;
constexpr std::uint32_t kBsCheckBox = 2, kBsAutoCheckBox = 3, kBsRadioButton = 4, kBsGroupBox = 7,
                        kBsAutoRadioButton = 9;
constexpr std::uint32_t kEsReadOnly = 0x0800, kEsNumber = 0x2000;
constexpr std::uint32_t kCbsTypeMask = 0x3, kCbsDropDownList = 0x3;

constexpr std::size_t kDefaultEditLimit = 32767;
// Base units of the default dialog font in pixels, for the canvas sizes.
constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 13;
// Deeper than any honest write-back chain goes: beyond it a handler keeps
// answering its own change notification.
constexpr int kMaxNotifyDepth = 50;

// Template and class names compare without case, as Windows compares them.
std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

ControlKind KindOf(const DialogControl& control) {
    const std::string className = Upper(control.className);
    if (className == "BUTTON") {
        switch (control.style & kBsTypeMask) {
        case kBsCheckBox: return ControlKind::CheckBox;
        case kBsRadioButton: return ControlKind::RadioButton;
        case kBsGroupBox: return ControlKind::Other;
        // The logic marks its buttons itself; under Windows an automatic one
        // would change its mark twice.
        case kBsAutoCheckBox:
        case kBsAutoRadioButton: ADD_FAILURE() << "control " << control.id << " is an automatic button"; break;
        }
        return ControlKind::PushButton;
    }
    if (className == "EDIT") return ControlKind::Edit;
    if (className == "COMBOBOX") return ControlKind::ComboBox;
    return ControlKind::Other;
}

// Edits and lists report focus changes; the templates' buttons do not ask to.
bool NotifiesFocus(ControlKind kind) { return kind == ControlKind::Edit || kind == ControlKind::ComboBox; }

bool TakesKey(std::uint32_t editStyle, char c) { return !(editStyle & kEsNumber) || (c >= '0' && c <= '9'); }

const DialogTemplate* Lookup(const std::map<std::string, DialogTemplate>& templates, const std::string& name) {
    const auto it = templates.find(Upper(name));
    if (it != templates.end()) return &it->second;
    ADD_FAILURE() << "there is no dialog template " << name;
    return nullptr;
}

bool AnswerFits(Answer answer, Buttons buttons) {
    switch (buttons) {
    case Buttons::Ok: return answer == Answer::Ok;
    case Buttons::OkCancel: return answer == Answer::Ok || answer == Answer::Cancel;
    case Buttons::YesNo: return answer == Answer::Yes || answer == Answer::No;
    case Buttons::YesNoCancel: return answer == Answer::Yes || answer == Answer::No || answer == Answer::Cancel;
    }
    return false;
}

}  // namespace

// ---------------------------------------------------------------- templates

const std::map<std::string, DialogTemplate>& TestTemplates() {
#ifdef FW_TEST_RES_FILE
    static const char* const kPath = FW_TEST_RES_FILE;
#else
    static const char* const kPath = "(FW_TEST_RES_FILE not defined: no resource compiler was found)";
#endif
    static const std::map<std::string, DialogTemplate> templates = ParseDialogResources(ReadAll(kPath));
    if (templates.empty()) ADD_FAILURE() << "no dialog templates in " << kPath;
    for (const auto& [name, dialog] : templates)
        if (!dialog.complete) ADD_FAILURE() << "the dialog template " << name << " did not read to its end";
    return templates;
}

const DialogTemplate& TestTemplate(const std::string& name) {
    static const DialogTemplate kEmpty;
    const DialogTemplate* found = Lookup(TestTemplates(), name);
    return found ? *found : kEmpty;
}

// ------------------------------------------------------------------- FakeUi

void FakeUi::OnModal(const std::string& templateName, ModalScript script) {
    scripts_[Upper(templateName)] = std::move(script);
}

void FakeUi::QueueAnswer(Answer answer) { answers_.push_back(answer); }

Answer FakeUi::ShowMessage(std::string_view text, std::string_view title, Buttons buttons, Icon icon) {
    messages_.push_back({std::string(text), std::string(title), buttons, icon});
    if (answers_.empty()) return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
    const Answer answer = answers_.front();
    answers_.pop_front();
    if (!AnswerFits(answer, buttons))
        ADD_FAILURE() << "the queued answer " << static_cast<int>(answer) << " is no button of the message box \""
                      << text << "\"";
    return answer;
}

int FakeUi::RunModal(const char* templateName, DialogHandler& handler, FakeDialog* owner) {
    const std::string name = templateName;
    modalsRun_.push_back(name);
    const DialogTemplate* dialogTemplate = Lookup(TestTemplates(), name);
    if (!dialogTemplate) return -1;  // what the dialog box call gives on failure

    FakeDialog dialog(*dialogTemplate, handler, shared_from_this());
    if (owner) ++owner->blockedBy_;
    dialog.Init();
    const auto it = scripts_.find(Upper(name));
    // A dialog that ends in its OnInit closes without the user.
    if (!dialog.ended() && it != scripts_.end()) {
        const ModalScript script = it->second;  // the script may register others
        script(dialog);
    }
    if (owner) --owner->blockedBy_;
    if (dialog.ended()) return dialog.result();
    ADD_FAILURE() << "the modal dialog " << name
                  << (it == scripts_.end() ? " opened, but the test registered no script for it" : " was left open");
    return -1;
}

// --------------------------------------------------------------- FakeDialog

FakeDialog::FakeDialog(const DialogTemplate& dialogTemplate, DialogHandler& handler, std::shared_ptr<FakeUi> ui)
    : name_(dialogTemplate.name),
      handler_(handler),
      ui_(ui ? std::move(ui) : std::make_shared<FakeUi>()),
      title_(dialogTemplate.title) {
    controls_.reserve(dialogTemplate.controls.size());
    for (const DialogControl& source : dialogTemplate.controls) {
        controls_.push_back({source.id, source.style, KindOf(source), source.className, source.text,
                             (source.style & kWsDisabled) == 0, (source.style & kWsVisible) != 0, false, {}, -1, 0,
                             kDefaultEditLimit, source.cx, source.cy});
    }
}

void FakeDialog::Init() { handler_.OnInit(*this); }

FakeDialog::Control& FakeDialog::Find(int id, const char* call, Need need) const {
    const auto same = [id](const Control& control) { return control.id == id; };
    const auto count = std::count_if(controls_.begin(), controls_.end(), same);
    // Unnamed statics all share -1; code must not address them.
    if (count != 1) {
        ADD_FAILURE() << name_ << ": " << call << " on control " << id << ", which "
                      << (count == 0 ? "the template does not have" : "several controls of the template share");
        return standIn_ = {};
    }
    auto& found = const_cast<Control&>(*std::find_if(controls_.begin(), controls_.end(), same));
    const ControlKind kind = found.kind;
    const struct {
        bool fits;
        const char* what;
    } needs[] = {
        {true, ""},
        {kind == ControlKind::ComboBox, "a list"},
        {kind == ControlKind::CheckBox || kind == ControlKind::RadioButton, "a check box or radio button"},
        {kind == ControlKind::PushButton || kind == ControlKind::CheckBox || kind == ControlKind::RadioButton,
         "a button"},
        {kind == ControlKind::Edit, "an edit"},
        {found.canvas != nullptr, "a control with a canvas"},
    };
    const auto& wanted = needs[static_cast<int>(need)];
    if (!wanted.fits) {
        ADD_FAILURE() << name_ << ": " << call << " on control " << id << " (" << found.className
                      << "), which is not " << wanted.what;
        return standIn_ = {};
    }
    return found;
}

void FakeDialog::Raise(int id, Notify code) {
    if (depth_ >= kMaxNotifyDepth) {
        if (!runaway_)
            ADD_FAILURE() << name_ << ": notifications nest deeper than " << kMaxNotifyDepth
                          << " levels (control " << id << "): a handler keeps answering its own notification";
        runaway_ = true;
        return;
    }
    ++depth_;
    handler_.OnCommand(*this, id, code);
    --depth_;
}

void FakeDialog::MoveFocus(int id) {
    if (focus_ == id) return;
    LoseFocus();
    focus_ = id;
    if (NotifiesFocus(Find(id, "focus").kind)) Raise(id, Notify::Other);
}

void FakeDialog::LoseFocus() {
    const int old = std::exchange(focus_, 0);
    if (old != 0 && NotifiesFocus(Find(old, "focus").kind)) Raise(old, Notify::KillFocus);
}

bool FakeDialog::AcceptsInput(const char* action) {
    if (ended_) ADD_FAILURE() << name_ << ": " << action << " after the dialog ended";
    else if (blockedBy_ > 0) ADD_FAILURE() << name_ << ": " << action << " while a modal dialog it opened is running";
    else return true;
    return false;
}

FakeDialog::Control* FakeDialog::Reach(int id, const char* action, Need need, bool focus) {
    if (!AcceptsInput(action)) return nullptr;
    Control& control = Find(id, action, need);
    if (&control == &standIn_) return nullptr;
    const bool readOnly = need == Need::Edit && (control.style & kEsReadOnly);
    if (!control.enabled || !control.visible || readOnly) {
        ADD_FAILURE() << name_ << ": " << action << " on control " << id << ", which is "
                      << (!control.visible ? "hidden" : !control.enabled ? "disabled" : "read-only");
        return nullptr;
    }
    if (focus) MoveFocus(id);
    return &control;
}

Answer FakeDialog::Message(std::string_view text, std::string_view title, Buttons buttons, Icon icon) {
    return ui_->ShowMessage(text, title, buttons, icon);
}

void FakeDialog::SetTitle(std::string_view text) { title_ = text; }

void FakeDialog::SetText(int id, std::string_view text) {
    Control& control = Find(id, "SetText");
    if (control.kind == ControlKind::ComboBox && (control.style & kCbsTypeMask) == kCbsDropDownList) {
        ADD_FAILURE() << name_ << ": SetText on control " << id << ", a drop-down list, which shows its selection";
        return;
    }
    const std::string before = control.text;
    const int caret = control.caret;
    control.text = text;
    control.caret = 0;
    if (control.kind != ControlKind::Edit) return;
    // Only an edit reports a new text, and it does so before the call returns.
    Raise(id, Notify::Changed);
    // The Windows adapter keeps the caret of the box being typed in.
    if (focus_ == id) control.caret = CaretAfterRewrite(before, caret, control.text);
}

int FakeDialog::caret(int id) const { return Find(id, "caret", Need::Edit).caret; }

std::string FakeDialog::GetText(int id) const {
    const Control& control = Find(id, "GetText");
    if (control.kind == ControlKind::ComboBox && (control.style & kCbsTypeMask) == kCbsDropDownList)
        return control.selection >= 0 ? control.items[static_cast<std::size_t>(control.selection)] : "";
    return control.text;
}

void FakeDialog::LimitText(int id, int maxChars) {
    Find(id, "LimitText", Need::Edit).limit = static_cast<std::size_t>(maxChars);
}

void FakeDialog::Enable(int id, bool on) { Find(id, "Enable").enabled = on; }

bool FakeDialog::IsEnabled(int id) const { return Find(id, "IsEnabled").enabled; }

void FakeDialog::Show(int id, bool on) { Find(id, "Show").visible = on; }

bool FakeDialog::IsVisible(int id) const { return Find(id, "IsVisible").visible; }

void FakeDialog::Check(int id, bool on) { Find(id, "Check", Need::Checkable).checked = on; }

bool FakeDialog::IsChecked(int id) const { return Find(id, "IsChecked", Need::Checkable).checked; }

bool FakeDialog::IsCheckable(int id) const {
    const ControlKind kind = Find(id, "IsCheckable").kind;
    return kind == ControlKind::CheckBox || kind == ControlKind::RadioButton;
}

void FakeDialog::Focus(int id) { MoveFocus(id); }

void FakeDialog::ListClear(int id) {
    Control& control = Find(id, "ListClear", Need::List);
    control.items.clear();
    control.selection = -1;
}

int FakeDialog::ListAdd(int id, std::string_view text) {
    Control& control = Find(id, "ListAdd", Need::List);
    control.items.emplace_back(text);
    return static_cast<int>(control.items.size()) - 1;
}

void FakeDialog::ListInsert(int id, int index, std::string_view text) {
    Control& control = Find(id, "ListInsert", Need::List);
    if (index < 0 || index > static_cast<int>(control.items.size())) return;  // the control refuses it
    control.items.insert(control.items.begin() + index, std::string(text));
    if (control.selection >= index) ++control.selection;
}

void FakeDialog::ListDelete(int id, int index) {
    Control& control = Find(id, "ListDelete", Need::List);
    if (index < 0 || index >= static_cast<int>(control.items.size())) return;
    control.items.erase(control.items.begin() + index);
    if (control.selection == index) control.selection = -1;
    else if (control.selection > index) --control.selection;
}

void FakeDialog::ListSelect(int id, int index) {
    Control& control = Find(id, "ListSelect", Need::List);
    // An index outside the list clears the selection, as the control does.
    control.selection = index >= 0 && index < static_cast<int>(control.items.size()) ? index : -1;
}

int FakeDialog::ListSelection(int id) const { return Find(id, "ListSelection", Need::List).selection; }

int FakeDialog::ListCount(int id) const { return static_cast<int>(Find(id, "ListCount", Need::List).items.size()); }

std::string FakeDialog::ListText(int id, int index) const {
    const Control& control = Find(id, "ListText", Need::List);
    if (index < 0 || index >= static_cast<int>(control.items.size())) return {};
    return control.items[static_cast<std::size_t>(index)];
}

int FakeDialog::RunModal(const char* templateName, DialogHandler& handler) {
    return ui_->RunModal(templateName, handler, this);
}

void FakeDialog::End(int result) {
    if (isPage_) {
        ADD_FAILURE() << name_ << ": a property sheet page called End; only the sheet's own buttons close it";
        return;
    }
    ended_ = true;
    result_ = result;
}

void FakeDialog::AttachCanvas(int id, CanvasHandler* canvas) { Find(id, "AttachCanvas").canvas = canvas; }

void FakeDialog::Invalidate(int id) { ++Find(id, "Invalidate").invalidations; }

bool FakeDialog::Paint(int id, Painter& painter) const {
    CanvasHandler* canvas = Find(id, "Paint", Need::Canvas).canvas;
    return canvas && canvas->Paint(painter, pixelWidth(id), pixelHeight(id));
}

int FakeDialog::invalidations(int id) const { return Find(id, "invalidations").invalidations; }

int FakeDialog::pixelWidth(int id) const { return Find(id, "pixelWidth").width * kBaseUnitX / 4; }

int FakeDialog::pixelHeight(int id) const { return Find(id, "pixelHeight").height * kBaseUnitY / 8; }

void FakeDialog::ClickAt(int id, int x, int y) {
    Control* control = Reach(id, "ClickAt", Need::Canvas, false);
    // The click reaches the canvas first; what it does not take goes to the
    // control, which for the kinds used here means the focus moves to it.
    if (control && !control->canvas->LeftButtonDown(*this, x, y, pixelWidth(id), pixelHeight(id)) &&
        control->kind == ControlKind::Edit)
        MoveFocus(id);
}

void FakeDialog::Type(int id, std::string_view text) {
    Control* control = Reach(id, "Type", Need::Edit);
    if (!control) return;
    std::string typed;
    for (char c : text)
        if (TakesKey(control->style, c)) typed.push_back(c);
    if (typed.size() > control->limit) typed.resize(control->limit);
    control->text = typed;
    control->caret = static_cast<int>(typed.size());
    Raise(id, Notify::Changed);
}

std::string FakeDialog::Typed(int id, std::string_view text) {
    Type(id, text);
    return GetText(id);
}

void FakeDialog::TypeKeys(int id, std::string_view keys) {
    Control* control = Reach(id, "TypeKeys", Need::Edit);
    if (!control) return;
    for (char c : keys) {
        const auto at = static_cast<std::size_t>(control->caret);
        if (c == '\b') {
            if (at == 0) continue;
            control->text.erase(at - 1, 1);
            --control->caret;
        } else {
            if (!TakesKey(control->style, c) || control->text.size() >= control->limit) continue;
            control->text.insert(at, 1, c);
            ++control->caret;
        }
        Raise(id, Notify::Changed);
    }
}

void FakeDialog::PressKey(int id, CanvasKey key) {
    if (Control* control = Reach(id, "PressKey", Need::Canvas)) control->canvas->KeyDown(*this, key);
}

void FakeDialog::PressCharacter(int id, char c) {
    if (Control* control = Reach(id, "PressCharacter", Need::Canvas)) control->canvas->Character(*this, c);
}

void FakeDialog::Click(int id) {
    if (Reach(id, "Click", Need::Button)) Raise(id, Notify::Clicked);
}

// A combo box reports its drop-down opening, the change and its closing.
void FakeDialog::Choose(int id, int index) {
    Control* control = Reach(id, "Choose", Need::List);
    if (!control) return;
    if (index < 0 || index >= static_cast<int>(control->items.size())) {
        ADD_FAILURE() << name_ << ": Choose entry " << index << " of control " << id << ", which has "
                      << control->items.size() << " entries";
        return;
    }
    Raise(id, Notify::Other);
    control->selection = index;
    Raise(id, Notify::SelChange);
    Raise(id, Notify::Other);
}

void FakeDialog::Choose(int id, std::string_view text) {
    const int entry = ListFind(*this, id, text);
    if (entry < 0) ADD_FAILURE() << name_ << ": control " << id << " has no entry \"" << text << "\"";
    else Choose(id, entry);
}

void FakeDialog::Leave(int id) {
    if (Reach(id, "Leave", Need::Any)) LoseFocus();
}

void FakeDialog::Ok() { Click(kIdOk); }

// Esc and the close box report Cancel whether or not there is a button.
void FakeDialog::Cancel() {
    if (!AcceptsInput("Cancel")) return;
    LoseFocus();
    Raise(kIdCancel, Notify::Clicked);
}

ControlKind FakeDialog::kind(int id) const { return Find(id, "kind").kind; }

std::vector<std::string> FakeDialog::items(int id) const { return Find(id, "items", Need::List).items; }

// ---------------------------------------------------------------- FakeSheet

FakeSheet::FakeSheet(const SheetSpec& spec) {
    for (const SheetPage& page : spec.pages) pages_.push_back({page, nullptr});
}

// Before the sheet opens, current() throws, which fails the test.
bool FakeSheet::Usable(const char* action) {
    if (closed_) ADD_FAILURE() << "property sheet: " << action << " after it closed";
    else if (current().blockedBy_ > 0)
        ADD_FAILURE() << "property sheet: " << action << " while a modal dialog is running";
    else return true;
    return false;
}

void FakeSheet::LeaveCurrent() {
    current().LoseFocus();
    pages_[static_cast<std::size_t>(current_)].spec.handler->OnKillActive(current());
}

// An index beyond the pages throws, which fails the test.
void FakeSheet::Activate(int index) {
    Page& page = pages_.at(static_cast<std::size_t>(index));
    current_ = index;
    if (!page.dialog) {
        page.dialog = std::make_unique<FakeDialog>(TestTemplate(page.spec.templateName), *page.spec.handler, ui_);
        page.dialog->isPage_ = true;
        page.dialog->Init();
    }
    page.spec.handler->OnSetActive(*page.dialog);
}

void FakeSheet::Open() { Activate(0); }

// The focus goes to the tab the user clicks.
void FakeSheet::Show(int index) {
    if (!Usable("Show") || index == current_) return;
    LeaveCurrent();
    Activate(index);
}

void FakeSheet::Ok() {
    if (!Usable("Ok")) return;
    LeaveCurrent();
    for (Page& page : pages_)
        if (page.dialog) page.spec.handler->OnApply(*page.dialog);
    closed_ = true;
}

void FakeSheet::Cancel() {
    if (!Usable("Cancel")) return;
    current().LoseFocus();
    closed_ = pages_[static_cast<std::size_t>(current_)].spec.handler->OnQueryCancel(current());
}

// Before the sheet opens there is none: the out-of-range throw fails the test.
FakeDialog& FakeSheet::current() { return *pages_.at(static_cast<std::size_t>(current_)).dialog; }

// ------------------------------------------------------------ FakeShellHost

Answer FakeShellHost::Message(std::string_view text, std::string_view title, Buttons buttons, Icon icon) {
    return ui_->ShowMessage(text, title, buttons, icon);
}

namespace {

// The next queued answer of a file dialog.
std::optional<std::string> NextChoice(std::deque<std::optional<std::string>>& choices, const char* dialog) {
    if (choices.empty()) {
        ADD_FAILURE() << "the " << dialog << " dialog opened, but the test queued no choice for it";
        return std::nullopt;
    }
    std::optional<std::string> choice = std::move(choices.front());
    choices.pop_front();
    return choice;
}

}  // namespace

std::optional<std::string> FakeShellHost::ChooseFileToSave() {
    ++saveDialogs;
    return NextChoice(saveChoices, "Save");
}

std::optional<std::string> FakeShellHost::ChooseFileToOpen(const std::string& start) {
    openStarts.push_back(start);
    return NextChoice(openChoices, "Open");
}

int FakeShellHost::RunModal(const char* templateName, DialogHandler& handler) {
    return ui_->RunModal(templateName, handler, nullptr);
}

void FakeShellHost::RunPropertySheet(const SheetSpec& sheet) {
    SheetRecord record{sheet.caption, {}};
    for (const SheetPage& page : sheet.pages) record.titles.push_back(page.title);
    sheets.push_back(std::move(record));
}

int ListFind(const Dialog& dialog, int id, std::string_view text) {
    const int count = dialog.ListCount(id);
    for (int i = 0; i < count; ++i)
        if (dialog.ListText(id, i) == text) return i;
    return -1;
}

std::vector<int> Enabled(const Dialog& dialog, std::initializer_list<int> ids) {
    std::vector<int> states;
    for (int id : ids) states.push_back(dialog.IsEnabled(id) ? 1 : 0);
    return states;
}

std::vector<int> Checked(const Dialog& dialog, std::initializer_list<int> ids) {
    std::vector<int> states;
    for (int id : ids) states.push_back(dialog.IsChecked(id) ? 1 : 0);
    return states;
}

std::string Texts(const Dialog& dialog, std::initializer_list<int> ids) {
    std::string texts;
    for (const int* id = ids.begin(); id != ids.end(); ++id) texts += (id == ids.begin() ? "" : "|") + dialog.GetText(*id);
    return texts;
}

DialogHandler& NoLogic() {
    static struct : DialogHandler {
        void OnInit(Dialog&) override {}
        void OnCommand(Dialog&, int, Notify) override {}
    } handler;
    return handler;
}

void ClickGridCode(FakeDialog& grid, std::uint8_t code) {
    const int cellW = grid.pixelWidth(IDC_GRID_CELLS) / 17;
    const int cellH = grid.pixelHeight(IDC_GRID_CELLS) / 17;
    grid.ClickAt(IDC_GRID_CELLS, ((code >> 4) + 1) * cellW + cellW / 2, ((code & 15) + 1) * cellH + cellH / 2);
}

}  // namespace fw::test
