// The grid of a running Festorin: its list view's texts are read through
// memory reserved in Festorin's process, and its header takes the mouse.
#include <array>
#include <cstring>
#include <stdexcept>

#include "e2e/festorin.h"

namespace e2e {

namespace {

// Memory in Festorin's process, for the messages whose arguments are pointers.
class RemoteMemory {
public:
    RemoteMemory(HANDLE process, std::size_t size)
        : process_(process),
          address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {
        if (!address_) throw std::runtime_error("cannot reserve memory in Festorin");
    }
    ~RemoteMemory() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    char* at(std::size_t offset) const { return static_cast<char*>(address_) + offset; }
    void write(std::size_t offset, const void* data, std::size_t size) const {
        WriteProcessMemory(process_, at(offset), data, size, nullptr);
    }
    void read(std::size_t offset, void* data, std::size_t size) const {
        ReadProcessMemory(process_, at(offset), data, size, nullptr);
    }

private:
    HANDLE process_;
    void* address_;
};

constexpr int textCapacity = 512;

// A cell's text through memory reserved in Festorin for the request and the text.
std::string itemText(const RemoteMemory& memory, HWND listView, int item, int column) {
    LVITEMA request{};
    request.iSubItem = column;
    request.pszText = memory.at(sizeof request);
    request.cchTextMax = textCapacity;
    memory.write(0, &request, sizeof request);
    auto length = SendMessageA(listView, LVM_GETITEMTEXTA, static_cast<WPARAM>(item),
                               reinterpret_cast<LPARAM>(memory.at(0)));
    std::string text(static_cast<std::size_t>(length), '\0');
    memory.read(sizeof request, text.data(), text.size());
    return text;
}

HWND headerOf(HWND listView) {
    return reinterpret_cast<HWND>(SendMessageA(listView, LVM_GETHEADER, 0, 0));
}

LPARAM pointOnHeader(int x) { return MAKELPARAM(x, 5); }

}  // namespace

int Festorin::gridRows() const {
    return static_cast<int>(SendMessageA(grid(), LVM_GETITEMCOUNT, 0, 0));
}

std::string Festorin::gridCell(int item, int column) const {
    RemoteMemory memory(process_.hProcess, sizeof(LVITEMA) + textCapacity);
    return itemText(memory, grid(), item, column);
}

// Every cell's request written at once and every text read at once: each
// write or read in another process is a round trip through the Wine server.
std::vector<Person> Festorin::gridPeople() const {
    constexpr std::size_t columns = 10;
    constexpr std::size_t slot = sizeof(LVITEMA) + textCapacity;
    const HWND listView = grid();
    const std::size_t cells = static_cast<std::size_t>(gridRows()) * columns;
    if (cells == 0) return {};
    RemoteMemory memory(process_.hProcess, cells * slot);
    std::vector<char> block(cells * slot);
    for (std::size_t cell = 0; cell < cells; ++cell) {
        LVITEMA request{};
        request.iSubItem = static_cast<int>(cell % columns);
        request.pszText = memory.at(cell * slot + sizeof request);
        request.cchTextMax = textCapacity;
        std::memcpy(block.data() + cell * slot, &request, sizeof request);
    }
    memory.write(0, block.data(), block.size());
    std::vector<std::size_t> lengths;
    for (std::size_t cell = 0; cell < cells; ++cell)
        lengths.push_back(static_cast<std::size_t>(
            SendMessageA(listView, LVM_GETITEMTEXTA, cell / columns,
                         reinterpret_cast<LPARAM>(memory.at(cell * slot)))));
    memory.read(0, block.data(), block.size());
    std::vector<Person> people(cells / columns);
    for (std::size_t cell = 0; cell < cells; ++cell)
        people[cell / columns].emplace_back(block.data() + cell * slot + sizeof(LVITEMA),
                                            lengths[cell]);
    return people;
}

std::vector<std::string> Festorin::gridColumn(int column) const {
    RemoteMemory memory(process_.hProcess, sizeof(LVITEMA) + textCapacity);
    const HWND listView = grid();
    std::vector<std::string> texts;
    for (int item = 0, rows = gridRows(); item < rows; ++item)
        texts.push_back(itemText(memory, listView, item, column));
    return texts;
}

std::vector<std::string> Festorin::gridHeaders() const {
    HWND header = headerOf(grid());
    int count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    RemoteMemory memory(process_.hProcess, sizeof(HDITEMA) + textCapacity);
    std::vector<std::string> headers;
    for (int column = 0; column < count; ++column) {
        HDITEMA request{};
        request.mask = HDI_TEXT;
        request.pszText = memory.at(sizeof request);
        request.cchTextMax = textCapacity;
        memory.write(0, &request, sizeof request);
        memory.write(sizeof request, "", 1);
        SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(column),
                     reinterpret_cast<LPARAM>(memory.at(0)));
        std::array<char, textCapacity> text{};
        memory.read(sizeof request, text.data(), text.size());
        text.back() = '\0';
        headers.emplace_back(text.data());
    }
    return headers;
}

int Festorin::gridColumnWidth(int column) const {
    return static_cast<int>(SendMessageA(grid(), LVM_GETCOLUMNWIDTH, column, 0));
}

void Festorin::dragGridHeader(int fromX, int toX) const {
    HWND header = headerOf(grid());
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, pointOnHeader(fromX));
    for (int x = fromX; x != toX; x += (toX > fromX ? 1 : -1))
        SendMessageA(header, WM_MOUSEMOVE, MK_LBUTTON, pointOnHeader(x));
    SendMessageA(header, WM_MOUSEMOVE, MK_LBUTTON, pointOnHeader(toX));
    SendMessageA(header, WM_LBUTTONUP, 0, pointOnHeader(toX));
}

void Festorin::doubleClickGridHeader(int x) const {
    HWND header = headerOf(grid());
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, pointOnHeader(x));
    SendMessageA(header, WM_LBUTTONUP, 0, pointOnHeader(x));
    SendMessageA(header, WM_LBUTTONDBLCLK, MK_LBUTTON, pointOnHeader(x));
    SendMessageA(header, WM_LBUTTONUP, 0, pointOnHeader(x));
}

void Festorin::selectGridItem(int item) const {
    RemoteMemory memory(process_.hProcess, sizeof(LVITEMA));
    LVITEMA change{};
    change.stateMask = LVIS_SELECTED;
    memory.write(0, &change, sizeof change);
    SendMessageA(grid(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(memory.at(0)));
    change.state = change.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
    memory.write(0, &change, sizeof change);
    SendMessageA(grid(), LVM_SETITEMSTATE, static_cast<WPARAM>(item),
                 reinterpret_cast<LPARAM>(memory.at(0)));
}

}  // namespace e2e
