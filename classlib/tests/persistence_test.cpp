// Form text into objects, copying, free notifications and the order in
// which a component goes.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "classlib/application.h"
#include "classlib/button.h"
#include "classlib/classregistry.h"
#include "classlib/customedit.h"
#include "classlib/form.h"
#include "classlib/panel.h"

namespace {

// What the probes saw, kept outside them because they are gone when it is read.
std::vector<std::string> events;

// A component with nested objects, as the editors expose theirs.
class TProbe : public TComponent {
public:
    class TProbeProperties : public TPersistent {
    public:
        explicit TProbeProperties(TProbe& probe) : probe_(probe) {}
        TPersistent* GetOwner() const override { return &probe_; }
        std::string TimeFormat;
        TNotifyEvent OnChange;

    protected:
        const TPropertyTable& Properties() const override
        {
            static const TPropertyTable table = TPropertyTable::Of<TProbeProperties>(TPersistent::Properties(), {
                {"TimeFormat", [](TProbeProperties& p, const TPropertyValue& v) {
                     p.TimeFormat = v.Text();
                     p.loadingSeen = p.probe_.ComponentState() & csLoading;
                 }},
                {"OnChange", [](TProbeProperties& p, const TPropertyValue& v) { p.OnChange = v.Handler<TNotifyEvent>(); }},
            });
            return table;
        }

    public:
        bool loadingSeen = false;

    private:
        TProbe& probe_;
    };
    class TProbePicture : public TPersistent {
    public:
        std::string Data;

    protected:
        const TPropertyTable& Properties() const override
        {
            static const TPropertyTable table = TPropertyTable::Of<TProbePicture>(TPersistent::Properties(), {
                {"Data", [](TProbePicture& p, const TPropertyValue& v) { p.Data = v.Bytes(); }},
            });
            return table;
        }
    };

    TProbeProperties properties{*this};
    TProbePicture picture;

protected:
    TPersistent* NestedObject(std::string_view name) override
    {
        if (name == "Properties")
            return &properties;
        return name == "Picture" ? static_cast<TPersistent*>(&picture) : nullptr;
    }
};

// A panel that reports the messages of its own going.
class TDestroyProbe : public TPanel {
protected:
    const TMessageMap& Messages() const override
    {
        static const TMessageMap map(TPanel::Messages(), {{WM_DESTROY, &TDestroyProbe::WMDestroy}});
        return map;
    }
    void WMDestroy(TMessage& m)
    {
        events.push_back(Name() + (ComponentState() & csDestroying ? " destroying" : " alive"));
        TPanel::Messages().Dispatch(*this, m);
    }
};

class ProbeForm : public TForm {
public:
    ProbeForm() { Bind("ProbeChange", &ProbeForm::ProbeChange); }
    void Load(const std::string& text) { LoadFromText(text); }
    void ProbeChange(TComponent&) { ++changes; }
    int changes = 0;
};

class Persistence : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Application.Initialize();
        RegisterComponentClass<TProbe>("TProbe");
        RegisterComponentClass<TDestroyProbe>("TDestroyProbe");
    }
    void SetUp() override { events.clear(); }
};

BOOL CALLBACK CountWindow(HWND, LPARAM counter)
{
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

// Top-level windows of this thread; a form's children go with it.
int ThreadWindows()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

} // namespace

TEST_F(Persistence, NestedPropertiesAndHandlersBind)
{
    ProbeForm form;
    form.Load("ProbeForm: TForm\n"
              "  Font.Size = 14\n"
              "  Edit1: TEdit\n"
              "    Font.Name = Arial\n"
              "  Probe1: TProbe\n"
              "    Properties.TimeFormat = HH:mm\n"
              "    Properties.OnChange = ProbeChange\n"
              "    Picture.Data = {\n"
              "      474946\n"
              "      38396100\n"
              "    }\n");
    auto& edit = form.Component<TEdit>("Edit1");
    EXPECT_EQ(edit.Font().Name(), "Arial");
    EXPECT_EQ(edit.Font().Size(), 14) << "the parent's font is taken over before the control's own";
    auto& probe = form.Component<TProbe>("Probe1");
    EXPECT_EQ(probe.properties.TimeFormat, "HH:mm");
    EXPECT_TRUE(probe.properties.loadingSeen);
    EXPECT_FALSE(probe.ComponentState() & csLoading);
    EXPECT_EQ(probe.picture.Data, std::string("GIF89a\0", 7));
    // The nested object's handler lives on its owner's owner.
    ASSERT_TRUE(probe.properties.OnChange);
    probe.properties.OnChange(probe);
    EXPECT_EQ(form.changes, 1);
}

TEST_F(Persistence, LoadingFailuresNameTheirLineAndLeaveNothing)
{
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"F: TForm\n  BorderStyle = bsSingel\n", "line 2: Invalid property value BorderStyle = bsSingel"},
        {"F: TForm\n  P: TPanel\n    Align = alMiddle\n", "line 3: Invalid property value Align = alMiddle"},
        {"F: TForm\n  P: TPanel\n\n  Q: TNoSuchPanel\n", "line 4: Class TNoSuchPanel not found"},
        {"F: TForm\n  E: TEdit\n    Font.Sise = 9\n", "line 3: E: unknown property Font.Sise"},
        {"F: TForm\n  X: TProbe\n    Properties.OnChange = Nowhere\n", "line 3: Event handler 'Nowhere' not found"},
        {"F: TForm\n  X: TProbe\n    Picture.Data = {\n      4749F\n    }\n", "line 4: odd number of hex digits"},
        {"F: TForm\n  X: TProbe\n    Picture.Data = {\n      47\n      4G\n    }\n", "line 5: not a hex digit"},
        {"F: TForm\n  X: TProbe\n    Picture.Data = {\n      4749\n", "line 3: binary value without its closing brace"},
        {"F: TForm\n  X: TProbe\n    Properties.TimeFormat = {\n    }\n", "line 3: Property Properties.TimeFormat takes text"},
        // Fails after the windows were made.
        {"F: TForm\n  P: TPanel\n  M: TPopupMenu\n    Items = Nope\n", "line 3: Component 'Nope' not found"},
    };
    int windowsBefore = ThreadWindows();
    for (const auto& c : cases) {
        ProbeForm form;
        try {
            form.Load(c.text);
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const EComponentError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
        EXPECT_TRUE(form.Components().empty()) << c.text;
        EXPECT_FALSE(form.HandleAllocated()) << c.text;
        EXPECT_EQ(ThreadWindows(), windowsBefore) << c.text;
    }
}

TEST_F(Persistence, FontStylesFromFormTextReachTheGdiFont)
{
    struct Case {
        const char* text;
        TFontStyles style;
    } cases[] = {
        {"[]", 0},
        {"[fsBold]", fsBold},
        {"[fsItalic, fsUnderline]", fsItalic | fsUnderline},
        {"[fsStrikeOut, fsBold]", fsStrikeOut | fsBold},
    };
    for (const Case& c : cases) {
        TFont font;
        ASSERT_TRUE(font.SetProperty("Style", c.text));
        EXPECT_EQ(font.Style(), c.style) << c.text;
        EXPECT_EQ(font.Bold(), (c.style & fsBold) != 0) << c.text;
        LOGFONTA made{};
        ASSERT_EQ(GetObjectA(font.Handle(), sizeof made, &made), static_cast<int>(sizeof made));
        EXPECT_EQ(made.lfWeight, c.style & fsBold ? FW_BOLD : FW_NORMAL) << c.text;
        EXPECT_EQ(made.lfItalic != 0, (c.style & fsItalic) != 0) << c.text;
        EXPECT_EQ(made.lfUnderline != 0, (c.style & fsUnderline) != 0) << c.text;
        EXPECT_EQ(made.lfStrikeOut != 0, (c.style & fsStrikeOut) != 0) << c.text;
    }
}

TEST_F(Persistence, FontsAreEqualByTheirWholeDescription)
{
    TFont base;
    base.SetStyle(fsItalic);
    void (*changes[])(TFont&) = {
        [](TFont& f) { f.SetName("Arial"); },  [](TFont& f) { f.SetSize(20); },
        [](TFont& f) { f.SetColor(clRed); },   [](TFont& f) { f.SetBold(true); },
        [](TFont& f) { f.SetStyle(0); },       [](TFont& f) { f.SetCharset(ANSI_CHARSET); },
    };
    for (auto change : changes) {
        TFont other;
        other.Assign(base);
        EXPECT_TRUE(other == base);
        change(other);
        EXPECT_FALSE(other == base);
    }
    // Bold is one of the styles: setting it keeps the others.
    base.SetBold(true);
    EXPECT_EQ(base.Style(), fsItalic | fsBold);
}

TEST_F(Persistence, AssignCopiesAFontAndRefusesOtherClasses)
{
    TFont source, copy;
    source.SetName("Arial");
    source.SetSize(16);
    source.SetStyle(fsBold | fsUnderline);
    source.SetColor(clRed);
    int changes = 0;
    copy.OnChange = [&] { ++changes; };
    copy.Assign(source);
    EXPECT_EQ(copy.Name(), "Arial");
    EXPECT_EQ(copy.Size(), 16);
    EXPECT_EQ(copy.Style(), fsBold | fsUnderline);
    EXPECT_EQ(copy.Color(), clRed);
    EXPECT_EQ(changes, 1);

    TProbe probe;
    try {
        copy.Assign(probe.picture);
        ADD_FAILURE() << "a picture was assigned to a font";
    } catch (const EConvertError& e) {
        EXPECT_NE(std::string(e.what()).find("Cannot assign a "), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("TProbePicture to a TFont"), std::string::npos) << e.what();
    }
    EXPECT_EQ(copy.Name(), "Arial");
}

namespace {
class TWatcher : public TComponent {
public:
    std::vector<std::pair<TComponent*, TOperation>> told;

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        told.emplace_back(component, operation);
    }
};
} // namespace

TEST_F(Persistence, FreeNotificationArrivesOnceAndNotAfterRemoval)
{
    for (bool removed : {false, true}) {
        TWatcher watcher;
        auto watched = std::make_unique<TComponent>();
        TComponent* address = watched.get();
        watched->FreeNotification(&watcher);
        watched->FreeNotification(&watcher);
        if (removed)
            watched->RemoveFreeNotification(&watcher);
        watched.reset();
        if (removed) {
            EXPECT_TRUE(watcher.told.empty());
        } else {
            ASSERT_EQ(watcher.told.size(), 1u);
            EXPECT_EQ(watcher.told[0].first, address);
            EXPECT_EQ(watcher.told[0].second, TOperation::opRemove);
        }
    }
}

TEST_F(Persistence, OwnerIsToldOfInsertAndOfAComponentDeletedOnItsOwn)
{
    TWatcher owner;
    TComponent& child = owner.Adopt(std::make_unique<TComponent>());
    TComponent* address = &child;
    delete &child;
    EXPECT_TRUE(owner.Components().empty());
    ASSERT_EQ(owner.told.size(), 2u);
    EXPECT_EQ(owner.told[0], std::make_pair(address, TOperation::opInsert));
    EXPECT_EQ(owner.told[1], std::make_pair(address, TOperation::opRemove));
}

TEST_F(Persistence, ControlsSeeTheirOwnWindowGoWhileWhole)
{
    auto form = std::make_unique<ProbeForm>();
    form->Load("F: TForm\n  Outer: TDestroyProbe\n    Inner: TDestroyProbe\n");
    // A control deleted alone, then the rest with its form.
    delete &form->Component<TDestroyProbe>("Inner");
    EXPECT_EQ(events, std::vector<std::string>{"Inner destroying"});
    form.reset();
    EXPECT_EQ(events, (std::vector<std::string>{"Inner destroying", "Outer destroying"}));
}

TEST_F(Persistence, AControlFreedByItsOwnHandlerIsLeftAlone)
{
    auto form = std::make_unique<ProbeForm>();
    form->Load("F: TForm\n  B: TButton\n  C: TButton\n");
    for (const char* name : {"B", "C"}) {
        auto& button = form->Component<TButton>(name);
        HWND handle = button.Handle();
        button.OnClick = [](TComponent& sender) { delete &sender; };
        // Through the parent's window, and through Perform alone.
        if (std::string(name) == "B")
            SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(handle));
        else
            button.Perform(CN_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(handle));
        EXPECT_FALSE(IsWindow(handle)) << name;
        EXPECT_EQ(form->FindComponent(name), nullptr) << name;
    }
}
