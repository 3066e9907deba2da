#include "editors/controls/text/cxfiltertextedithelper.h"

#include "editors/controls/text/cxtextedit.h"
#include "editors/edit/repository/cxeditpropertiesregistry.h"

const TcxClass TcxFilterTextEditHelper::Class{"TcxFilterTextEditHelper", &TcxCustomFilterEditHelper::Class, nullptr};
const TcxFilterTextEditHelper TcxFilterTextEditHelper::Instance{TcxFilterTextEditHelper::Class};

const TcxClass* TcxFilterTextEditHelper::FilterEditorClass() const
{
    return &cxTextEditClass;
}

void TcxFilterTextEditHelper::InitFilterProperties(TcxCustomEditProperties& target,
                                                   const TcxCustomEditProperties& source, bool keepButtons) const
{
    TcxCustomFilterEditHelper::InitFilterProperties(target, source, keepButtons);
    auto* text = dynamic_cast<TcxCustomTextEditProperties*>(&target);
    if (!text)
        return;
    text->SetAutoSelect(true);
    text->SetHideSelection(true);
    text->SetTextViewStyle(0);
}

void TcxFilterTextEditHelper::ApplyFilterValue(TcxCustomEdit& edit, TcxCustomEditProperties&,
                                               const Variant& value) const
{
    edit.SetEditValue(value);
}

void cxTextEditInitialize()
{
    EditPropertiesRegistry().Register(&cxTextEditPropertiesClass, "TextEdit|Represents a single line text editor");
    FilterEditsControllerInstance().Register(&cxTextEditPropertiesClass, &TcxFilterTextEditHelper::Instance);
    RegisterComponentClass(cxTextEditClass.Name, cxTextEditClass.Factory);
}

// The controller frees itself with its last registration.
void cxTextEditFinalize()
{
    FilterEditsControllerInstance().Unregister(&cxTextEditPropertiesClass, &TcxFilterTextEditHelper::Instance);
}
