#include "editors/foundation/lookandfeel/cxlookandfeelplatform.h"

#include "editors/foundation/lookandfeel/cxlookandfeels.h"
#include "editors/foundation/painters/cxstylepainters.h"
#include "editors/foundation/theme/cxsystempalette.h"
#include "editors/foundation/theme/dxthememanager.h"

namespace {

class TPaletteWatch : public TcxPaletteWatch {
public:
    explicit TPaletteWatch(std::function<void()> onChange) { notifier_.OnPaletteChange = std::move(onChange); }

private:
    TcxSystemPaletteChangedNotifier notifier_;
};

} // namespace

TcxCustomLookAndFeelPainterClass cxPainterOfKind(TcxLookAndFeelKind kind)
{
    switch (kind) {
    case lfFlat:
        return &TcxFlatLookAndFeelPainter::Instance;
    case lfStandard:
        return &TcxStandardLookAndFeelPainter::Instance;
    case lfOffice11:
        return &TcxOffice11LookAndFeelPainter::Instance;
    default:
        return &TcxUltraFlatLookAndFeelPainter::Instance;
    }
}

TcxCustomLookAndFeelPainterClass cxNativePainter()
{
    return &TcxWinXPLookAndFeelPainter::Instance;
}

void cxLookAndFeelsStart()
{
    TcxLookAndFeelPlatform platform;
    platform.KindPainter = cxPainterOfKind;
    platform.NativePainter = cxNativePainter;
    platform.ThemesUsable = [](TdxThemeClassSet classes) { return ThemesUsable(classes); };
    platform.ThemeClassUsable = ThemeClassUsable;
    platform.WatchPalette = [](std::function<void()> onChange) -> std::unique_ptr<TcxPaletteWatch> {
        return std::make_unique<TPaletteWatch>(std::move(onChange));
    };
    cxSetLookAndFeelPlatform(platform);
    cxLookAndFeelsInitialize();
}

void cxLookAndFeelsStop()
{
    cxLookAndFeelsFinalize();
    cxSetLookAndFeelPlatform(TcxLookAndFeelPlatform{});
}
