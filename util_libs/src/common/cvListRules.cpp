#include "cvListRules.h"

int cvSortedInsertPosition(int count, const std::function<int(int)> &compareAt)
{
    if (count <= 0) {
        return 1;
    }
    int low = 0, high = count - 1, mid = 0, c = 0;
    while (low <= high) {
        mid = (low + high) / 2;
        c = compareAt(mid);
        if (c > 0) {
            high = mid - 1;
        } else if (c < 0) {
            low = mid + 1;
        } else {
            break;
        }
    }
    if (low == count) {
        return 0;
    }
    return c < 0 ? mid + 2 : mid + 1;
}

CvCenterScroll cvCenterScroll(int position, int visible, int count)
{
    int half = visible / 2;
    if (position == 0 || position > count - half) {
        return {CvCenterScroll::bottom, 0};
    }
    if (position < visible) {
        return {CvCenterScroll::top, 1};
    }
    return {CvCenterScroll::topPosition, position - half};
}

int cvOptionMenuPaneCount(int items, int perPane)
{
    if (perPane < 1 || items <= perPane + 4) {
        return 1;
    }
    return items / perPane + (items % perPane > 1 ? 1 : 0);
}

bool cvOptionMenuStartsPane(int index, int perPane, int paneCount, int opened)
{
    return paneCount > 1 && perPane > 0 && index != 0 && index % perPane == 0 && opened < paneCount;
}
