#pragma once
// The root of every object shown in a list (teams, players, coaches, divisions, calendar entries, matches,
// history records, file records). A list dialog knows nothing about football: it asks each row's object for
// its row text (in the row markup of foundation/row_markup.h), its header columns, its colours and its sort
// order through the virtual operations below. A class overrides only what it shows; the defaults answer
// with placeholder texts that mark a missing override on screen.
//
// No windowing types here: where a list box or a header control would be passed, the operations fill plain
// vectors that the ui turns into widgets.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A Windows colour value, 0x00BBGGRR (blue in the high byte). Signed, because the row painter treats a
// negative selected-background colour differently from 0 and from a positive one.
using TColor = std::int32_t;

// One header section: its caption (Windows-1252) and its fixed width in pixels (width, minimum and maximum
// are all this value; the text is left-justified; the section is not clickable).
struct TColumnSpec {
    std::string caption;
    int width = 0;
    bool operator==(const TColumnSpec&) const = default;
};
using TColumnList = std::vector<TColumnSpec>;

class TKolObject;
// An ordering predicate: true when `earlier` may stand before `later` (see SortList in kol_list.h).
using TKolOrder = std::function<bool(const TKolObject* earlier, const TKolObject* later)>;

// What a column editor may ask of the person at the screen. The ui implements it with input dialogs; the
// core's EditColumn overrides use it so that they hold the rule (which column edits which value) without
// a windowing type.
class TColumnEditPort {
public:
    virtual ~TColumnEditPort() = default;
    // Asks for a text; false when the person cancels. `value` holds the current text on entry.
    virtual bool InputText(const std::string& caption, std::string& value, int maxLength) = 0;
    // Lets the person pick one of `items`; false when cancelled. `index` holds the current choice on entry.
    virtual bool PickFromList(const std::string& caption, const std::vector<std::string>& items,
                              int& index) = 0;
};

class TKolObject {
public:
    TKolObject() = default;
    TKolObject(const TKolObject&) = default;
    TKolObject& operator=(const TKolObject&) = default;
    virtual ~TKolObject() = default;

    // The row text for the columns chosen by `mask` (each class defines which bit adds which column).
    // Default: the placeholder "Kol Object".
    virtual std::string GetListText(int mask) const;
    // Selector 0 answers GetListText; any other selector "Kol Object Ex".
    virtual std::string GetListTextEx(int mask, int selector) const;
    // SelectorB non-zero: "Kol Object Ex2"; otherwise GetListTextEx(mask, selectorA).
    virtual std::string GetListTextEx2(int mask, int selectorA, int selectorB) const;
    // SelectorB non-zero: "Kol Object Ex3"; otherwise GetListTextEx2(mask, selectorA, 0).
    virtual std::string GetListTextEx3(int mask, int selectorA, int selectorB, int selectorC) const;
    // Unused by every class; an empty text.
    virtual std::string GetExtraText(int unused) const;
    // The person clicked the header section `columnCaption` over this row's object. An override compares
    // the caption with its column titles, asks through `port` and answers whether the value changed.
    // Default: true.
    virtual bool EditColumn(const std::string& columnCaption, TColumnEditPort& port);
    // Fills `header` with the sections matching GetListText's columns. The default clears it and, when
    // `numbered` is set, adds one empty section 25 pixels wide for the row numbers; overrides call it first
    // and then add their own sections with AddColumn.
    virtual void SetupColumns(TColumnList& header, bool numbered, int a, int b) const;
    // The list-box part: append this object's row text to `items`.
    virtual void AddListLine(std::vector<std::string>& items, int mask) const; // AddListLineEx(.., 0)
    virtual void AddListLineEx(std::vector<std::string>& items, int mask,
                               int selector) const; // GetListTextEx
    virtual void AddListLineEx2(std::vector<std::string>& items, int mask, int selectorA,
                                int selectorB) const;                               // GetListTextEx2
    virtual void AddListLinePlain(std::vector<std::string>& items, int mask) const; // GetListText
    // Row colours for the row painter; 0 means "the list's own colour".
    virtual TColor TextColor() const;
    virtual TColor BackColor() const;
    virtual TColor SelectedBackColor() const;
    // The order for a click on the column titled `columnTitle`. Default: a predicate that is always false.
    virtual TKolOrder SortCompare(const std::string& columnTitle) const;

    // Appends one header section of `width` pixels.
    static void AddColumn(TColumnList& header, const std::string& caption, int width);
    // Convenience: the header SetupColumns fills, as a value.
    TColumnList Columns(bool numbered, int a = 0, int b = 0) const;
};

// The root of the team-file records and of the game's player class.
class TKolbrinObject : public TKolObject {
public:
    // An extra text of the given kind, formatted with `args`. Default: empty. (The player answers kinds 1
    // and 2 with one of its counts in a singular or plural text.)
    virtual std::string GetInfoText(int kind, const std::vector<std::string>& args) const;
};
