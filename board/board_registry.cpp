#include "board_registry.h"

#include <utility>

namespace vornia {

TBoardRegistry::TBoardRegistry() : Unregistered(std::make_unique<TPlateList>()), Current(Unregistered.get()) {}

TBoardRegistry::~TBoardRegistry() = default;

bool TBoardRegistry::CurrentIsRegistered() const
{
    const int index = FindBoard(Name);
    return index >= 0 && BoardList[static_cast<std::size_t>(index)].List.get() == Current;
}

void TBoardRegistry::NewPlateList()
{
    Unregistered = std::make_unique<TPlateList>();
    Current = Unregistered.get();
}

void TBoardRegistry::AdoptPlateList(std::unique_ptr<TPlateList> list)
{
    Unregistered = list ? std::move(list) : std::make_unique<TPlateList>();
    Current = Unregistered.get();
}

void TBoardRegistry::SetBoardName(std::string_view name)
{
    // Built apart from Name, since the name may be a view of it.
    std::string bracketed;
    bracketed.reserve(name.size() + 2);
    bracketed += '[';
    bracketed += name;
    bracketed += ']';
    Name = std::move(bracketed);
}

int TBoardRegistry::FindBoard(std::string_view name) const
{
    for (std::size_t i = 0; i < BoardList.size(); ++i)
        if (SameText(BoardList[i].Name, name))
            return static_cast<int>(i);
    return -1;
}

void TBoardRegistry::RegisterBoard(const std::string& name)
{
    const int existing = FindBoard(name);
    if (!Unregistered || Unregistered.get() != Current) {
        // The current list is registered already: only its entry's name can change.
        if (existing >= 0 && BoardList[static_cast<std::size_t>(existing)].List.get() == Current)
            BoardList[static_cast<std::size_t>(existing)].Name = name;
        return;
    }
    if (existing >= 0) {
        auto& entry = BoardList[static_cast<std::size_t>(existing)];
        entry.List = std::move(Unregistered); // the old list goes with its plates
        entry.Name = name;
    } else {
        BoardList.push_back({name, std::move(Unregistered)});
    }
}

bool TBoardRegistry::SwitchToBoard(const std::string& name)
{
    const int index = FindBoard(name);
    if (index < 0 || SameText(name, Name))
        return false;
    Current = BoardList[static_cast<std::size_t>(index)].List.get();
    Unregistered.reset(); // a failed generation's list is referenced by nothing now
    Name = name;
    return true;
}

void TBoardRegistry::RenameBoard(std::string_view oldName, const std::string& newName)
{
    const int index = FindBoard(oldName);
    if (index >= 0)
        BoardList[static_cast<std::size_t>(index)].Name = newName;
}

void TBoardRegistry::FreeBoards()
{
    if (!Unregistered || Unregistered.get() != Current)
        NewPlateList(); // never leave Plates pointing at a freed list
    BoardList.clear();
}

} // namespace vornia
