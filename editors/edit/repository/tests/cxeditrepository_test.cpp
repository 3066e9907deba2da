// The edit repository without a window: item names, listeners told last
// first (also when they unregister while being told), items moving between
// repositories, parents that are no repository, and the order items go in.
#include "editors/edit/repository/cxeditrepository.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> journal;

// An item class named as the text editor's repository item is.
class TcxEditRepositoryTextItem : public TcxEditRepositoryItem {
public:
    using TcxEditRepositoryItem::TcxEditRepositoryItem;
    static const TcxClass Class;
    const TcxClass& ClassRecord() const override { return Class; }
};
const TcxClass TcxEditRepositoryTextItem::Class{"TcxEditRepositoryTextItem", &TcxEditRepositoryItem::Class,
                                                [] { return std::unique_ptr<TComponent>(new TcxEditRepositoryTextItem); }};

class TOddItem : public TcxEditRepositoryItem {
public:
    static const TcxClass Class;
    const TcxClass& ClassRecord() const override { return Class; }
};
const TcxClass TOddItem::Class{"TOddItem", &TcxEditRepositoryItem::Class,
                               [] { return std::unique_ptr<TComponent>(new TOddItem); }};

const TcxClass kNotAnItem{"TComponent", nullptr, [] { return std::make_unique<TComponent>(); }};

// Writes "<name> removed <item>" and "<name> changed <item>" to the journal;
// may do one thing more while told.
class TListener : public IcxEditRepositoryItemListener {
public:
    explicit TListener(std::string name) : name_(std::move(name)) {}
    std::function<void(TcxEditRepositoryItem&)> whileTold;

    void ItemRemoved(TcxEditRepositoryItem& sender) override { Tell("removed", sender); }
    void ItemPropertiesChanged(TcxEditRepositoryItem& sender) override { Tell("changed", sender); }

private:
    void Tell(const char* what, TcxEditRepositoryItem& sender)
    {
        journal.push_back(name_ + " " + what + " " + sender.Name());
        if (whileTold)
            whileTold(sender);
    }
    std::string name_;
};

TcxEditRepositoryItem& NamedItem(TcxEditRepository& repository, const std::string& name,
                                 const TcxClass& itemClass = TcxEditRepositoryItem::Class)
{
    TcxEditRepositoryItem& item = repository.CreateItem(itemClass);
    item.SetName(name);
    return item;
}

} // namespace

TEST(EditRepository, BaseNamesJoinTheRepositoryNameAndTheClassSuffix)
{
    struct Case {
        const TcxClass* itemClass;
        const char* repositoryName;
        const char* baseName;
    } cases[] = {
        {&TcxEditRepositoryTextItem::Class, "R", "RTextItem"},
        {&TcxEditRepositoryItem::Class, "R", "RItem"},
        {&TcxEditRepositoryTextItem::Class, "", "TextItem"},
        {&TOddItem::Class, "Repo", "Repo"},
    };
    for (const Case& c : cases) {
        TcxEditRepository repository;
        repository.SetName(c.repositoryName);
        TcxEditRepositoryItem& item = repository.CreateItem(*c.itemClass);
        EXPECT_EQ(&item.ClassRecord(), c.itemClass);
        EXPECT_EQ(item.GetBaseName(), c.baseName) << c.itemClass->Name;
        item.SetRepository(nullptr);
        EXPECT_EQ(item.GetBaseName(), std::string(c.baseName).substr(std::string(c.repositoryName).size()))
            << "without a repository, the suffix alone";
    }
}

TEST(EditRepository, ItemsAreListedOwnedAndFoundAsChildren)
{
    TComponent form;
    TcxEditRepository& repository = form.Adopt(std::make_unique<TcxEditRepository>());
    TcxEditRepositoryItem& own = NamedItem(repository, "own");
    TcxEditRepositoryItem& formOwned = repository.CreateItemEx(TcxEditRepositoryItem::Class, &form);
    TcxEditRepositoryItem& loose = repository.CreateItemEx(TcxEditRepositoryTextItem::Class, nullptr);
    ASSERT_EQ(repository.Count(), 3);
    EXPECT_EQ(repository.Items(0), &own);
    EXPECT_EQ(repository.Items(2), &loose);
    EXPECT_EQ(own.Owner(), &repository);
    EXPECT_EQ(formOwned.Owner(), &form);
    EXPECT_EQ(loose.Owner(), nullptr);
    EXPECT_TRUE(own.HasParent());
    EXPECT_EQ(own.GetParentComponent(), &repository);
    for (int bad : {-1, 3})
        EXPECT_THROW(repository.Items(bad), EListError);

    std::vector<TComponent*> children;
    repository.GetChildren([&](TComponent& c) { children.push_back(&c); }, &form);
    EXPECT_EQ(children, std::vector<TComponent*>{&formOwned});
    EXPECT_THROW(repository.CreateItem(kNotAnItem), EInvalidCast);
    EXPECT_EQ(repository.Count(), 3);
}

TEST(EditRepository, MovingAnItemBetweenRepositories)
{
    TcxEditRepository first, second;
    TcxEditRepositoryItem& item = first.CreateItemEx(TcxEditRepositoryItem::Class, nullptr);
    item.SetRepository(&first);
    EXPECT_EQ(first.Count(), 1) << "setting the same repository lists nothing twice";
    item.SetRepository(&second);
    EXPECT_EQ(first.Count(), 0);
    ASSERT_EQ(second.Count(), 1);
    EXPECT_EQ(second.Items(0), &item);
    EXPECT_EQ(item.Repository(), &second);
    second.RemoveItem(item);
    EXPECT_EQ(item.Repository(), nullptr) << "removed by the repository, the item forgets it";
    EXPECT_FALSE(item.HasParent());
    item.SetParentComponent(&first);
    EXPECT_EQ(item.Repository(), &first);
}

TEST(EditRepository, AParentThatIsNoRepositoryIsAnInvalidCast)
{
    TcxEditRepository repository;
    TcxEditRepositoryItem& item = repository.CreateItem(TcxEditRepositoryItem::Class);
    TComponent other;
    for (TComponent* parent : {&other, static_cast<TComponent*>(nullptr), static_cast<TComponent*>(&item)}) {
        try {
            item.SetParentComponent(parent);
            ADD_FAILURE() << "no failure";
        } catch (const EInvalidCast& e) {
            EXPECT_STREQ(e.what(), "Invalid class typecast");
        }
        EXPECT_EQ(item.Repository(), &repository) << "the item stays where it was";
    }
    item.BeginLoading();
    item.SetParentComponent(&other);
    EXPECT_EQ(item.Repository(), &repository) << "ignored while loading";
}

TEST(EditRepository, ListenersAreToldLastFirstAndOnceEach)
{
    TListener a("a"), b("b"), c("c");
    journal.clear();
    {
        TcxEditRepository repository;
        TcxEditRepositoryItem& item = NamedItem(repository, "x");
        for (TListener* l : {&a, &b, &c, &a})
            item.ListenerAdd(*l);
        item.NotifyPropertiesChanged();
        item.ListenerRemove(b);
        item.EditProperties().Changed();
        EXPECT_EQ(journal, (std::vector<std::string>{"c changed x", "b changed x", "a changed x", "c changed x",
                                                     "a changed x"}));
        journal.clear();
        delete &item;
        EXPECT_EQ(journal, (std::vector<std::string>{"c removed x", "a removed x"}));
        EXPECT_EQ(repository.Count(), 0);
    }
}

TEST(EditRepository, ListenersThatUnregisterWhileTold)
{
    struct Case {
        const char* name;
        bool removal;
        std::vector<std::string> told;
    } cases[] = {
        // c takes itself and a off the list: a is then never told.
        {"changed", false, {"c changed x", "b changed x", "b changed x"}},
        {"removed", true, {"c removed x", "b removed x"}},
    };
    for (const Case& k : cases) {
        TListener a("a"), b("b"), c("c");
        TcxEditRepository repository;
        TcxEditRepositoryItem& item = NamedItem(repository, "x");
        for (TListener* l : {&a, &b, &c})
            item.ListenerAdd(*l);
        c.whileTold = [&](TcxEditRepositoryItem& sender) {
            sender.ListenerRemove(c);
            sender.ListenerRemove(a);
        };
        journal.clear();
        if (k.removal) {
            delete &item;
        } else {
            item.NotifyPropertiesChanged();
            item.NotifyPropertiesChanged();
        }
        EXPECT_EQ(journal, k.told) << k.name;
    }
}

TEST(EditRepository, AListenerMayFreeTheItemWhileToldOfAChange)
{
    TListener a("a"), b("b");
    TcxEditRepository repository;
    TcxEditRepositoryItem& item = NamedItem(repository, "x");
    item.ListenerAdd(a);
    item.ListenerAdd(b);
    b.whileTold = [&](TcxEditRepositoryItem& sender) {
        b.whileTold = nullptr;
        delete &sender;
    };
    journal.clear();
    item.NotifyPropertiesChanged();
    EXPECT_EQ(journal, (std::vector<std::string>{"b changed x", "b removed x", "a removed x"}))
        << "a is told of the removal only, the change walk stops";
    EXPECT_EQ(repository.Count(), 0);
}

TEST(EditRepository, TheRepositoryFreesItsItemsLastFirst)
{
    TListener watcher("w");
    TComponent form;
    journal.clear();
    auto repository = std::make_unique<TcxEditRepository>();
    for (const char* name : {"i1", "i2", "i3"}) {
        TcxEditRepositoryItem& item = repository->CreateItemEx(TcxEditRepositoryItem::Class, &form);
        item.SetName(name);
        item.ListenerAdd(watcher);
    }
    NamedItem(*repository, "i4").ListenerAdd(watcher);
    repository.reset();
    EXPECT_EQ(journal, (std::vector<std::string>{"w removed i4", "w removed i3", "w removed i2", "w removed i1"}));
    EXPECT_TRUE(form.Components().empty()) << "items another component owned left it as they went";
}
