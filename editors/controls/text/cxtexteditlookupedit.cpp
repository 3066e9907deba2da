#include "editors/controls/text/cxtexteditlookupedit.h"

#include "editors/controls/text/cxtextedit.h"
#include "editors/controls/text/cxtexteditlookupdata.h"
#include "editors/controls/text/cxtextincrementalsearch.h"

namespace {

class TEditLookupOwner : public IcxTextEditLookupOwner {
public:
    explicit TEditLookupOwner(TcxCustomTextEdit& edit) : edit_(edit) {}

    std::span<const std::string> LookupItems() const override
    {
        return edit_.ActiveProperties().LookupItems().Strings();
    }
    TcxLookupSearchOptions LookupSearchOptions() const override
    {
        const TcxCustomTextEditProperties& p = edit_.ActiveProperties();
        return {p.GetEditingMode(), p.MostRecentlyUsed()};
    }
    bool ImmediateUpdateText() const override { return edit_.ActiveProperties().ImmediateUpdateText(); }
    int LookupPageSize() const override { return edit_.ActiveProperties().GetLookupPageSize(); }
    std::string LookupEditText() const override { return edit_.Text(); }
    void SetLookupTextLocked(bool value) override { edit_.LockLookupDataTextChanged(value); }
    bool SettingEditMode() const override { return false; }
    bool RequestLookupEditing() override { return edit_.RequestEditing(); }

protected:
    TcxCustomTextEdit& edit_;
};

// The owner first, so it is there when the lookup data is made.
class TEditLookupData final : private TEditLookupOwner, public TcxCustomTextEditLookupData {
public:
    explicit TEditLookupData(TcxCustomTextEdit& edit)
        : TEditLookupOwner(edit), TcxCustomTextEditLookupData(&edit, static_cast<TEditLookupOwner&>(*this))
    {
    }
};

class TEditSearchPort final : public TcxIncrementalSearchPort {
public:
    TEditSearchPort(TcxCustomTextEdit& edit, IcxTextEditLookupData& data) : edit_(edit), data_(data) {}

    IcxTextEditLookupData& LookupData() override { return data_; }
    TcxTextEditingMode EditingMode() const override { return edit_.ActiveProperties().GetEditingMode(); }
    bool IncrementalSearch() const override { return edit_.ActiveProperties().IncrementalSearch(); }
    bool FixedListSelection() const override { return edit_.ActiveProperties().FixedListSelection(); }
    std::string Text() const override { return edit_.Text(); }
    int SelStart() const override { return edit_.SelectionStart(); }
    int SelLength() const override { return edit_.SelectionLength(); }
    void Select(int start, int length) override { edit_.SelectRange(start, length); }
    bool FindSelection() const override { return edit_.FindSelection(); }
    void SetFindSelection(bool value) override { edit_.SetFindSelection(value); }
    void ApplyDisplayText(const std::string& text) override { edit_.ApplyDisplayValue(Variant(text)); }
    char PendingSecondByte() const override
    {
        const IcxInnerTextEdit* inner = edit_.InnerTextEdit();
        return inner ? inner->GetImeLastChar() : '\0';
    }
    void SetLookupTextLocked(bool value) override { edit_.LockLookupDataTextChanged(value); }
    // Only a hidden EDIT leaves the text to the view to paint.
    void UpdateDrawValue() override
    {
        if (!edit_.IsInnerEditVisible())
            edit_.UpdateDrawValue();
    }

private:
    TcxCustomTextEdit& edit_;
    IcxTextEditLookupData& data_;
};

} // namespace

std::unique_ptr<IcxTextEditLookupData> cxCreateTextEditLookupData(TcxCustomTextEdit& owner)
{
    return std::make_unique<TEditLookupData>(owner);
}

bool cxTextEditIncrementalSearch(TcxCustomTextEdit& edit, char key)
{
    IcxTextEditLookupData* data = edit.LookupData();
    if (!data || !edit.ActiveProperties().HasLookupData())
        return false;
    TEditSearchPort port(edit, *data);
    return cxIncrementalSearchKey(port, key);
}
