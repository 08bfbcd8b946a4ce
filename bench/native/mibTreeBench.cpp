// The native MIB tree: filling the tree control with the standard MIB and with a generated MIB of
// 100,000 nodes (the cost per node should not grow with the tree), and finding and selecting a
// dotted name through the node index against searching the control's items for it.
#include "benchSupport.h"

#include "../generatedMib.h"
#include "kelMibSel.h"

#include <cstdlib>
#include <cstring>
#include <deque>
#include <memory>
#include <string>

namespace {

const int treeId = 100;

// A dialog holding one tree control, as the selector's dialog holds it; hidden, it measures the
// library and the control without the X server's drawing.
class TreeDialog : public CDialog {
public:
    explicit TreeDialog(bool visible = false)
    {
        struct {
            DLGTEMPLATE dialog;
            WORD menu, windowClass, title;
        } t = {};
        t.dialog.style = WS_POPUP | WS_CAPTION | (visible ? WS_VISIBLE : 0);
        t.dialog.cx = 220, t.dialog.cy = 200;
        CreateIndirect(&t.dialog);
        CreateWindowExA(0, WC_TREEVIEWA, "",
                        WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, 5, 5,
                        300, 280, m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(treeId)), nullptr, nullptr);
        pumpMessages();
    }
    HWND tree() { return ::GetDlgItem(m_hWnd, treeId); }
};

// 100,000 nodes: 1,000 tables of 97 columns, as in the MIB load benchmark.
std::string generatedDatabase()
{
    return writeGeneratedMib(100000, std::string(getenv("TEMP") != nullptr ? getenv("TEMP") : ".") + "\\cvgui-bench-tree-100k.db");
}

// Wine deletes the items of a large tree slowly (it looks each one up by a linear search), which
// is no part of filling it: each fill goes into a new hidden dialog, kept until the process ends.

// The items of the loaded MIB inserted straight into the control, without the library, level by
// level (each node's children together) or in one pre-order walk; microseconds per node.
double controlAlone(bool levelByLevel)
{
    HWND tree = (new TreeDialog)->tree();
    double start = nowSeconds();
    SendMessageA(tree, WM_SETREDRAW, FALSE, 0);
    std::deque<std::pair<CVmibNode *, HTREEITEM>> pending; // a node and its parent's item
    for (CVmibNode *n = Mib; n != nullptr; n = n->next) {
        pending.emplace_back(n, TVI_ROOT);
    }
    while (!pending.empty()) {
        auto [node, parent] = levelByLevel ? pending.front() : pending.back();
        if (levelByLevel) {
            pending.pop_front();
        } else {
            pending.pop_back();
        }
        TVINSERTSTRUCTA insert = {};
        insert.hParent = parent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = const_cast<char *>(node->label);
        auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
        std::vector<std::pair<CVmibNode *, HTREEITEM>> children;
        for (CVmibNode *c = node->child; c != nullptr; c = c->next) {
            children.emplace_back(c, item);
        }
        if (levelByLevel) {
            pending.insert(pending.end(), children.begin(), children.end());
        } else {
            pending.insert(pending.end(), children.rbegin(), children.rend());
        }
    }
    SendMessageA(tree, WM_SETREDRAW, TRUE, 0);
    return (nowSeconds() - start) * 1e6 / static_cast<double>(nodeCount());
}

struct Fill {
    double library; // KelMibTreeInit, microseconds per node
    double control; // the control alone, items level by level
};

// Best of runs: filling the small tree takes milliseconds, to which other work on the machine
// only ever adds.
Fill fill(int runs, TreeDialog **last)
{
    Fill best = {1e30, 1e30};
    for (int i = 0; i < runs; i++) {
        auto *dialog = new TreeDialog;
        double start = nowSeconds();
        if (!KelMibTreeInit(dialog, treeId, 1)) {
            fprintf(stderr, "bench: the MIB did not load\n");
            exit(1);
        }
        best.library = std::min(best.library, (nowSeconds() - start) * 1e6 / static_cast<double>(nodeCount()));
        *last = dialog;
        pumpMessages();
        best.control = std::min(best.control, controlAlone(true));
    }
    return best;
}

std::string itemText(HWND tree, HTREEITEM item)
{
    char buf[256];
    TVITEMA tv = {};
    tv.mask = TVIF_TEXT;
    tv.hItem = item;
    tv.pszText = buf;
    tv.cchTextMax = sizeof buf;
    buf[0] = '\0';
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
    return buf;
}

HTREEITEM next(HWND tree, HTREEITEM item, UINT code)
{
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

std::vector<std::string> componentsOf(const std::string &name)
{
    std::vector<std::string> components;
    for (size_t start = 1; start <= name.size();) {
        size_t end = name.find('.', start);
        components.push_back(name.substr(start, end == std::string::npos ? std::string::npos : end - start));
        start = end == std::string::npos ? name.size() + 1 : end + 1;
    }
    return components;
}

// Shows and selects the item of a name whose items the search found, as the index does it.
void showAndSelect(HWND tree, const std::vector<HTREEITEM> &matched)
{
    HTREEITEM child = next(tree, matched.back(), TVGN_CHILD);
    HTREEITEM target = child != nullptr ? child : matched.back();
    SendMessageA(tree, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(target));
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(target));
}

// The baseline: the control's items read one by one in the order the tree holds them (an item,
// then its children, then its next sibling) until the item of the name is met.
bool searchItemByItem(HWND tree, const std::string &name)
{
    std::vector<std::string> components = componentsOf(name);
    std::vector<HTREEITEM> matched; // the items of the name's components met on the current path
    size_t depth = 0;
    for (HTREEITEM item = next(tree, nullptr, TVGN_ROOT); item != nullptr;) {
        if (matched.size() > depth) {
            matched.resize(depth);
        }
        if (depth == matched.size() && depth < components.size() && itemText(tree, item) == components[depth]) {
            matched.push_back(item);
            if (matched.size() == components.size()) {
                showAndSelect(tree, matched);
                return true;
            }
        }
        if (HTREEITEM child = next(tree, item, TVGN_CHILD)) {
            item = child;
            depth++;
            continue;
        }
        while (item != nullptr && next(tree, item, TVGN_NEXT) == nullptr) {
            item = next(tree, item, TVGN_PARENT);
            depth--;
        }
        item = item != nullptr ? next(tree, item, TVGN_NEXT) : nullptr;
    }
    return false;
}

// A kinder search: only the siblings on the name's path are read.
bool searchLevelByLevel(HWND tree, const std::string &name)
{
    std::vector<HTREEITEM> matched;
    HTREEITEM level = next(tree, nullptr, TVGN_ROOT);
    for (const std::string &component : componentsOf(name)) {
        HTREEITEM item = level;
        while (item != nullptr && itemText(tree, item) != component) {
            item = next(tree, item, TVGN_NEXT);
        }
        if (item == nullptr) {
            return false;
        }
        matched.push_back(item);
        level = next(tree, item, TVGN_CHILD);
    }
    showAndSelect(tree, matched);
    return true;
}

} // namespace

int main()
{
    CWinApp app;
    if (getenv("CVMIBFILE") == nullptr) {
        _putenv_s("CVMIBFILE", CVGUI_STANDARD_MIBDB);
    }
    TreeDialog *dialog = nullptr;
    Fill standard = fill(15, &dialog);
    size_t standardNodes = nodeCount();

    std::string big = generatedDatabase();
    _putenv_s("CVMIBFILE", big.c_str());
    Fill generated = fill(3, &dialog);
    size_t bigNodes = nodeCount();
    double preOrder = controlAlone(false);

    printf("Native MIB tree\n");
    report(("filling the tree, standard MIB (" + std::to_string(standardNodes) + " nodes)").c_str(),
           standard.library * static_cast<double>(standardNodes) / 1000, "ms");
    report("  per node", standard.library, "us");
    report("  per node, the control alone, items level by level", standard.control, "us");
    report(("filling the tree, generated MIB (" + std::to_string(bigNodes) + " nodes)").c_str(),
           generated.library * static_cast<double>(bigNodes) / 1000, "ms");
    report("  per node", generated.library, "us");
    report("  per node, the control alone, items level by level", generated.control, "us");
    report("  per node, the control alone, items in pre-order", preOrder, "us");
    double growth = generated.library / standard.library;
    printf("  %-58s %12.2f x  (target <= 2 x: %s)\n", "per-node time, 100k / standard", growth,
           growth <= 2 ? "met" : "NOT MET");
    reportRatio("per-node time, the control alone level by level, 100k / std", generated.control / standard.control);

    // Names spread over the generated tree: columns of tables from the start to the end. The
    // messages are pumped after each selection, as between a user's actions.
    const char *prefix = ".iso.org.dod.internet.private.enterprises.benchMIB";
    std::vector<std::string> names;
    for (int t : {250, 500, 750, 990}) {
        int c = 1 + (t * 37) % 97;
        names.push_back(std::string(prefix) + ".benchTable" + std::to_string(t) + ".benchEntry" + std::to_string(t) +
                        ".benchColumn" + std::to_string(t) + "x" + std::to_string(c));
    }
    HWND tree = dialog->tree();
    auto selected = [&](const std::string &n) {
        HTREEITEM caret = next(tree, nullptr, TVGN_CARET);
        return caret != nullptr && itemText(tree, caret) == n.substr(n.rfind('.') + 1);
    };
    int found = 0;
    double indexed = medianSeconds(5, [&] {
        for (const std::string &n : names) {
            KelMibTreeSelectItem(n.c_str());
            pumpMessages();
            found += selected(n) ? 1 : 0;
        }
    }) / static_cast<double>(names.size());
    double searched = medianSeconds(1, [&] {
        for (const std::string &n : names) {
            searchItemByItem(tree, n);
            pumpMessages();
            found += selected(n) ? 1 : 0;
        }
    }) / static_cast<double>(names.size());
    double levels = medianSeconds(3, [&] {
        for (const std::string &n : names) {
            searchLevelByLevel(tree, n);
            pumpMessages();
            found += selected(n) ? 1 : 0;
        }
    }) / static_cast<double>(names.size());
    if (found != 9 * static_cast<int>(names.size())) {
        fprintf(stderr, "bench: %d of %zu selections were made\n", found, 9 * names.size());
        return 1;
    }
    report("finding and selecting a name through the index", indexed * 1000, "ms");
    report("searching the control item by item, then selecting (baseline)", searched * 1000, "ms");
    report("reading only the siblings on the name's path, then selecting", levels * 1000, "ms");
    reportRatio("find and select: item by item / index", searched / indexed, 100);
    reportRatio("find and select: sibling reading / index", levels / indexed);

    // The same on a shown tree, where Wine's drawing on the X server is most of the time.
    dialog->ShowWindow(SW_SHOWNORMAL);
    pumpMessages();
    double shown = medianSeconds(3, [&] {
        for (const std::string &n : names) {
            KelMibTreeSelectItem(n.c_str());
            pumpMessages();
        }
    }) / static_cast<double>(names.size());
    report("finding and selecting through the index, tree shown", shown * 1000, "ms");
    dialog->ShowWindow(SW_HIDE);

    KelMibSelectorDone();
    remove(big.c_str());
    ExitProcess(0); // Wine deletes a large tree slowly; the process's end need not wait for it
}
