#include "board_list.h"

#include "board/plate.h"

namespace vornia {

int FindItemByHint(const TMenuItem& menu, std::string_view hint)
{
    if (hint.empty())
        return -1;
    for (std::size_t i = 0; i < menu.Items.size(); ++i)
        if (SameText(menu.Items[i].Hint, hint))
            return static_cast<int>(i);
    return -1;
}

int FirstCheckedItem(const TMenuItem& menu)
{
    for (std::size_t i = 0; i < menu.Items.size(); ++i)
        if (menu.Items[i].Checked)
            return static_cast<int>(i);
    return -1;
}

int AddBoardEntry(TMenuItem& fileMenu, bool& separatorAdded, const std::string& name, const std::string& itemName)
{
    const int existing = FindItemByHint(fileMenu, name);
    if (existing >= 0)
        return existing;
    if (name.empty())
        return -1;
    if (!separatorAdded) {
        TMenuItem separator;
        separator.Name = "NBoards";
        separator.Caption = std::string(1, '-');
        fileMenu.Items.push_back(std::move(separator));
        separatorAdded = true;
    }
    TMenuItem entry;
    entry.Name = itemName;
    entry.Caption = name;
    entry.Hint = name;
    fileMenu.Items.push_back(std::move(entry));
    return static_cast<int>(fileMenu.Items.size()) - 1;
}

bool RenameBoardEntry(TMenuItem& fileMenu, const std::string& newName, std::string_view oldName)
{
    const int index = FindItemByHint(fileMenu, oldName);
    if (index < 0)
        return false;
    TMenuItem& item = fileMenu.Items[static_cast<std::size_t>(index)];
    item.Hint = newName;
    item.Caption = newName;
    return true;
}

int NeighbourPosition(int k, int count, TCycleDirection direction)
{
    if (count <= 0)
        return -1;
    if (direction == TCycleDirection::Previous)
        return k == 0 ? count - 1 : k - 1;
    return k >= count - 1 ? 0 : k + 1;
}

} // namespace vornia
