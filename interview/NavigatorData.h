#pragma once
// The navigator's topic data: topics (the sections of the claim) with their items, and the
// module's own topic list, rebuilt from the stored answers whenever a navigation screen opens.

#include <memory>
#include <string>
#include <vector>

class TNavigatorItem {
public:
    TNavigatorItem(std::string questionNumber, std::string caption, int screenId)
        : QuestionNumber(std::move(questionNumber)), Caption(std::move(caption)),
          ScreenId(screenId) {}
    virtual ~TNavigatorItem() = default;

    std::string QuestionNumber;
    std::string Caption;
    int ScreenId;
    bool Enabled = true;
    bool Selected = false;
};

class TNavigatorTopic : public TNavigatorItem {
public:
    TNavigatorTopic(std::string caption, int screenId)
        : TNavigatorItem(std::string(), std::move(caption), screenId) {}

    TNavigatorItem& AddItem(std::string questionNumber, std::string caption, int screenId);
    int Count() const { return int(items_.size()); }
    TNavigatorItem& Item(int index) const { return *items_[std::size_t(index)]; }

private:
    std::vector<std::unique_ptr<TNavigatorItem>> items_;
};

// The ordered topics one navigator shows. One instance per kind of navigator, reached through
// the kind's Instance().
class TCustomNavigatorData {
public:
    TCustomNavigatorData(const TCustomNavigatorData&) = delete;
    TCustomNavigatorData& operator=(const TCustomNavigatorData&) = delete;
    virtual ~TCustomNavigatorData() = default;

    static constexpr unsigned Colour = 15461355; // red 235, green 235, blue 235

    TNavigatorTopic& AddTopic(std::string caption, int screenId);
    void Clear() { topics_.clear(); }
    int Count() const { return int(topics_.size()); }
    TNavigatorTopic& Topic(int index) const { return *topics_[std::size_t(index)]; }

    // The topic or item with the largest screen id in 1..id, the first of equals; nullptr
    // when there is none or it belongs to another section than id.
    TNavigatorItem* FindByScreenId(int id) const;
    // Marks the item and the topic holding it as the only selected ones.
    void SelectItem(const TNavigatorItem& item);

protected:
    TCustomNavigatorData() = default;
    // Called once when the instance is created.
    virtual void BuildTopics() {}

private:
    std::vector<std::unique_ptr<TNavigatorTopic>> topics_;
};

// The module's topics: the sections the stored answers have reached.
class TVeskNavigatorData : public TCustomNavigatorData {
public:
    static TVeskNavigatorData& Instance();
    static void ReleaseInstance();

    // Rebuilds the topic list from the field store.
    void BuildModuleTopics();

private:
    TVeskNavigatorData() = default;
    // Adds the topic of item n of section 78 (a negative n is the screen id itself).
    void AddSection(const char* caption, int n);
    // Adds the topics in order while their rules hold; false when a rule stopped the list.
    bool AddSectionsReached();
};

constexpr int IncompleteClaimScreenId = -1;
extern const char* const IncompleteClaimCaption;
