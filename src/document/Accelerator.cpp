#include "document/Accelerator.h"

#include "document/CommandIds.h"

namespace {

KeyStroke Char(int character)
{
    return {character, KeyStroke::None, true};
}

KeyStroke Key(int key, std::uint8_t modifiers = KeyStroke::None)
{
    return {key, modifiers, false};
}

std::vector<Accelerator> BuildTable()
{
    std::vector<Accelerator> table;
    for (int code = 0; code <= 9; ++code)
        table.push_back({Char('0' + code), ID_MARK_0 + code});
    const std::vector<Accelerator> rest = {
        {Char('-'), ID_MARK_DELETE},
        {Key('1', KeyStroke::Ctrl), ID_ZOOM_100},
        {Key('A', KeyStroke::Ctrl), ID_COLOR_AUTO},
        {Key('B', KeyStroke::Ctrl), ID_COLOR_WITHOUT},
        {Key('D', KeyStroke::Ctrl), ID_COLOR_DAY},
        {Key('N', KeyStroke::Ctrl), ID_COLOR_NIGHT},
        {Key('W', KeyStroke::Ctrl), ID_ZOOM_FIT},
        {Key('O', KeyStroke::Ctrl), ID_FILE_OPEN},
        {Key('P', KeyStroke::Ctrl), ID_PRINT_SUBPOENA},
        {Key('S', KeyStroke::Ctrl), ID_PRINT_SCREEN},
        {Key('D', KeyStroke::Alt), ID_NOTE_DELETE},
        {Key('E', KeyStroke::Alt), ID_NOTE_EDIT},
        {Key('I', KeyStroke::Alt), ID_PRIVATE_NOTES_MODE},
        {Key('L', KeyStroke::Alt), ID_RECORDS_LISTING},
        {Key(KeyStroke::Escape), ID_LEAVE_FULL_SCREEN},
        {Key(KeyStroke::F2), ID_REFRESH},
        {Key(KeyStroke::F5), ID_PLAY_RESTART},
        // The menu item reads Ctrl+F4; the key has always been Ctrl+F5.
        {Key(KeyStroke::F5, KeyStroke::Ctrl), ID_PLAY_CONTINUE},
        {Key(KeyStroke::F5, KeyStroke::Shift), ID_PLAY_PAUSE},
        {Key(KeyStroke::F9), ID_GENERAL_FULL_SCREEN},
        {Key(KeyStroke::F9, KeyStroke::Shift), ID_GENERAL_FULL_SCREEN},
        {Key(KeyStroke::F10), ID_DETAILED_FULL_SCREEN},
        {Key(KeyStroke::F10, KeyStroke::Shift), ID_DETAILED_FULL_SCREEN},
        {Key(KeyStroke::F6), ID_NEXT_PANE},
        {Key(KeyStroke::F6, KeyStroke::Shift), ID_PREV_PANE},
        {Key('C', KeyStroke::Ctrl), ID_EDIT_COPY},
        {Key(KeyStroke::Insert, KeyStroke::Ctrl), ID_EDIT_COPY},
        {Key('V', KeyStroke::Ctrl), ID_EDIT_PASTE},
        {Key(KeyStroke::Insert, KeyStroke::Shift), ID_EDIT_PASTE},
        {Key('X', KeyStroke::Ctrl), ID_EDIT_CUT},
        {Key(KeyStroke::Delete, KeyStroke::Shift), ID_EDIT_CUT},
        {Key('Z', KeyStroke::Ctrl), ID_EDIT_UNDO},
        {Key(KeyStroke::Backspace, KeyStroke::Alt), ID_EDIT_UNDO},
    };
    table.insert(table.end(), rest.begin(), rest.end());
    return table;
}

}  // namespace

const std::vector<Accelerator>& Accelerators()
{
    static const std::vector<Accelerator> table = BuildTable();
    return table;
}

std::vector<KeyStroke> AcceleratorsFor(int command)
{
    std::vector<KeyStroke> keys;
    for (const Accelerator& row : Accelerators())
        if (row.Command == command)
            keys.push_back(row.Keys);
    return keys;
}
