// Reordering a contiguous selection of 1,000 items in a 10,000-item list: the time of one
// KelReorderSelectedItems and the repaints it causes, against moves made one by one with the
// list redrawing after each (the first 100 of the block: each costs a repaint of the display).
#include "benchSupport.h"

namespace {
const int itemCount = 10000;
const int blockStart = 4001, blockSize = 1000, baselineMoves = 100;

int paints = 0;
WNDPROC listProc = nullptr;
LRESULT CALLBACK countingProc(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    if (m == WM_PAINT) {
        paints++;
    }
    return CallWindowProcA(listProc, w, m, wp, lp);
}

void fillAndSelect(KelListWidget *list, std::vector<unsigned char *> &table)
{
    KelListSetItems(list, table.data(), itemCount);
    KelListDeselectAllItems(list);
    for (int pos = blockStart; pos < blockStart + blockSize; pos++) {
        KelListSelectPos(list, pos, 0, 0);
    }
    pumpMessages();
}
} // namespace

int main()
{
    CWinApp app;
    ListDialog dialog(LBS_EXTENDEDSEL);
    KelListWidget *list = &dialog.list;
    HWND box = dialog.listHandle();
    KelPaseudoWidget up, down; // no buttons in this dialog: null pseudo widgets

    std::vector<unsigned char *> table;
    for (int i = 1; i <= itemCount; i++) {
        table.push_back(KelGetString(("source " + std::to_string(i)).c_str()));
    }
    listProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(countingProc)));

    printf("Reordering %d selected items of %d\n", blockSize, itemCount);
    std::vector<double> times;
    int repaints = 0;
    for (int run = 0; run < 3; run++) {
        fillAndSelect(list, table);
        paints = 0;
        double start = nowSeconds();
        KelReorderSelectedItems(list, up, down, run % 2 == 0 ? KelReorderUp : KelReorderDown);
        pumpMessages();
        times.push_back(nowSeconds() - start);
        repaints = paints;
    }
    std::sort(times.begin(), times.end());
    double reorder = times[1];

    // The baseline: each item moved with the list drawing after every move.
    fillAndSelect(list, table);
    paints = 0;
    double start = nowSeconds();
    for (int pos = blockStart; pos < blockStart + baselineMoves; pos++) {
        KelListMoveUpPos(list, pos);
        UpdateWindow(box);
    }
    double oneByOne = (nowSeconds() - start) / baselineMoves;
    int baselinePaints = paints;

    report("KelReorderSelectedItems, up or down", reorder * 1000, "ms");
    report("  per moved item", reorder / blockSize * 1e6, "us");
    report("  repaints of the list", repaints, "");
    report("moving one by one, repainting each time (baseline), per item", oneByOne * 1e6, "us");
    report("  repaints of the list for 100 moves", baselinePaints, "");
    reportRatio("baseline / KelReorderSelectedItems, per moved item", oneByOne / (reorder / blockSize));

    SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listProc));
    for (auto *p : table) {
        KelStringFree(p);
    }
    return repaints == 1 ? 0 : 1;
}
