#include "editors/edit/editor/tests/editordemoform.h"

#include <memory>

#include "classlib/shortcut.h"

namespace {

constexpr UINT kShowStateMessage = WM_APP + 1;

std::string ValueText(const Variant& value)
{
    return VarIsNull(value) || VarIsEmpty(value) ? "Null" : VarToStr(value);
}

// Setting a label's text repaints it: only a change is shown.
void ShowText(TLabel& line, const std::string& text)
{
    if (line.Text() != text)
        line.SetText(text);
}

} // namespace

TEditorDemoForm::TEditorDemoForm()
{
    SetText("Editor");
    SetBounds(40, 40, 0, 0);
    SetProperty("ClientWidth", "360");
    SetProperty("ClientHeight", "170");
    AddEditor();
    plain_ = &Adopt(std::make_unique<TEdit>());
    plain_->SetName("Plain");
    plain_->SetBounds(12, 48, 180, 24);
    plain_->SetParent(this);
    valueLine_ = &AddLabel(84);
    postedLine_ = &AddLabel(108);
    eventsLine_ = &AddLabel(132);
    ShowState();
}

void TEditorDemoForm::AddEditor()
{
    auto& edit = Adopt(std::make_unique<TDemoIntegerEdit>(this));
    edit.SetName("Number");
    edit.SetAutoSize(false);
    edit.SetBounds(12, 12, 180, 24);
    TDemoIntegerEditProperties& p = edit.DemoProperties();
    p.SetValidateOnEnter(true);
    p.SetKeepsValueAtFocus(true);
    p.SetComparesValues(true);
    p.SetClearKey(ShortCut(VK_DELETE, ssCtrl));
    TcxEditButton& button = p.Buttons().Add();
    button.SetKind(bkEllipsis);
    button.SetDefault(true);
    p.OnButtonClick = [this](TComponent&, int) { editor_->SetEditValue(50); };
    p.OnChange = [this](TComponent&) { Count(changes_); };
    p.OnEditValueChanged = [this](TComponent&) { Count(valueChanges_); };
    p.OnValidate = [this](TComponent&, Variant&, std::string&, bool&) { Count(validations_); };
    edit.OnExit = [this](TComponent&) { Count(exits_); };
    edit.Binding().OnPost = [this](const Variant&) { ShowStateSoon(); };
    edit.SetParent(this);
    editor_ = &edit;
}

TLabel& TEditorDemoForm::AddLabel(int top)
{
    auto& label = Adopt(std::make_unique<TLabel>());
    label.SetBounds(12, top, 336, 20);
    label.SetParent(this);
    return label;
}

const TMessageMap& TEditorDemoForm::Messages() const
{
    static const TMessageMap map(TForm::Messages(), {{kShowStateMessage, &TEditorDemoForm::WMShowState}});
    return map;
}

void TEditorDemoForm::Count(int& counter)
{
    ++counter;
    ShowStateSoon();
}

void TEditorDemoForm::ShowStateSoon()
{
    if (showPending_ || !HandleAllocated())
        return;
    showPending_ = PostMessageA(Handle(), kShowStateMessage, 0, 0);
}

void TEditorDemoForm::WMShowState(TMessage&)
{
    showPending_ = false;
    ShowState();
}

void TEditorDemoForm::ShowState()
{
    const auto& posts = editor_->Binding().Posts;
    ShowText(*valueLine_, "Value: " + ValueText(editor_->EditValue()));
    ShowText(*postedLine_, "Posted: " + (posts.empty() ? std::string("none") : ValueText(posts.back())));
    ShowText(*eventsLine_, "Events: change=" + std::to_string(changes_) + " valuechanged=" + std::to_string(valueChanges_) +
                           " validate=" + std::to_string(validations_) + " exit=" + std::to_string(exits_));
}
