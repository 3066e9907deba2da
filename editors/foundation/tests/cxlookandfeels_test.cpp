#include "editors/foundation/lookandfeel/cxlookandfeels.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Stand-ins for the painters: only their identities are compared.
std::array<char, 6> painterIds;
TcxCustomLookAndFeelPainterClass Painter(int id)
{
    return reinterpret_cast<TcxCustomLookAndFeelPainterClass>(&painterIds[id]);
}
constexpr int kNative = 4;
bool themesUsable = false;
std::vector<std::function<void()>> paletteHandlers;

class TWatch : public TcxPaletteWatch {};

// A platform with painters, switchable themes and palette watches the test can fire.
class LookAndFeels : public ::testing::Test {
protected:
    void SetUp() override
    {
        TcxLookAndFeelPlatform platform;
        platform.KindPainter = [](TcxLookAndFeelKind kind) { return Painter(kind); };
        platform.NativePainter = [] { return Painter(kNative); };
        platform.ThemesUsable = [](TdxThemeClassSet) { return themesUsable; };
        platform.WatchPalette = [](std::function<void()> onChange) -> std::unique_ptr<TcxPaletteWatch> {
            paletteHandlers.push_back(std::move(onChange));
            return std::make_unique<TWatch>();
        };
        cxSetLookAndFeelPlatform(platform);
        themesUsable = false;
        paletteHandlers.clear();
        cxLookAndFeelsInitialize();
    }
    void TearDown() override
    {
        cxLookAndFeelsFinalize();
        cxSetLookAndFeelPlatform(TcxLookAndFeelPlatform{});
    }
    TcxLookAndFeel& Root() { return *ProcessLookAndFeel(); }
};

// Records the notifications an object sends.
struct TRecorder {
    explicit TRecorder(TcxLookAndFeel& lf)
    {
        lf.OnChanged = [this](TcxLookAndFeel*, TcxLookAndFeelValues v) { changes.push_back(v); };
    }
    std::vector<TcxLookAndFeelValues> changes;
};

TEST_F(LookAndFeels, ANewObjectFollowsTheRootsUltraFlatDefault)
{
    TcxLookAndFeel lf;
    EXPECT_EQ(lf.GetKind(), lfUltraFlat);
    EXPECT_FALSE(lf.GetNativeStyle());
    EXPECT_EQ(lf.GetPainter(), Painter(lfUltraFlat));
    EXPECT_EQ(lf.AssignedValues(), 0u);
    EXPECT_EQ(Root().ListenerCount(), 1);
}

TEST_F(LookAndFeels, SettingTheMastersValueAssignsItButNotifiesNothing)
{
    TcxLookAndFeel lf;
    TRecorder recorder(lf);
    lf.SetKind(lfUltraFlat);
    EXPECT_EQ(lf.AssignedValues(), lfvKind);
    EXPECT_TRUE(recorder.changes.empty());
    lf.SetKind(lfFlat);
    EXPECT_EQ(recorder.changes, std::vector<TcxLookAndFeelValues>{lfvKind});
    EXPECT_EQ(lf.GetPainter(), Painter(lfFlat));
}

TEST_F(LookAndFeels, AssignedValuesStopTheMastersChangesUntilCleared)
{
    TcxLookAndFeel lf;
    TRecorder recorder(lf);
    lf.SetKind(lfStandard);
    recorder.changes.clear();
    Root().SetKind(lfOffice11);
    EXPECT_EQ(lf.GetKind(), lfStandard);
    EXPECT_TRUE(recorder.changes.empty());
    lf.ClearAssignedValues();
    EXPECT_EQ(lf.GetKind(), lfOffice11);
    EXPECT_EQ(recorder.changes, std::vector<TcxLookAndFeelValues>{lfvKind});
    Root().SetNativeStyle(true);
    EXPECT_TRUE(lf.GetNativeStyle());
}

TEST_F(LookAndFeels, NativeStyleTakesTheNativePainterOnlyWhileThemesServe)
{
    struct {
        bool themes;
        int painter;
    } cases[] = {{false, lfOffice11}, {true, kNative}};
    for (const auto& c : cases) {
        themesUsable = c.themes;
        TcxLookAndFeel lf;
        lf.SetKind(lfOffice11);
        lf.SetNativeStyle(true);
        EXPECT_EQ(lf.GetPainter(), Painter(c.painter)) << c.themes;
    }
}

TEST_F(LookAndFeels, AFreedMasterLeavesItsDependantsOnTheRootAndTellsThem)
{
    auto master = std::make_unique<TcxLookAndFeel>();
    master->SetKind(lfFlat);
    TcxLookAndFeel a, b;
    b.SetNativeStyle(true);
    a.SetMaster(master.get());
    b.SetMaster(master.get());
    EXPECT_EQ(a.GetKind(), lfFlat);
    TRecorder ra(a), rb(b);
    master.reset();
    EXPECT_EQ(a.Master(), nullptr);
    EXPECT_EQ(a.GetKind(), lfUltraFlat);
    EXPECT_EQ(ra.changes, std::vector<TcxLookAndFeelValues>{lfvKind});
    EXPECT_EQ(rb.changes, std::vector<TcxLookAndFeelValues>{lfvKind});
    // Both listen to the root now: its change reaches them.
    Root().SetKind(lfStandard);
    EXPECT_EQ(a.GetKind(), lfStandard);
    EXPECT_EQ(b.GetKind(), lfStandard);
}

TEST_F(LookAndFeels, MastersThatWouldFormACycleAreRefused)
{
    TcxLookAndFeel a, b, c;
    b.SetMaster(&a);
    c.SetMaster(&b);
    a.SetMaster(&c);
    EXPECT_EQ(a.Master(), nullptr);
    a.SetMaster(&a);
    EXPECT_EQ(a.Master(), nullptr);
    // A palette change now ends: each object hears it once.
    int heard = 0;
    for (TcxLookAndFeel* lf : {&a, &b, &c})
        lf->OnChanged = [&heard](TcxLookAndFeel*, TcxLookAndFeelValues) { ++heard; };
    a.SetKind(lfFlat);
    EXPECT_EQ(c.GetKind(), lfFlat);
    EXPECT_EQ(heard, 3);
}

TEST_F(LookAndFeels, TheLastControllerResetsTheRoot)
{
    auto first = std::make_unique<TcxLookAndFeelController>();
    auto second = std::make_unique<TcxLookAndFeelController>();
    EXPECT_EQ(cxLookAndFeelControllerCount(), 2);
    first->SetKind(lfFlat);
    EXPECT_EQ(Root().GetKind(), lfFlat);
    EXPECT_EQ(second->Kind(), lfFlat);
    first.reset();
    EXPECT_EQ(Root().AssignedValues(), lfvKind);
    second.reset();
    EXPECT_EQ(cxLookAndFeelControllerCount(), 0);
    EXPECT_EQ(Root().AssignedValues(), 0u);
    EXPECT_EQ(Root().GetKind(), lfUltraFlat);
    // Only the root takes controllers.
    TcxLookAndFeel lf;
    TcxLookAndFeelController controller;
    const int before = cxLookAndFeelControllerCount();
    lf.AttachListener(&controller);
    EXPECT_EQ(lf.ListenerCount(), 0);
    EXPECT_EQ(cxLookAndFeelControllerCount(), before);
}

// Leaves its master's list while it is told of a change.
class TLeavingListener : public TPersistent, public ILookAndFeelChangeListener {
public:
    explicit TLeavingListener(TcxLookAndFeel& master) : master_(master) { master.AttachListener(this); }
    TPersistent* ListenerObject() override { return this; }
    void MasterValuesChanged(TcxLookAndFeel*, TcxLookAndFeelValues) override
    {
        ++told;
        master_.DetachListener(this);
    }
    void MasterFreeing(TcxLookAndFeel*) override {}
    int told = 0;

private:
    TcxLookAndFeel& master_;
};

TEST_F(LookAndFeels, AListenerLeavingDuringTheWalkSkipsNobody)
{
    TcxLookAndFeel master;
    TLeavingListener leaving(master);
    TcxLookAndFeel after;
    after.SetMaster(&master);
    master.SetKind(lfStandard);
    EXPECT_EQ(leaving.told, 1);
    EXPECT_EQ(after.GetKind(), lfStandard);
}

TEST_F(LookAndFeels, PaletteChangesAndFormTextReachTheObject)
{
    TcxLookAndFeel lf;
    TRecorder recorder(lf);
    ASSERT_EQ(paletteHandlers.size(), 1u);
    paletteHandlers[0]();
    EXPECT_EQ(recorder.changes, std::vector<TcxLookAndFeelValues>{lfvNativeStyle});
    EXPECT_TRUE(lf.SetProperty("Kind", "lfOffice11"));
    EXPECT_TRUE(lf.SetProperty("NativeStyle", "true"));
    EXPECT_TRUE(lf.SetProperty("SkinName", "Blue"));
    EXPECT_EQ(lf.AssignedValues(), lfvAll);
    EXPECT_EQ(lf.GetKind(), lfOffice11);
    // No painter goes by that name: the Kind's painter stays.
    EXPECT_EQ(lf.SkinPainter(), nullptr);
}

TEST_F(LookAndFeels, AssignCopiesValuesAndTheEffectiveMaster)
{
    TcxLookAndFeel master, source, dest;
    master.SetKind(lfFlat);
    source.SetMaster(&master);
    source.SetNativeStyle(true);
    TRecorder recorder(dest);
    dest.Assign(source);
    EXPECT_EQ(dest.Master(), &master);
    EXPECT_EQ(dest.AssignedValues(), lfvNativeStyle);
    EXPECT_EQ(dest.GetKind(), lfFlat);
    EXPECT_EQ(recorder.changes, std::vector<TcxLookAndFeelValues>{lfvKind | lfvNativeStyle});
}

} // namespace
