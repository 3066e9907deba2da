// A masked editor's settings: the mask and its kind, how blanks and
// literals show, and the mode without an editor that turns values into
// masked texts. With a mask present the text properties' length limit,
// lookup items and display formats step aside.
#pragma once

#include <memory>
#include <string>

#include "editors/controls/mask/cxmaskeditmode.h"
#include "editors/controls/text/cxtexteditproperties.h"

using TcxEditMask = std::string;

class TcxCustomMaskEditProperties : public TcxCustomTextEditProperties {
public:
    explicit TcxCustomMaskEditProperties(TPersistent* owner);
    ~TcxCustomMaskEditProperties() override;

    // The text properties, then the mask's, inside one update; a mask that
    // does not compile in the source's kind raises EcxMaskEditError first
    // and nothing changes.
    void Assign(const TPersistent& source) override;

    bool AlwaysShowBlanksAndLiterals() const { return alwaysShowBlanksAndLiterals_; }
    void SetAlwaysShowBlanksAndLiterals(bool value);
    bool CaseInsensitive() const { return caseInsensitive_; }
    // True whenever CharCase is not normal.
    void SetCaseInsensitive(bool value);
    const TcxEditMask& EditMask() const { return editMask_; }
    // A new mask compiles in a mode of the current kind first: one that
    // does not raises EcxMaskEditError and the old mask stays.
    void SetEditMask(const TcxEditMask& value);
    bool IgnoreMaskBlank() const { return ignoreMaskBlank_; }
    void SetIgnoreMaskBlank(bool value);
    TcxEditMaskKind MaskKind() const { return maskKind_; }
    // The mask compiles in the new kind first, as SetEditMask does.
    void SetMaskKind(TcxEditMaskKind value);

    // The mask in force (no default values provider here supplies one).
    TcxEditMask EffectiveEditMask() const { return editMask_; }
    // A mask that is neither empty nor blanks only.
    bool IsMasked() const;
    // What a mode of these properties is told.
    TcxMaskEditModeOptions ModeOptions() const;
    // A mode of the class for kind, compiled with mask; raises EcxMaskEditError.
    std::unique_ptr<TcxMaskEditCustomMode> CreateMode(TcxEditMaskKind kind, TcxMaskEditPort* port,
                                                      const TcxEditMask& mask) const;
    // The owned mode without an editor, made again after every change.
    TcxMaskEditCustomMode& DisplayMode() const;
    // The empty value of the mask in force, as its mode gives it.
    Variant GetEmptyValue() const override;

    // The operation the mask properties add: the mode class for a kind
    // (the time editor answers its own for every kind).
    virtual TcxMaskEditModeClass GetModeClass(TcxEditMaskKind kind) const;

    // With a mask present: MaxLength back to 0 on every change, no lookup
    // items, no display formats, every edit value acceptable, values shown
    // and validated through the mask.
    void Changed() override;
    void CharCaseChanged() override;
    bool HasLookupData() const override;
    TcxEditDisplayFormatOptions SupportsDisplayFormat() const override;
    bool IsEditValueValid(Variant& value, bool editing) const override;
    const TcxClass* GetEditClass() const override;
    std::unique_ptr<TcxCustomEditProperties> CreateSameClass() const override;
    void ValueToDisplayValue(const Variant& value, Variant& displayValue, bool editing) const override;
    void ValidateValue(Variant& value, std::string& errorText, TcxCustomEdit* edit, bool& error) override;

protected:
    // Descendants with assigned values of their own pass their class.
    TcxCustomMaskEditProperties(TPersistent* owner, TcxCustomEditPropertiesValuesClass valuesClass);
    const TPropertyTable& Properties() const override;

private:
    bool alwaysShowBlanksAndLiterals_ = false;
    bool caseInsensitive_ = true;
    TcxEditMask editMask_;
    bool ignoreMaskBlank_ = false;
    TcxEditMaskKind maskKind_ = emkStandard;
    mutable std::unique_ptr<TcxMaskEditCustomMode> displayMode_;
};

// The published form.
class TcxMaskEditProperties : public TcxCustomMaskEditProperties {
public:
    using TcxCustomMaskEditProperties::TcxCustomMaskEditProperties;
    std::unique_ptr<TcxCustomEditProperties> CreateSameClass() const override;
};

// The class records of the masked editor's properties, for the registries.
extern const TcxClass cxCustomMaskEditPropertiesClass;
extern const TcxClass cxMaskEditPropertiesClass;
