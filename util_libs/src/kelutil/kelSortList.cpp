// Sorted insertion into a list by the caller's comparison, by binary search over the item table.
#include "kelcore.h"
#include "kelwlib.h"

#include <cstdlib>
#include <cstring>

int KelListAddItemSorted(KelListWidget *list, const unsigned char *item, const char *text,
                         KelListCompareProc compare, void *clientData)
{
    if ((item == nullptr) == (text == nullptr)) {
        return -1;
    }
    unsigned char *madeItem = nullptr;
    char *madeText = nullptr;
    if (item == nullptr) {
        item = madeItem = KelGetString(text);
    } else {
        text = madeText = reinterpret_cast<char *>(KelGetString(reinterpret_cast<const char *>(item)));
    }

    unsigned char **items;
    int n;
    KelListGetItems(list, &items, &n);
    int position = 1;
    if (n > 0) {
        int low = 0, high = n - 1, mid = 0, c = 0;
        while (high >= low) {
            mid = (low + high) / 2;
            // The comparison gets its own copy: it may not keep or change the widget's table.
            unsigned char *existing = KelGetString(reinterpret_cast<const char *>(items[mid]));
            c = compare(reinterpret_cast<const char *>(existing), text, clientData);
            KelStringFree(existing);
            if (c > 0) {
                high = mid - 1;
            } else if (c == 0) {
                break;
            } else {
                low = mid + 1;
            }
        }
        // Every item compared less: append. Otherwise before the item the search ended on, or
        // after it when that one was still less.
        position = low == n ? n + 1 : (c < 0 ? mid + 2 : mid + 1);
    }
    KelListAddItemUnselected(list, item, position == n + 1 ? 0 : position);
    KelStringFree(madeItem);
    KelStringFree(madeText);
    return position;
}

namespace {
struct TwoArgumentCompare {
    int (*compare)(const char *, const char *);
};

int callTwoArgumentCompare(const char *existing, const char *text, void *clientData)
{
    return static_cast<TwoArgumentCompare *>(clientData)->compare(existing, text);
}
} // namespace

int addItemSorted(KelListWidget *list, const unsigned char *item, const char *text,
                  int (*compare)(const char *existing, const char *text))
{
    TwoArgumentCompare adapter = {compare};
    return KelListAddItemSorted(list, item, text, callTwoArgumentCompare, &adapter);
}
