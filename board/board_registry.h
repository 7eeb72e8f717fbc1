// The boards of a run: the registered boards as (bracketed name, plate list)
// entries, the current board and its name. The current list is one of the
// registered ones, or an unregistered list of its own (the empty list at
// creation, the list of a generation that failed), freed once it is replaced.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "plate_list.h"

namespace vornia {

struct TBoardEntry {
    std::string Name; // with its brackets
    std::unique_ptr<TPlateList> List;
};

class TBoardRegistry {
public:
    TBoardRegistry();
    ~TBoardRegistry();
    TBoardRegistry(const TBoardRegistry&) = delete;
    TBoardRegistry& operator=(const TBoardRegistry&) = delete;

    TPlateList& Plates() { return *Current; }
    const TPlateList& Plates() const { return *Current; }
    const std::vector<TBoardEntry>& Boards() const { return BoardList; }
    const std::string& BoardName() const { return Name; }
    // True when the current list is the one registered under BoardName.
    bool CurrentIsRegistered() const;

    // Plates becomes a new empty list; a list that is not in Boards is freed.
    void NewPlateList();
    // Plates becomes the given list (a board read from a file), not yet registered.
    void AdoptPlateList(std::unique_ptr<TPlateList> list);
    // BoardName becomes "[" + name + "]".
    void SetBoardName(std::string_view name);
    void ClearBoardName() { Name.clear(); }
    // Registers the current list under the name (replacing an entry of that name in place).
    void RegisterBoard(const std::string& name);
    // Index of the entry whose name equals the text, letter case ignored; -1 if none.
    int FindBoard(std::string_view name) const;
    // Makes a registered board current; false when absent or already current.
    bool SwitchToBoard(const std::string& name);
    // Renames the entry called oldName (Save As).
    void RenameBoard(std::string_view oldName, const std::string& newName);
    void FreeBoards();

private:
    std::vector<TBoardEntry> BoardList;
    // The current list when it is not registered.
    std::unique_ptr<TPlateList> Unregistered;
    TPlateList* Current = nullptr;
    std::string Name;
};

} // namespace vornia
