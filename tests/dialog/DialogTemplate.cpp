#include "DialogTemplate.h"

#include <cstring>

namespace {

constexpr WORD kExtendedSignature = 0xFFFF;
constexpr WORD kOrdinalMark = 0xFFFF;

// Walks the template's bytes; every read past the end yields zeros and marks the reader as overrun.
class TemplateReader {
public:
    TemplateReader(const BYTE* data, size_t size) : m_data(data), m_size(size) {}

    template <class Value> Value read() {
        Value value = {};
        if (m_offset + sizeof value > m_size) {
            m_overrun = true;
            return value;
        }
        std::memcpy(&value, m_data + m_offset, sizeof value);
        m_offset += sizeof value;
        return value;
    }

    RECT readRect() {
        const short x = read<short>(), y = read<short>(), cx = read<short>(), cy = read<short>();
        return RECT{x, y, x + cx, y + cy};
    }

    std::string readString() {
        std::wstring wide;
        for (WCHAR c = read<WCHAR>(); c && !m_overrun; c = read<WCHAR>())
            wide.push_back(c);
        return Narrow(wide);
    }

    // A name or an ordinal: empty for "none", "#n" for an ordinal unless a name is known for it.
    std::string readNameOrOrdinal(bool isClass) {
        const WORD first = read<WORD>();
        if (first == 0)
            return {};
        if (first == kOrdinalMark) {
            const WORD ordinal = read<WORD>();
            if (isClass)
                if (const char* name = PredefinedClass(ordinal))
                    return name;
            std::string text = "#";
            return text.append(std::to_string(ordinal));
        }
        m_offset -= sizeof first;
        return readString();
    }

    void skip(size_t bytes) { m_offset += bytes; }
    void alignToDword() { m_offset = (m_offset + 3) & ~size_t{3}; }
    bool overrun() const { return m_overrun || m_offset > m_size; }

private:
    static const char* PredefinedClass(WORD ordinal) {
        switch (ordinal) {
        case 0x80:
            return "Button";
        case 0x81:
            return "Edit";
        case 0x82:
            return "Static";
        case 0x83:
            return "ListBox";
        case 0x84:
            return "ScrollBar";
        case 0x85:
            return "ComboBox";
        }
        return nullptr;
    }

    static std::string Narrow(const std::wstring& wide) {
        if (wide.empty())
            return {};
        const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                             0, nullptr, nullptr);
        std::string text(size, '\0');
        WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size, nullptr,
                            nullptr);
        return text;
    }

    const BYTE* m_data;
    size_t m_size;
    size_t m_offset = 0;
    bool m_overrun = false;
};

DialogItemTemplate ReadItem(TemplateReader& reader) {
    reader.alignToDword();
    DialogItemTemplate item;
    item.helpId = reader.read<DWORD>();
    item.exStyle = reader.read<DWORD>();
    item.style = reader.read<DWORD>();
    item.rect = reader.readRect();
    item.id = static_cast<int>(reader.read<DWORD>());
    item.className = reader.readNameOrOrdinal(true);
    item.title = reader.readNameOrOrdinal(false);
    item.extraCount = reader.read<WORD>();
    reader.skip(item.extraCount);
    return item;
}

} // namespace

std::optional<DialogTemplate> LoadDialogTemplateEx(HMODULE module, int id, LANGID language) {
    HRSRC resource = FindResourceExA(module, RT_DIALOG, MAKEINTRESOURCEA(id), language);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const auto* data = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (!data)
        return std::nullopt;
    TemplateReader reader(data, SizeofResource(module, resource));

    DialogTemplate dialog;
    dialog.version = reader.read<WORD>();
    dialog.signature = reader.read<WORD>();
    if (dialog.version != 1 || dialog.signature != kExtendedSignature)
        return std::nullopt;
    dialog.helpId = reader.read<DWORD>();
    dialog.exStyle = reader.read<DWORD>();
    dialog.style = reader.read<DWORD>();
    const WORD itemCount = reader.read<WORD>();
    dialog.rect = reader.readRect();
    dialog.hasMenu = !reader.readNameOrOrdinal(false).empty();
    dialog.hasClass = !reader.readNameOrOrdinal(false).empty();
    dialog.title = reader.readString();
    if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
        dialog.pointSize = reader.read<WORD>();
        dialog.weight = reader.read<WORD>();
        dialog.italic = reader.read<BYTE>();
        dialog.charset = reader.read<BYTE>();
        dialog.typeface = reader.readString();
    }
    for (WORD i = 0; i < itemCount; ++i)
        dialog.items.push_back(ReadItem(reader));
    if (reader.overrun())
        return std::nullopt;
    return dialog;
}
