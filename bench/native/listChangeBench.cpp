// Deleting and replacing 1,000 items of a 10,000-item list by value (KelListDeleteItems,
// KelListReplaceItems), against the list's earlier algorithm, kept here as the baseline: after
// every change it read the whole list back from the control before the next find.
#include "benchSupport.h"

#include <cstring>

namespace {
const int itemCount = 10000;
const int changed = 1000; // every tenth item

std::string itemText(int i)
{
    char buf[64];
    snprintf(buf, sizeof buf, "node-%05d.example.net", i);
    return buf;
}

// The earlier algorithm: item and selection tables rebuilt from the control after each change.
class RereadingList {
public:
    explicit RereadingList(HWND box) : box_(box) {}

    void deleteItem(const char *item)
    {
        int index = find(item);
        if (index >= 0) {
            SendMessageA(box_, LB_DELETESTRING, index, 0);
            stale_ = true;
        }
    }
    void replaceItem(const char *oldItem, const char *newItem)
    {
        int index = find(oldItem);
        if (index >= 0) {
            SendMessageA(box_, LB_DELETESTRING, index, 0);
            SendMessageA(box_, LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(newItem));
            stale_ = true;
            widen(newItem);
        }
    }

private:
    int find(const char *item)
    {
        if (stale_) {
            rebuild();
        }
        for (size_t i = 0; i < items_.size(); i++) {
            if (strcmp(items_[i].c_str(), item) == 0) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    void rebuild()
    {
        int n = static_cast<int>(SendMessageA(box_, LB_GETCOUNT, 0, 0));
        items_.assign(n, std::string());
        for (int i = 0; i < n; i++) {
            items_[i].resize(SendMessageA(box_, LB_GETTEXTLEN, i, 0));
            SendMessageA(box_, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&items_[i][0]));
        }
        int selected = static_cast<int>(SendMessageA(box_, LB_GETSELCOUNT, 0, 0));
        selection_.resize(selected > 0 ? selected : 0);
        if (selected > 0) {
            SendMessageA(box_, LB_GETSELITEMS, selected, reinterpret_cast<LPARAM>(selection_.data()));
        }
        stale_ = false;
    }
    void widen(const char *item)
    {
        HDC dc = GetDC(box_);
        HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(box_, WM_GETFONT, 0, 0)));
        std::string measured = std::string(item) + " ";
        SIZE size;
        GetTextExtentPoint32A(dc, measured.c_str(), static_cast<int>(measured.size()), &size);
        SelectObject(dc, previous);
        ReleaseDC(box_, dc);
        if (size.cx > SendMessageA(box_, LB_GETHORIZONTALEXTENT, 0, 0)) {
            SendMessageA(box_, LB_SETHORIZONTALEXTENT, size.cx, 0);
        }
    }

    HWND box_;
    bool stale_ = true;
    std::vector<std::string> items_;
    std::vector<int> selection_;
};

struct Tables {
    std::vector<unsigned char *> all, old, replacement;
    Tables()
    {
        for (int i = 1; i <= itemCount; i++) {
            all.push_back(KelGetString(itemText(i).c_str()));
        }
        for (int i = 0; i < changed; i++) {
            old.push_back(all[i * (itemCount / changed) + 5]);
            replacement.push_back(KelGetString(("new " + itemText(i)).c_str()));
        }
    }
    ~Tables()
    {
        for (auto *p : all) {
            KelStringFree(p);
        }
        for (auto *p : replacement) {
            KelStringFree(p);
        }
    }
};

// Fills the list and selects a block, as a tool's list holds a selection while it changes.
void fill(KelListWidget *list, Tables &t)
{
    KelListSetItems(list, t.all.data(), itemCount);
    for (int pos = 4001; pos <= 4100; pos++) {
        KelListSelectPos(list, pos, 0, 0);
    }
    unsigned char **items;
    int n;
    KelListGetItems(list, &items, &n); // the tables as a tool that has looked at its list has them
    pumpMessages();
}

template <class F> double timed(KelListWidget *list, Tables &t, F change)
{
    std::vector<double> times;
    for (int run = 0; run < 3; run++) {
        fill(list, t);
        double start = nowSeconds();
        change();
        times.push_back(nowSeconds() - start);
    }
    std::sort(times.begin(), times.end());
    return times[1];
}
// Both algorithms on one list, shown or hidden: the hidden one measures the tables alone, the
// shown one also what a tool's user waits for while the list draws.
void run(bool shown)
{
    ListDialog dialog(LBS_EXTENDEDSEL, shown);
    KelListWidget *list = &dialog.list;
    HWND box = dialog.listHandle();
    Tables t;

    printf("Changing %d of %d items by value, %s list\n", changed, itemCount, shown ? "shown" : "hidden");
    double deleting = timed(list, t, [&] { KelListDeleteItems(list, t.old.data(), changed); });
    double replacing =
        timed(list, t, [&] { KelListReplaceItems(list, t.old.data(), changed, t.replacement.data()); });

    // The baseline, once each: it reads 10,000 items back per changed item.
    fill(list, t);
    RereadingList before(box);
    double start = nowSeconds();
    for (int i = 0; i < changed; i++) {
        before.deleteItem(reinterpret_cast<const char *>(t.old[i]));
    }
    double deletingBefore = nowSeconds() - start;
    fill(list, t);
    RereadingList beforeReplace(box);
    start = nowSeconds();
    for (int i = 0; i < changed; i++) {
        beforeReplace.replaceItem(reinterpret_cast<const char *>(t.old[i]),
                                  reinterpret_cast<const char *>(t.replacement[i]));
    }
    double replacingBefore = nowSeconds() - start;

    report("KelListDeleteItems, tables kept in step", deleting * 1000, "ms");
    report("deleting, the list read back after each change (baseline)", deletingBefore * 1000, "ms");
    reportRatio("deleting: baseline / kept in step", deletingBefore / deleting, 20);
    report("KelListReplaceItems, tables kept in step", replacing * 1000, "ms");
    report("replacing, the list read back after each change (baseline)", replacingBefore * 1000, "ms");
    reportRatio("replacing: baseline / kept in step", replacingBefore / replacing, 20);
    pumpMessages();
}
} // namespace

int main()
{
    CWinApp app;
    run(false);
    run(true);
    return 0;
}
