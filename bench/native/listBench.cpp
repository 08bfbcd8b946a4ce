// KelListWidget's cached getters and finds on a 10,000-item list, against a baseline that reads
// every item back from the control at each call, as a list without the tables would.
#include "benchSupport.h"

#include <cstring>

namespace {
const int itemCount = 10000;

std::string itemText(int i)
{
    char buf[64];
    snprintf(buf, sizeof buf, "node-%05d.example.net", i);
    return buf;
}

// The baseline: every item read from the control, then compared.
int findByReading(HWND list, const char *wanted)
{
    int n = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    int found = 0;
    std::vector<char> buf;
    for (int i = 0; i < n; i++) {
        int length = static_cast<int>(SendMessageA(list, LB_GETTEXTLEN, i, 0));
        buf.resize(length + 1);
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buf.data()));
        if (found == 0 && strcmp(buf.data(), wanted) == 0) {
            found = i + 1;
        }
    }
    return found;
}

// The baseline of a getter: a fresh copy of every item, and of the selected ones.
int readAll(HWND list, std::vector<std::string> &items, std::vector<std::string> &selected)
{
    int n = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    items.assign(n, std::string());
    selected.clear();
    for (int i = 0; i < n; i++) {
        int length = static_cast<int>(SendMessageA(list, LB_GETTEXTLEN, i, 0));
        items[i].resize(length);
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&items[i][0]));
        if (SendMessageA(list, LB_GETSEL, i, 0) > 0) {
            selected.push_back(items[i]);
        }
    }
    return n;
}
} // namespace

int main()
{
    CWinApp app;
    ListDialog dialog(LBS_EXTENDEDSEL);
    KelListWidget *list = &dialog.list;
    HWND box = dialog.listHandle();

    std::vector<unsigned char *> table;
    for (int i = 1; i <= itemCount; i++) {
        table.push_back(KelGetString(itemText(i).c_str()));
    }
    double fill = medianSeconds(1, [&] { KelListSetItems(list, table.data(), itemCount); });
    for (int pos = 4001; pos <= 4100; pos++) {
        KelListSelectPos(list, pos, 0, 0);
    }

    printf("KelListWidget, %d items\n", itemCount);
    report("filling the list (KelListSetItems)", fill * 1000, "ms");

    // Repeated finds of items spread over the list.
    const int finds = 200;
    std::vector<std::string> wanted;
    for (int i = 0; i < finds; i++) {
        wanted.push_back(itemText(1 + (i * 7919) % itemCount));
    }
    KelListItemPos(list, reinterpret_cast<const unsigned char *>("warm up the tables"));
    volatile int sink = 0;
    double cached = medianSeconds(5, [&] {
        for (const auto &w : wanted) {
            sink = sink + KelListItemPos(list, reinterpret_cast<const unsigned char *>(w.c_str()));
        }
    }) / finds;
    double reading = medianSeconds(3, [&] {
        for (int i = 0; i < finds / 10; i++) {
            sink = sink + findByReading(box, wanted[i].c_str());
        }
    }) / (finds / 10);
    report("find (KelListItemPos), cached tables", cached * 1e6, "us");
    report("find, reading every item back at each call (baseline)", reading * 1e6, "us");
    reportRatio("find: baseline / cached", reading / cached, 20);

    // Getters: the item table and the selection.
    const int gets = 200;
    double items = medianSeconds(5, [&] {
        for (int i = 0; i < gets; i++) {
            unsigned char **t;
            int n;
            KelListGetItems(list, &t, &n);
            sink = sink + n;
        }
    }) / gets;
    double selected = medianSeconds(5, [&] {
        for (int i = 0; i < gets; i++) {
            unsigned char **t;
            int n;
            KelListGetSelectedItems(list, &t, &n);
            sink = sink + n;
        }
    }) / gets;
    std::vector<std::string> copyItems, copySelected;
    double baseline = medianSeconds(3, [&] { sink = sink + readAll(box, copyItems, copySelected); });
    report("KelListGetItems, cached", items * 1e6, "us");
    report("KelListGetSelectedItems, selection unchanged", selected * 1e6, "us");
    report("reading items and selection back (baseline)", baseline * 1e6, "us");
    reportRatio("KelListGetItems: baseline / cached", baseline / items);
    reportRatio("KelListGetSelectedItems: baseline / cached", baseline / selected);

    for (auto *p : table) {
        KelStringFree(p);
    }
    return 0;
}
