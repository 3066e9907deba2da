// The library's listener lists, each walked while one listener makes
// trouble: it frees itself, frees the one told after it, takes the one told
// before it off the list, or adds a new one. Whatever it does, no freed
// listener is told and every other listener of the walk is told once.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "classlib/form.h"
#include "classlib/tests/freedmemory.h"
#include "classlib/tests/testform.h"
#include "editors/foundation/controls/cxcontrols.h"
#include "editors/foundation/lookandfeel/cxlookandfeels.h"
#include "editors/foundation/painters/cxextendedstylepainters.h"
#include "editors/foundation/system/cxsettingscontroller.h"
#include "editors/foundation/theme/cxsystempalette.h"
#include "editors/foundation/theme/dxthememanager.h"
#include "editors/foundation/tests/foundation_environment.h"

namespace {

// Who was told, and whether a freed one was.
struct TLog {
    std::vector<int> told;
    std::set<int> freed;
    bool toldFreed = false;
    std::function<void(int)> hook;

    void Told(int id)
    {
        toldFreed = toldFreed || freed.contains(id);
        told.push_back(id);
        if (hook)
            hook(id);
    }
};

// One list seen from a test: listeners by number and a walk over them.
class TListUnderTest {
public:
    explicit TListUnderTest(TLog& log) : log_(log) {}
    virtual ~TListUnderTest() = default;
    virtual void Add(int id) = 0;
    void Free(int id)
    {
        log_.freed.insert(id);
        FreeListener(id);
    }
    // Off the list, still alive; where the list has no removal, freed.
    virtual void Remove(int id) { Free(id); }
    virtual void Walk() = 0;
    // Whether the walk goes from the last listener to the first.
    virtual bool Backward() const { return false; }

protected:
    virtual void FreeListener(int id) = 0;
    TLog& log_;
};

// Listeners of type P kept by number.
template <class P>
class TProbes : public TListUnderTest {
public:
    using TListUnderTest::TListUnderTest;

protected:
    void FreeListener(int id) override { probes_.erase(id); }
    std::map<int, std::unique_ptr<P>> probes_;
};

class TThemeNotificators : public TProbes<TdxThemeChangedNotificator> {
public:
    using TProbes::TProbes;
    void Add(int id) override
    {
        auto& probe = probes_[id] = std::make_unique<TdxThemeChangedNotificator>();
        probe->OnThemeChanged = [this, id] { log_.Told(id); };
    }
    void Walk() override
    {
        SendMessageA(static_cast<HWND>(dxThemeChangedReceiverHandle()), WM_THEMECHANGED, 0, 0);
    }
};

class TPaletteNotifiers : public TProbes<TcxSystemPaletteChangedNotifier> {
public:
    using TProbes::TProbes;
    void Add(int id) override
    {
        auto& probe = probes_[id] = std::make_unique<TcxSystemPaletteChangedNotifier>();
        probe->OnPaletteChange = [this, id] { log_.Told(id); };
    }
    void Walk() override
    {
        SendMessageA(static_cast<HWND>(cxSystemPaletteChangedListener()->Handle()), WM_SYSCOLORCHANGE, 0, 0);
    }
    bool Backward() const override { return true; }
};

class TLookAndFeelProbe : public ILookAndFeelChangeListener {
public:
    TLookAndFeelProbe(TcxLookAndFeel* master, std::function<void()> told) : master_(master), told_(std::move(told))
    {
        master_->AttachListener(this);
    }
    ~TLookAndFeelProbe()
    {
        if (master_)
            master_->DetachListener(this);
    }
    // One told of the master's end has left it already.
    void Detach()
    {
        if (master_)
            master_->DetachListener(this);
        master_ = nullptr;
    }
    void ForgetMaster() { master_ = nullptr; }
    TPersistent* ListenerObject() override { return nullptr; }
    void MasterValuesChanged(TcxLookAndFeel*, TcxLookAndFeelValues) override { told_(); }
    void MasterFreeing(TcxLookAndFeel*) override
    {
        master_ = nullptr;
        told_();
    }

private:
    TcxLookAndFeel* master_;
    std::function<void()> told_;
};

// Told of the master's changes, or, with freeing, of its end.
class TLookAndFeelListeners : public TProbes<TLookAndFeelProbe> {
public:
    TLookAndFeelListeners(TLog& log, bool freeing) : TProbes(log), freeing_(freeing) {}
    ~TLookAndFeelListeners() override
    {
        probes_.clear();
        delete master_;
    }
    void Add(int id) override
    {
        probes_[id] = std::make_unique<TLookAndFeelProbe>(master_, [this, id] { log_.Told(id); });
    }
    void Remove(int id) override { probes_.at(id)->Detach(); }
    void Walk() override
    {
        if (!freeing_) {
            master_->SetKind(master_->GetKind() == lfFlat ? lfStandard : lfFlat);
            return;
        }
        delete master_;
        master_ = nullptr;
        // One attached while the master went is listed nowhere.
        for (auto& [id, probe] : probes_)
            probe->ForgetMaster();
    }

private:
    TcxLookAndFeel* master_ = new TcxLookAndFeel();
    bool freeing_;
};

class TPainterListProbe : public IPainterListListener {
public:
    TPainterListProbe(TcxExtendedStylePainters& list, std::function<void()> told) : list_(list), told_(std::move(told))
    {
        list_.AddListener(this);
    }
    ~TPainterListProbe() { list_.RemoveListener(this); }
    void PainterListChanged() override { told_(); }
    TcxExtendedStylePainters& list_;

private:
    std::function<void()> told_;
};

class TPainterListListeners : public TProbes<TPainterListProbe> {
public:
    using TProbes::TProbes;
    // The probes leave the list as they go, so they go before it.
    ~TPainterListListeners() override { probes_.clear(); }
    void Add(int id) override
    {
        probes_[id] = std::make_unique<TPainterListProbe>(painters_, [this, id] { log_.Told(id); });
    }
    void Remove(int id) override { painters_.RemoveListener(probes_.at(id).get()); }
    void Walk() override { painters_.Register("skin" + std::to_string(++walks_), nullptr); }

private:
    TcxExtendedStylePainters painters_;
    int walks_ = 0;
};

// A control registered with the settings controller, told through its window.
class TSettingsProbe : public TcxControl {
public:
    explicit TSettingsProbe(std::function<void()> told) : told_(std::move(told)) {}

protected:
    void WndProc(TMessage& m) override
    {
        if (m.Msg != DXM_SCROLLBARSETTINGSCHANGED)
            return TcxControl::WndProc(m);
        told_(); // nothing of the probe afterwards: the call may have freed it
    }

private:
    std::function<void()> told_;
};

class TSettingsControls : public TProbes<TSettingsProbe> {
public:
    TSettingsControls(TLog& log, TForm& form) : TProbes(log), form_(form) {}
    void Add(int id) override
    {
        auto& probe = probes_[id] = std::make_unique<TSettingsProbe>([this, id] { log_.Told(id); });
        probe->SetParent(&form_);
    }
    void Remove(int id) override { cxSettingsController().RemoveControl(probes_.at(id).get()); }
    void Walk() override
    {
        SendMessageA(cxSettingsController().Handle(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    }

private:
    TForm& form_;
};

class TFontProbe : public IcxFontListener {
public:
    TFontProbe(TcxControl& control, std::function<void()> told) : control_(control), told_(std::move(told))
    {
        control_.AddFontListener(this);
    }
    ~TFontProbe() { control_.RemoveFontListener(this); }
    void Changed(TcxControl&, TFont&) override { told_(); }

private:
    TcxControl& control_;
    std::function<void()> told_;
};

class TFontListeners : public TProbes<TFontProbe> {
public:
    TFontListeners(TLog& log, TForm& form) : TProbes(log) { control_.SetParent(&form); }
    ~TFontListeners() override { probes_.clear(); }
    void Add(int id) override
    {
        probes_[id] = std::make_unique<TFontProbe>(control_, [this, id] { log_.Told(id); });
    }
    void Remove(int id) override { control_.RemoveFontListener(probes_.at(id).get()); }
    void Walk() override { control_.Font().SetSize(control_.Font().Size() + 1); }

private:
    TcxControl control_;
};

enum class TTrouble { FreesItself, FreesTheNext, RemovesThePrevious, AddsOne };

struct TListKind {
    const char* name;
    std::function<std::unique_ptr<TListUnderTest>(TLog&, TForm&)> make;
};

class ListenerLists : public ::testing::Test {
protected:
    static void SetUpTestSuite() { form = ShowTestForm(200, 100); }
    static void TearDownTestSuite() { form.reset(); }
    static inline std::unique_ptr<TForm> form;
};

TEST_F(ListenerLists, AListenerMakingTroubleLeavesEveryOtherToldOnceAndNoFreedOneTold)
{
    std::vector<TListKind> kinds = {
        {"palette notifiers", [](TLog& log, TForm&) { return std::make_unique<TPaletteNotifiers>(log); }},
        {"look-and-feel listeners",
         [](TLog& log, TForm&) { return std::make_unique<TLookAndFeelListeners>(log, false); }},
        {"look-and-feel listeners told of its end",
         [](TLog& log, TForm&) { return std::make_unique<TLookAndFeelListeners>(log, true); }},
        {"painter-list listeners", [](TLog& log, TForm&) { return std::make_unique<TPainterListListeners>(log); }},
        {"settings controls", [](TLog& log, TForm& f) { return std::make_unique<TSettingsControls>(log, f); }},
        {"font listeners", [](TLog& log, TForm& f) { return std::make_unique<TFontListeners>(log, f); }},
    };
    if (ExpectThemeLibrary())
        kinds.push_back({"theme notificators",
                         [](TLog& log, TForm&) { return std::make_unique<TThemeNotificators>(log); }});
    const struct {
        TTrouble trouble;
        const char* name;
    } troubles[] = {{TTrouble::FreesItself, "frees itself"},
                    {TTrouble::FreesTheNext, "frees the next"},
                    {TTrouble::RemovesThePrevious, "removes the previous"},
                    {TTrouble::AddsOne, "adds one"}};
    for (const TListKind& kind : kinds)
        for (const auto& [trouble, troubleName] : troubles) {
            SCOPED_TRACE(std::string(kind.name) + ", " + troubleName);
            TFreedMemoryTrap trap;
            TLog log;
            auto list = kind.make(log, *form);
            for (int id = 0; id < 4; ++id)
                list->Add(id);
            // Told second; before it and after it in the walk's order.
            const int actor = list->Backward() ? 2 : 1, previous = list->Backward() ? 3 : 0,
                      next = list->Backward() ? 1 : 2;
            bool acted = false;
            log.hook = [&](int id) {
                if (id != actor || acted)
                    return;
                acted = true;
                switch (trouble) {
                case TTrouble::FreesItself: list->Free(actor); break;
                case TTrouble::FreesTheNext: list->Free(next); break;
                case TTrouble::RemovesThePrevious: list->Remove(previous); break;
                case TTrouble::AddsOne: list->Add(4); break;
                }
            };
            list->Walk();
            EXPECT_TRUE(acted);
            EXPECT_FALSE(log.toldFreed);
            // One added meanwhile waits for the next walk.
            for (int id = 0; id <= 4; ++id) {
                const bool missed = (trouble == TTrouble::FreesTheNext && id == next) || id == 4;
                EXPECT_EQ(std::count(log.told.begin(), log.told.end(), id), missed ? 0 : 1) << "listener " << id;
            }
            list.reset();
        }
}

} // namespace
