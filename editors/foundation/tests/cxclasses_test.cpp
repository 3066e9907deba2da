#include <gtest/gtest.h>

#include "editors/foundation/core/cxclasses.h"
#include "editors/foundation/core/cxobjectlinks.h"
#include "editors/foundation/core/cxregisteredclasses.h"
#include "editors/foundation/core/cxtext.h"

namespace {

// A <- B <- C, and an unrelated X.
const TcxClass kRoot{"TRoot", nullptr, nullptr};
const TcxClass kA{"TA", &kRoot, nullptr};
const TcxClass kB{"TB", &kA, nullptr};
const TcxClass kC{"TC", &kB, nullptr};
const TcxClass kX{"TX", nullptr, nullptr};
const TcxClass kViewA{"TViewA", nullptr, nullptr};
const TcxClass kViewB{"TViewB", nullptr, nullptr};

TEST(TcxRegisteredClassList, FindsTheMostDerivedRegisteredAncestorWhicheverOrderTheyCame)
{
    for (bool ancestorFirst : {true, false}) {
        TcxRegisteredClassList list;
        if (ancestorFirst) {
            list.Register(&kA, &kViewA);
            list.Register(&kB, &kViewB);
        } else {
            list.Register(&kB, &kViewB);
            list.Register(&kA, &kViewA);
        }
        ASSERT_EQ(list.Count(), 2);
        EXPECT_EQ(list.Items(0).ItemClass, &kA) << ancestorFirst;
        struct {
            const TcxClass* asked;
            const TcxClass* found;
        } cases[] = {{&kA, &kViewA}, {&kB, &kViewB}, {&kC, &kViewB}, {&kRoot, nullptr}, {&kX, nullptr}};
        for (const auto& c : cases)
            EXPECT_EQ(list.GetClass(c.asked), c.found) << c.asked->Name;
        int index = -1;
        EXPECT_FALSE(list.Find(&kRoot, index));
        EXPECT_EQ(index, 0) << "a failed search stops at the first descendant";
        index = -1;
        EXPECT_FALSE(list.Find(&kX, index));
        EXPECT_EQ(index, -1);
    }
}

TEST(TcxRegisteredClassList, LaterRegistrationWinsAndUnregisterTakesOnlyTheExactPair)
{
    TcxRegisteredClassList list;
    list.Register(&kA, &kViewA);
    list.Register(&kA, &kViewB);
    EXPECT_EQ(list.GetClass(&kB), &kViewB);
    list.Unregister(&kA, &kViewB);
    list.Unregister(&kA, &kX);
    EXPECT_EQ(list.GetClass(&kB), &kViewA);
    list.Register(nullptr, &kViewA);
    list.Unregister(nullptr, nullptr);
    EXPECT_EQ(list.Count(), 1);
    int index = -1;
    EXPECT_FALSE(list.Find(nullptr, index));
}

TEST(TcxRegisteredClasses, DescriptionsStopAtTheBarAndSortingIgnoresCase)
{
    TcxRegisteredClasses classes;
    classes.Register(&kA, "beta|more text");
    classes.Register(&kB, "Alpha");
    classes.Register(&kA, "again");
    classes.Register(nullptr, "none");
    ASSERT_EQ(classes.Count(), 2);
    EXPECT_EQ(classes.Descriptions(0), "beta");
    EXPECT_EQ(classes.Descriptions(1), "Alpha");
    classes.SetSorted(true);
    EXPECT_EQ(classes.Items(0), &kB);
    classes.Register(&kC, "ALPHA2|x");
    EXPECT_EQ(classes.IndexOfClass(&kC), 1) << "a sorted list sorts each new entry in";
    EXPECT_EQ(classes.IndexOfClass(&kX), -1);
}

TEST(cxObjectLinks, ADestroyedComponentClearsEveryLinkAndTheControllerGoesWithTheLastLink)
{
    auto component = std::make_unique<TcxComponent>();
    TcxComponent kept;
    TcxObjectLinkHolder first = cxObjectLinkAdd(component.get());
    TcxObjectLinkHolder second = cxObjectLinkAdd(static_cast<const TcxComponent*>(component.get()));
    TcxObjectLinkHolder other = cxObjectLinkAdd(&kept);
    component.reset();
    EXPECT_EQ(first->Target, nullptr);
    EXPECT_EQ(second->Target, nullptr);
    EXPECT_NE(other->Target, nullptr);
    first.reset();
    second.reset();
    EXPECT_TRUE(cxObjectLinkControllerExists());
    other.reset();
    EXPECT_FALSE(cxObjectLinkControllerExists());
    EXPECT_EQ(cxObjectLinkAdd(static_cast<const TcxComponent*>(nullptr)), nullptr);
    cxObjectLinksClearForIdentity(&kept);
    cxObjectLinkRemove(nullptr);
    EXPECT_FALSE(cxObjectLinkControllerExists());
}

TEST(TcxFreeNotificator, TellsItsEventWhichComponentWent)
{
    TcxFreeNotificator notificator;
    std::vector<TComponent*> gone;
    notificator.OnFreeNotification = [&](TComponent* c) { gone.push_back(c); };
    auto watched = std::make_unique<TComponent>();
    TComponent* address = watched.get();
    watched->FreeNotification(&notificator);
    watched.reset();
    EXPECT_EQ(gone, std::vector<TComponent*>{address});
}

TEST(TcxObjectList, ClearFreesItemsInIndexOrder)
{
    std::vector<int> freed;
    struct TItem {
        std::vector<int>& log;
        int n;
        ~TItem() { log.push_back(n); }
    };
    TcxObjectList<TItem> list;
    for (int i = 0; i < 3; ++i)
        list.Add(std::make_unique<TItem>(TItem{freed, i}));
    freed.clear(); // the temporaries above
    list.Clear();
    EXPECT_EQ(freed, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(list.Count(), 0);
}

TEST(cxText, CharacterSizesAndPointersStayInsideTheText)
{
    const std::string s = "a\xB0\xA1z\xB0"; // a, one GBK character, z, a lone lead byte
    struct {
        int pos, size;
    } cases[] = {{1, 1}, {2, 2}, {4, 1}, {5, 1}, {0, 0}, {6, 0}, {-1, 0}, {1000, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(cxCharSizeAt(s, c.pos), c.size) << c.pos;
    EXPECT_EQ(cxCharPtrAt(s, 2), s.data() + 1);
    EXPECT_EQ(cxCharPtrAt(s, 0), s.data() + s.size());
    EXPECT_EQ(cxCharPtrAt(s, 6), s.data() + s.size());
    EXPECT_EQ(cxTextBeforeSeparator("word|rest|more"), "word");
    EXPECT_EQ(cxTextBeforeSeparator("whole"), "whole");
}

} // namespace
