// Which painter draws a control: a look and feel whose Kind, NativeStyle and
// SkinName are each assigned on it or follow its master, the process's root
// look and feel at the top, and the form component that edits the root.
// Painters, theme tests and palette notifications come from the platform
// through TcxLookAndFeelPlatform, so the decisions run on the host too.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "classlib/component.h"
#include "editors/foundation/core/cxclasses.h"
#include "editors/foundation/core/cxlistenerlist.h"
#include "editors/foundation/painters/cxextendedstylepainters.h"
#include "editors/foundation/painters/cxpaintergeometry.h"
#include "editors/foundation/theme/dxthemecache.h"

enum : unsigned { lfvKind = 1, lfvNativeStyle = 2, lfvSkinName = 4 };
// A set of lfvKind, lfvNativeStyle and lfvSkinName.
using TcxLookAndFeelValues = unsigned;
constexpr TcxLookAndFeelValues lfvAll = lfvKind | lfvNativeStyle | lfvSkinName;

struct TcxLookAndFeelData {
    TcxLookAndFeelKind Kind = lfUltraFlat;
    bool NativeStyle = false;
    std::string SkinName;
};

class TcxLookAndFeel;

class ILookAndFeelChangeListener {
public:
    virtual TPersistent* ListenerObject() = 0;
    virtual void MasterValuesChanged(TcxLookAndFeel* sender, TcxLookAndFeelValues changed) = 0;
    virtual void MasterFreeing(TcxLookAndFeel* sender) = 0;

protected:
    ~ILookAndFeelChangeListener() = default;
};

// Owned by a look and feel: tells it of system colour changes while it lives.
class TcxPaletteWatch {
public:
    virtual ~TcxPaletteWatch() = default;
};

struct TcxLookAndFeelPlatform {
    // The painter of a kind, and the native painter; nullptr where missing.
    TcxCustomLookAndFeelPainterClass (*KindPainter)(TcxLookAndFeelKind kind) = nullptr;
    TcxCustomLookAndFeelPainterClass (*NativePainter)() = nullptr;
    // Whether visual styles serve the classes (none: only the library); missing: never.
    bool (*ThemesUsable)(TdxThemeClassSet classes) = nullptr;
    bool (*ThemeClassUsable)(int classIndex) = nullptr;
    std::unique_ptr<TcxPaletteWatch> (*WatchPalette)(std::function<void()> onChange) = nullptr;
};
// Look and feels made afterwards use these.
void cxSetLookAndFeelPlatform(const TcxLookAndFeelPlatform& platform);

class TcxLookAndFeel : public TcxInterfacedPersistent, public ILookAndFeelChangeListener, public IPainterListListener {
public:
    using TChangeEvent = std::function<void(TcxLookAndFeel* sender, TcxLookAndFeelValues changed)>;

    explicit TcxLookAndFeel(TPersistent* owner = nullptr);
    ~TcxLookAndFeel() override;

    // Another look and feel's own values, assigned set and effective master.
    void Assign(const TPersistent& source) override;

    // The current state.
    TcxLookAndFeelKind GetKind() const { return current_.Kind; }
    bool GetNativeStyle() const { return current_.NativeStyle; }
    const std::string& GetSkinName() const { return current_.SkinName; }
    TcxCustomLookAndFeelPainterClass GetPainter() const { return painter_; }
    TcxCustomLookAndFeelPainterClass SkinPainter() const { return skinPainter_; }
    // The native painter when NativeStyle is on and the classes are usable,
    // else the skin painter, else the Kind's.
    TcxCustomLookAndFeelPainterClass ChoosePainter(TdxThemeClassSet classes = 0) const;
    TcxCustomLookAndFeelPainterClass ChoosePainterForClass(int themeClass) const;

    const TcxLookAndFeelData& Data() const { return data_; }
    TcxLookAndFeelValues AssignedValues() const { return assigned_; }
    void SetAssignedValues(TcxLookAndFeelValues values);
    void ClearAssignedValues() { SetAssignedValues(0); }
    void SetKind(TcxLookAndFeelKind value);
    void SetNativeStyle(bool value);
    void SetSkinName(const std::string& value);

    TcxLookAndFeel* Master() const { return master_; }
    // Ignored on the root, for the object itself, for its effective master
    // and for one whose master chain leads back here.
    void SetMaster(TcxLookAndFeel* value);
    bool IsRoot() const { return isRoot_; }

    void AttachListener(ILookAndFeelChangeListener* listener);
    void DetachListener(ILookAndFeelChangeListener* listener);
    int ListenerCount() const { return listeners_.Count(); }

    virtual TcxLookAndFeelKind EffectiveKind() const;
    virtual bool EffectiveNativeStyle() const;
    virtual std::string EffectiveSkinName() const;
    virtual TcxCustomLookAndFeelPainterClass EffectiveSkinPainter() const;
    virtual bool FindSkinPainter(const std::string& name, TcxCustomLookAndFeelPainterClass& painter) const;
    virtual void PaletteChanged();

    TChangeEvent OnChanged;

    // The root: made by the unit's start, nullptr outside it.
    static std::unique_ptr<TcxLookAndFeel> CreateRoot();

protected:
    const TPropertyTable& Properties() const override;
    void Changed(TcxLookAndFeelValues changed);

    TPersistent* ListenerObject() override { return this; }
    void MasterValuesChanged(TcxLookAndFeel* sender, TcxLookAndFeelValues changed) override;
    void MasterFreeing(TcxLookAndFeel* sender) override;
    void PainterListChanged() override;

private:
    struct TRootTag {};
    TcxLookAndFeel(TPersistent* owner, TRootTag);

    // The master, or the root for an object without one.
    TcxLookAndFeel* EffectiveMaster() const;
    TcxLookAndFeel* EffectiveMasterOf(TcxLookAndFeel* master) const;
    // The values whose effective value differs from the remembered state.
    TcxCustomLookAndFeelPainterClass ChoosePainterWith(bool native) const;
    TcxLookAndFeelValues DifferencesFrom(const TcxLookAndFeelData& saved) const;
    void ChangeMaster(TcxLookAndFeel* value);

    TcxLookAndFeelData current_, data_;
    TcxCustomLookAndFeelPainterClass painter_ = nullptr, skinPainter_ = nullptr;
    TcxLookAndFeelValues assigned_ = 0;
    TcxListenerList<ILookAndFeelChangeListener> listeners_;
    TcxLookAndFeel* master_ = nullptr;
    bool isRoot_ = false;
    bool destroying_ = false;
    bool listensToPainters_ = false;
    std::unique_ptr<TcxPaletteWatch> paletteWatch_;
};

// The process-wide root look and feel.
TcxLookAndFeel* ProcessLookAndFeel();
// How many controllers edit the root.
int cxLookAndFeelControllerCount();

class TcxLookAndFeelController : public TComponent, public ILookAndFeelChangeListener {
public:
    explicit TcxLookAndFeelController(TComponent* owner = nullptr);
    ~TcxLookAndFeelController() override;

    // The root's current values (lfUltraFlat, false, empty without a root).
    TcxLookAndFeelKind Kind() const;
    bool NativeStyle() const;
    std::string SkinName() const;
    void SetKind(TcxLookAndFeelKind value);
    void SetNativeStyle(bool value);
    void SetSkinName(const std::string& value);

    TPersistent* ListenerObject() override { return this; }
    void MasterValuesChanged(TcxLookAndFeel* sender, TcxLookAndFeelValues changed) override;
    // A form designer would be told its form changed; this library has none.
    void MasterFreeing(TcxLookAndFeel* sender) override;

protected:
    const TPropertyTable& Properties() const override;
};

// Unit start and end: the root look and feel; form text can make a controller.
void cxLookAndFeelsInitialize();
void cxLookAndFeelsFinalize();
