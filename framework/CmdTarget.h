#pragma once

#include <windows.h>

#include <span>
#include <type_traits>

class CCmdTarget;

// One line of a message map: a window message (or WM_COMMAND with a command id) and its handler.
struct MessageMapEntry {
    UINT message;
    UINT commandId; // WM_COMMAND only; 0 otherwise
    LRESULT (*handler)(CCmdTarget& target);
};

// A class's own entries, and the map of its base searched after them.
struct MessageMap {
    const MessageMap* base;
    std::span<const MessageMapEntry> entries;
};

// Anything that can receive commands through a message map.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the handler that the map binds to this command; false when there is none.
    virtual bool OnCmdMsg(UINT commandId);

protected:
    virtual const MessageMap* GetMessageMap() const { return nullptr; }
    const MessageMapEntry* FindMessageEntry(UINT message, UINT commandId) const;
};

namespace message_map_detail {

template <class Pointer> struct MemberOf;
template <class Class, class Result> struct MemberOf<Result (Class::*)()> { using type = Class; };

// Calls a parameterless member handler; a result (such as a handle) becomes the message's result.
template <auto Handler> LRESULT Invoke(CCmdTarget& target) {
    auto& self = static_cast<typename MemberOf<decltype(Handler)>::type&>(target);
    if constexpr (std::is_void_v<decltype((self.*Handler)())>) {
        (self.*Handler)();
        return 0;
    } else {
        return reinterpret_cast<LRESULT>((self.*Handler)());
    }
}

} // namespace message_map_detail

template <auto Handler> constexpr MessageMapEntry MapMessage(UINT message) {
    return {message, 0, &message_map_detail::Invoke<Handler>};
}

// A command: a button's click, a menu item or a command sent by the framework.
template <auto Handler> constexpr MessageMapEntry MapCommand(UINT commandId) {
    return {WM_COMMAND, commandId, &message_map_detail::Invoke<Handler>};
}
