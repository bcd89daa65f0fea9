#include "CmdTarget.h"

bool CCmdTarget::OnCmdMsg(UINT commandId) {
    const MessageMapEntry* entry = FindMessageEntry(WM_COMMAND, commandId);
    if (!entry)
        return false;
    entry->handler(*this);
    return true;
}

const MessageMapEntry* CCmdTarget::FindMessageEntry(UINT message, UINT commandId) const {
    for (const MessageMap* map = GetMessageMap(); map; map = map->base)
        for (const MessageMapEntry& entry : map->entries)
            if (entry.message == message && entry.commandId == commandId)
                return &entry;
    return nullptr;
}
