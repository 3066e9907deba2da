// One of a container's four state styles. A style holds only the values set
// on it; any other value comes from the style of the same state in the
// linked style controller (and its controller, and so on), else from a
// default that depends on the state, the look and feel and the normal
// style. The normal (base) style alone owns the font, the look and feel and
// the controller link; the state styles read and write those through it.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "classlib/colors.h"
#include "classlib/font.h"
#include "editors/edit/styles/cxcontainerstyletypes.h"
#include "editors/foundation/core/cxclasses.h"
#include "editors/foundation/graphics/cxcanvasgeometry.h"
#include "editors/foundation/lookandfeel/cxlookandfeels.h"

class IcxStyleContainer;
class TcxContainerStyle;
class TcxStyleController;

// The set TcxBorders (bLeft ... bBottom).
using TcxBorders = unsigned;
using TcxStyleChangedEvent = std::function<void(TcxContainerStyle& sender)>;

// A style class as a value: makes a style of that class.
using TcxContainerStyleClass = std::unique_ptr<TcxContainerStyle> (*)(
    TPersistent* owner, TcxContainerStyleState state, TcxContainerStyle* parentStyle, bool directAccess);

class TcxContainerStyle : public TcxInterfacedPersistent {
public:
    // parentStyle: the normal style, for states other than cssNormal. A
    // direct-access style is a plain value holder: no fallbacks, no change
    // events, and a borrowed font.
    TcxContainerStyle(TPersistent* owner, TcxContainerStyleState state, TcxContainerStyle* parentStyle,
                      bool directAccess);
    ~TcxContainerStyle() override;
    static std::unique_ptr<TcxContainerStyle> Create(TPersistent* owner, TcxContainerStyleState state,
                                                     TcxContainerStyle* parentStyle, bool directAccess);

    // From another container style; other classes fail as the class library's do.
    void Assign(const TPersistent& source) override;

    TcxContainerStyleState State() const { return state_; }
    TcxContainerStyle* ParentStyle() const { return parentStyle_; }
    bool IsBaseStyle() const { return !parentStyle_; }
    TcxContainerStyle& BaseStyle() { return parentStyle_ ? *parentStyle_ : *this; }
    const TcxContainerStyle& BaseStyle() const { return parentStyle_ ? *parentStyle_ : *this; }
    bool DirectAccessMode() const { return directAccess_; }
    // The owner as a container, or nullptr.
    IcxStyleContainer* Container() const;

    TcxContainerStyleValues AssignedValues() const;
    void SetAssignedValues(TcxContainerStyleValues values);

    TColor BorderColor() const;
    void SetBorderColor(TColor value);
    TcxContainerBorderStyle BorderStyle() const;
    void SetBorderStyle(TcxContainerBorderStyle value);
    TColor Color() const { return ReadColor(); }
    void SetColor(TColor value);
    TcxBorders Edges() const;
    void SetEdges(TcxBorders value);
    // The base style's font; in direct-access mode the borrowed one (may be none).
    TFont* Font() const;
    void SetFont(TFont* value);
    bool HotTrack() const;
    void SetHotTrack(bool value);
    TcxLookAndFeel& LookAndFeel() const;
    void SetLookAndFeel(const TcxLookAndFeel& value);
    bool Shadow() const;
    void SetShadow(bool value);
    TColor TextColor() const { return ReadTextColor(); }
    void SetTextColor(TColor value);
    TFontStyles TextStyle() const { return ReadTextStyle(); }
    void SetTextStyle(TFontStyles value);
    bool TransparentBorder() const;
    void SetTransparentBorder(bool value);
    // The font with the effective text colour and text style, made afresh.
    const TFont& VisibleFont() const;

    // The linked controller, reported as none when it is the default one.
    TcxStyleController* StyleController() const;
    // None links the default controller; a controller whose chain of links
    // leads back to this style is refused, silently.
    void SetStyleController(TcxStyleController* value);
    // The controller actually linked, the default one included.
    TcxStyleController* LinkedController() const { return BaseStyle().controller_; }

    // The base style takes its container's font without making it a value
    // of its own: the Font flag stays as it was.
    void TakeContainerFont(const TFont& value);
    // The base style copies its font from the controllers when one of them
    // sets it, else resets it unless the container takes its parent's font.
    void DeriveFont();

    // Change events wait while locked and fire once at the last unlock.
    void LockChanges() { ++updateCount_; }
    void UnlockChanges();

    // Form-text and storing rules: a value is written only when set here
    // and published by the container for this state.
    // The index of a value's name, any case; false for no value's name.
    bool StyleValueIndex(const std::string& name, TcxContainerStyleValue& index) const;
    // A set of values written as "[svColor, svFont]": "sv" and a value's name.
    TcxContainerStyleValues ReadAssignedValues(const TPropertyValue& value) const;
    bool IsExtendedStylePropertyPublished(const std::string& name) const;
    bool IsStyleValueStored(TcxContainerStyleValue value) const;
    bool IsStyleControllerStored() const { return IsBaseStyle() && StyleController(); }
    bool IsFontAssignedStored() const { return IsStyleValueStored(svFont); }

    TcxStyleChangedEvent OnChanged;

    // The operations in their class's order.
    virtual void NotifyChanged();
    virtual void OnControllerChanged(TcxStyleController* controller);
    virtual void OnControllerFreed(TcxStyleController* controller);
    virtual TColor FallbackBorderColor() const;
    virtual TcxContainerBorderStyle FallbackBorderStyle() const;
    virtual TColor FallbackColor() const;
    virtual TcxBorders FallbackEdges() const { return cxBordersAll; }
    virtual bool FallbackHotTrack() const { return true; }
    virtual bool FallbackShadow() const { return false; }
    virtual TColor FallbackTextColor() const;
    virtual TFontStyles FallbackTextStyle() const;
    virtual bool FallbackTransparentBorder() const { return true; }
    virtual void FontChangeHandler();
    virtual TColor ReadColor() const;
    virtual TcxStyleController* GetFallbackController() const;
    virtual TColor ColorForControl() const;
    virtual TColor ReadTextColor() const;
    virtual TFontStyles ReadTextStyle() const;
    virtual TcxContainerStyleValues StateHiddenValues() const { return cxBaseStyleValues; }
    virtual int StyleValueCount() const;
    virtual bool StyleValueName(TcxContainerStyleValue index, std::string& name) const;
    virtual bool BorderShown() const { return BorderStyle() != cbsNone; }
    virtual bool IsValueProvided(TcxContainerStyleValue index) const;
    virtual void ResetValues();

protected:
    const TPropertyTable& Properties() const override;
    TPersistent* NestedObject(std::string_view name) override;

    // The first style of the lookup chain that sets value itself: this
    // one, then the same state's style of the base style's controller, and
    // so on; nullptr when none does.
    const TcxContainerStyle* ProvidingStyle(TcxContainerStyleValue value) const;
    bool IsOwnValue(TcxContainerStyleValue value) const { return assigned_ & cxStyleValueBit(value); }
    // Sets the value's own flag and tells of the change.
    void MarkAssigned(TcxContainerStyleValue value);

private:
    // The value from the lookup chain, else from fallback. In direct-access
    // mode direct, or without one the own value when set, else fallback.
    template <class T, class F>
    T Read(TcxContainerStyleValue value, T TcxContainerStyle::*field, F fallback, std::optional<T> direct) const;
    // The parent's colour when the base style's container takes it (for
    // the control, only out of place); else none.
    std::optional<TColor> ParentColorTaken(bool forControl) const;
    // Stores a value set on this style unless it is set already and equal.
    template <class T>
    void Write(TcxContainerStyleValue value, T TcxContainerStyle::*field, const T& newValue, const T& current);
    // The controller that owns this style, or nullptr.
    TcxStyleController* OwningController() const;
    // Whether the chain of controllers from controller reaches this style.
    bool ChainReaches(TcxStyleController* controller) const;
    void Link(TcxStyleController* controller);
    void ResetFont();

    TColor borderColor_ = clWindowFrame;
    TcxContainerBorderStyle borderStyle_ = cbsNone;
    TColor color_ = clWindow;
    TcxBorders edges_ = cxBordersAll;
    std::unique_ptr<TFont> ownFont_;
    TFont* font_ = nullptr;
    bool hotTrack_ = true;
    bool shadow_ = false;
    TColor textColor_ = clWindowText;
    TFontStyles textStyle_ = 0;
    bool transparentBorder_ = true;
    TcxContainerStyleValues assigned_ = 0;
    const bool directAccess_;
    const TcxContainerStyleState state_;
    TcxContainerStyle* const parentStyle_;
    TcxStyleController* controller_ = nullptr;
    std::unique_ptr<TcxLookAndFeel> lookAndFeel_;
    mutable TFont visibleFont_;
    int updateCount_ = 0;
    bool modified_ = false;
    bool destroying_ = false;
    int fontFlagLock_ = 0;
};
