#include "editors/foundation/lookandfeel/cxlookandfeels.h"

#include <algorithm>

#include "classlib/classregistry.h"
#include "classlib/propertytable.h"

namespace {

TcxLookAndFeelPlatform platform;
TcxLookAndFeel* root = nullptr;
std::unique_ptr<TcxLookAndFeel> rootOwner;
int controllerCount = 0;

const TEnumName<TcxLookAndFeelKind> kindNames[] = {
    {"lfFlat", lfFlat}, {"lfStandard", lfStandard}, {"lfUltraFlat", lfUltraFlat}, {"lfOffice11", lfOffice11}};

bool IsController(ILookAndFeelChangeListener* listener)
{
    return dynamic_cast<TcxLookAndFeelController*>(listener->ListenerObject()) != nullptr;
}

TcxLookAndFeelData StateOf(const TcxLookAndFeel& lf)
{
    return TcxLookAndFeelData{lf.GetKind(), lf.GetNativeStyle(), lf.GetSkinName()};
}

} // namespace

void cxSetLookAndFeelPlatform(const TcxLookAndFeelPlatform& value)
{
    platform = value;
}

TcxLookAndFeel* ProcessLookAndFeel()
{
    return root;
}

int cxLookAndFeelControllerCount()
{
    return controllerCount;
}

TcxLookAndFeel::TcxLookAndFeel(TPersistent* owner, TRootTag) : TcxInterfacedPersistent(owner)
{
    current_ = data_;
}

TcxLookAndFeel::TcxLookAndFeel(TPersistent* owner) : TcxLookAndFeel(owner, TRootTag{})
{
    // The root watches nothing: every other look and feel hears the change
    // itself, so no palette listener runs before the first control's.
    if (platform.WatchPalette)
        paletteWatch_ = platform.WatchPalette([this] { PaletteChanged(); });
    if (root) {
        root->AttachListener(this);
        current_ = TcxLookAndFeelData{EffectiveKind(), EffectiveNativeStyle(), EffectiveSkinName()};
        if (!current_.NativeStyle)
            skinPainter_ = EffectiveSkinPainter();
    }
    painter_ = ChoosePainter();
}

std::unique_ptr<TcxLookAndFeel> TcxLookAndFeel::CreateRoot()
{
    std::unique_ptr<TcxLookAndFeel> made(new TcxLookAndFeel(nullptr, TRootTag{}));
    made->isRoot_ = true;
    made->painter_ = made->ChoosePainter();
    return made;
}

TcxLookAndFeel::~TcxLookAndFeel()
{
    if (listensToPainters_ && GetExtendedStylePainters())
        GetExtendedStylePainters()->RemoveListener(this);
    paletteWatch_.reset();
    destroying_ = true;
    listeners_.ForEach([this](ILookAndFeelChangeListener& listener) { listener.MasterFreeing(this); });
    if (TcxLookAndFeel* master = EffectiveMaster())
        master->DetachListener(this);
    if (root == this)
        root = nullptr;
}

TcxLookAndFeel* TcxLookAndFeel::EffectiveMasterOf(TcxLookAndFeel* master) const
{
    if (isRoot_)
        return nullptr;
    return master ? master : root;
}

TcxLookAndFeel* TcxLookAndFeel::EffectiveMaster() const
{
    return EffectiveMasterOf(master_);
}

TcxLookAndFeelKind TcxLookAndFeel::EffectiveKind() const
{
    if (assigned_ & lfvKind)
        return data_.Kind;
    const TcxLookAndFeel* m = EffectiveMaster();
    return m ? m->GetKind() : lfUltraFlat;
}

bool TcxLookAndFeel::EffectiveNativeStyle() const
{
    if (assigned_ & lfvNativeStyle)
        return data_.NativeStyle;
    const TcxLookAndFeel* m = EffectiveMaster();
    return m && m->GetNativeStyle();
}

std::string TcxLookAndFeel::EffectiveSkinName() const
{
    if (assigned_ & lfvSkinName)
        return data_.SkinName;
    const TcxLookAndFeel* m = EffectiveMaster();
    return m ? m->GetSkinName() : std::string();
}

TcxCustomLookAndFeelPainterClass TcxLookAndFeel::EffectiveSkinPainter() const
{
    TcxCustomLookAndFeelPainterClass painter = nullptr;
    if (assigned_ & lfvSkinName)
        FindSkinPainter(data_.SkinName, painter);
    else if (const TcxLookAndFeel* m = EffectiveMaster())
        FindSkinPainter(m->GetSkinName(), painter);
    return painter;
}

bool TcxLookAndFeel::FindSkinPainter(const std::string& name, TcxCustomLookAndFeelPainterClass& painter) const
{
    painter = nullptr;
    const TcxExtendedStylePainters* painters = GetExtendedStylePainters();
    return !name.empty() && painters && painters->GetPainterByName(name, painter);
}

TcxCustomLookAndFeelPainterClass TcxLookAndFeel::ChoosePainter(TdxThemeClassSet classes) const
{
    const bool native = current_.NativeStyle && platform.ThemesUsable && platform.ThemesUsable(classes);
    return ChoosePainterWith(native);
}

TcxCustomLookAndFeelPainterClass TcxLookAndFeel::ChoosePainterForClass(int themeClass) const
{
    const bool native = current_.NativeStyle && platform.ThemeClassUsable && platform.ThemeClassUsable(themeClass);
    return ChoosePainterWith(native);
}

TcxCustomLookAndFeelPainterClass TcxLookAndFeel::ChoosePainterWith(bool native) const
{
    if (native && platform.NativePainter)
        return platform.NativePainter();
    if (skinPainter_)
        return skinPainter_;
    return platform.KindPainter ? platform.KindPainter(current_.Kind) : nullptr;
}

void TcxLookAndFeel::Changed(TcxLookAndFeelValues changed)
{
    if (changed == 0 || destroying_)
        return;
    current_ = TcxLookAndFeelData{EffectiveKind(), EffectiveNativeStyle(), EffectiveSkinName()};
    skinPainter_ = current_.NativeStyle ? nullptr : EffectiveSkinPainter();
    painter_ = ChoosePainter();
    if (TcxExtendedStylePainters* painters = GetExtendedStylePainters()) {
        listensToPainters_ = skinPainter_ != nullptr;
        if (listensToPainters_)
            painters->AddListener(this);
        else
            painters->RemoveListener(this);
    }
    if (!listeners_.ForEach(
            [&](ILookAndFeelChangeListener& listener) { listener.MasterValuesChanged(this, changed); }))
        return;
    if (OnChanged)
        OnChanged(this, changed);
}

TcxLookAndFeelValues TcxLookAndFeel::DifferencesFrom(const TcxLookAndFeelData& saved) const
{
    TcxLookAndFeelValues changed = 0;
    if (EffectiveKind() != saved.Kind)
        changed |= lfvKind;
    if (EffectiveNativeStyle() != saved.NativeStyle)
        changed |= lfvNativeStyle;
    if (EffectiveSkinName() != saved.SkinName)
        changed |= lfvSkinName;
    return changed;
}

void TcxLookAndFeel::SetKind(TcxLookAndFeelKind value)
{
    const TcxLookAndFeelKind before = current_.Kind;
    assigned_ |= lfvKind;
    data_.Kind = value;
    if (EffectiveKind() != before)
        Changed(lfvKind);
}

void TcxLookAndFeel::SetNativeStyle(bool value)
{
    const bool before = current_.NativeStyle;
    assigned_ |= lfvNativeStyle;
    data_.NativeStyle = value;
    if (EffectiveNativeStyle() != before)
        Changed(lfvNativeStyle);
}

void TcxLookAndFeel::SetSkinName(const std::string& value)
{
    const std::string before = current_.SkinName;
    assigned_ |= lfvSkinName;
    data_.SkinName = value;
    if (EffectiveSkinName() != before)
        Changed(lfvSkinName);
}

void TcxLookAndFeel::SetAssignedValues(TcxLookAndFeelValues values)
{
    values &= lfvAll;
    if (values == assigned_)
        return;
    const TcxLookAndFeelData saved = StateOf(*this);
    assigned_ = values;
    Changed(DifferencesFrom(saved));
}

void TcxLookAndFeel::ChangeMaster(TcxLookAndFeel* value)
{
    if (isRoot_ || value == this || EffectiveMasterOf(value) == EffectiveMaster())
        return;
    // A master whose own chain leads here would pass every change round for ever.
    for (const TcxLookAndFeel* m = value; m; m = m->master_)
        if (m == this)
            return;
    if (TcxLookAndFeel* old = EffectiveMaster())
        old->DetachListener(this);
    master_ = value;
    if (TcxLookAndFeel* now = EffectiveMaster())
        now->AttachListener(this);
}

void TcxLookAndFeel::SetMaster(TcxLookAndFeel* value)
{
    const TcxLookAndFeelData saved = StateOf(*this);
    ChangeMaster(value);
    Changed(DifferencesFrom(saved));
}

void TcxLookAndFeel::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TcxLookAndFeel*>(&source);
    if (!other)
        return TcxInterfacedPersistent::Assign(source);
    const TcxLookAndFeelData saved = StateOf(*this);
    data_ = other->data_;
    assigned_ = other->assigned_;
    ChangeMaster(other->EffectiveMaster());
    Changed(DifferencesFrom(saved));
}

void TcxLookAndFeel::AttachListener(ILookAndFeelChangeListener* listener)
{
    // One that goes is told no more news.
    if (destroying_ || !listener || listeners_.Contains(listener))
        return;
    const bool controller = IsController(listener);
    if (controller && !isRoot_)
        return;
    listeners_.Add(listener);
    if (controller)
        ++controllerCount;
}

void TcxLookAndFeel::DetachListener(ILookAndFeelChangeListener* listener)
{
    if (!listeners_.Remove(listener))
        return;
    if (isRoot_ && IsController(listener) && --controllerCount == 0)
        ClearAssignedValues();
}

void TcxLookAndFeel::MasterValuesChanged(TcxLookAndFeel*, TcxLookAndFeelValues changed)
{
    Changed(changed & ~assigned_);
}

void TcxLookAndFeel::MasterFreeing(TcxLookAndFeel*)
{
    SetMaster(nullptr);
}

void TcxLookAndFeel::PaletteChanged()
{
    Changed(lfvNativeStyle);
}

void TcxLookAndFeel::PainterListChanged()
{
    Changed(lfvAll);
}

const TPropertyTable& TcxLookAndFeel::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TcxLookAndFeel>(TPersistent::Properties(), {
        {"Kind", [](TcxLookAndFeel& lf, const TPropertyValue& v) { lf.SetKind(v.Enum(kindNames)); }},
        {"NativeStyle", [](TcxLookAndFeel& lf, const TPropertyValue& v) { lf.SetNativeStyle(v.Bool()); }},
        {"SkinName", [](TcxLookAndFeel& lf, const TPropertyValue& v) { lf.SetSkinName(v.Text()); }},
    });
    return table;
}

TcxLookAndFeelController::TcxLookAndFeelController(TComponent* owner) : TComponent(owner)
{
    if (root)
        root->AttachListener(this);
}

TcxLookAndFeelController::~TcxLookAndFeelController()
{
    if (root)
        root->DetachListener(this);
}

TcxLookAndFeelKind TcxLookAndFeelController::Kind() const
{
    return root ? root->GetKind() : lfUltraFlat;
}

bool TcxLookAndFeelController::NativeStyle() const
{
    return root && root->GetNativeStyle();
}

std::string TcxLookAndFeelController::SkinName() const
{
    return root ? root->GetSkinName() : std::string();
}

void TcxLookAndFeelController::SetKind(TcxLookAndFeelKind value)
{
    if (root)
        root->SetKind(value);
}

void TcxLookAndFeelController::SetNativeStyle(bool value)
{
    if (root)
        root->SetNativeStyle(value);
}

void TcxLookAndFeelController::SetSkinName(const std::string& value)
{
    if (root)
        root->SetSkinName(value);
}

void TcxLookAndFeelController::MasterValuesChanged(TcxLookAndFeel*, TcxLookAndFeelValues) {}

void TcxLookAndFeelController::MasterFreeing(TcxLookAndFeel*) {}

const TPropertyTable& TcxLookAndFeelController::Properties() const
{
    using C = TcxLookAndFeelController;
    static const TPropertyTable table = TPropertyTable::Of<C>(TComponent::Properties(), {
        {"Kind", [](C& c, const TPropertyValue& v) { c.SetKind(v.Enum(kindNames)); }},
        {"NativeStyle", [](C& c, const TPropertyValue& v) { c.SetNativeStyle(v.Bool()); }},
        {"SkinName", [](C& c, const TPropertyValue& v) { c.SetSkinName(v.Text()); }},
    });
    return table;
}

void cxLookAndFeelsInitialize()
{
    rootOwner = TcxLookAndFeel::CreateRoot();
    root = rootOwner.get();
    RegisterComponentClass<TcxLookAndFeelController>("TcxLookAndFeelController");
}

void cxLookAndFeelsFinalize()
{
    rootOwner.reset();
}
