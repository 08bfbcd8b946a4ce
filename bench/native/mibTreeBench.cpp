// The native MIB tree: filling the tree control with the standard MIB and with a generated MIB of
// 100,000 nodes (the cost per node should not grow with the tree), and finding and selecting a
// dotted name through the node index against searching the control's items for it.
#include "benchSupport.h"

#include "cvmibdb.h"
#include "cvsnmp.h"
#include "kelMibSel.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const int treeId = 100;

// A dialog holding one tree control, as the selector's dialog holds it.
class TreeDialog : public CDialog {
public:
    TreeDialog()
    {
        struct {
            DLGTEMPLATE dialog;
            WORD menu, windowClass, title;
        } t = {};
        t.dialog.style = WS_POPUP | WS_CAPTION | WS_VISIBLE;
        t.dialog.cx = 220, t.dialog.cy = 200;
        CreateIndirect(&t.dialog);
        CreateWindowExA(0, WC_TREEVIEWA, "",
                        WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, 5, 5,
                        300, 280, m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(treeId)), nullptr, nullptr);
        pumpMessages();
    }
    HWND tree() { return ::GetDlgItem(m_hWnd, treeId); }
};

// 100,000 nodes under one enterprise: 1,000 tables of 97 columns, as in the MIB load benchmark.
std::string generatedDatabase()
{
    cvmib::Model model;
    model.modules.push_back({"BENCH-MIB", "/bench/BENCH-MIB.mib", true, ""});
    auto add = [&](uint32_t parent, uint32_t subid, std::string label, int type) {
        cvmib::NodeSpec n;
        n.parent = parent;
        n.subid = subid;
        n.label = std::move(label);
        n.type = type;
        n.module = 0;
        model.nodes.push_back(std::move(n));
        return static_cast<uint32_t>(model.nodes.size() - 1);
    };
    uint32_t top = add(cvmib::kNone, 1, "iso", CVMIB_T_NONE);
    const std::pair<uint32_t, const char *> path[] = {{3, "org"}, {6, "dod"}, {1, "internet"}, {4, "private"}, {1, "enterprises"}};
    for (const auto &[subid, label] : path) {
        top = add(top, subid, label, CVMIB_T_NONE);
    }
    uint32_t enterprise = add(top, 99999, "benchMIB", CVMIB_T_NONE);
    for (uint32_t t = 1; model.nodes.size() < 100000; t++) {
        uint32_t table = add(enterprise, t, "benchTable" + std::to_string(t), CVMIB_T_SEQUENCEOF);
        uint32_t entry = add(table, 1, "benchEntry" + std::to_string(t), CVMIB_T_SEQUENCE);
        for (uint32_t c = 1; c <= 97 && model.nodes.size() < 100000; c++) {
            add(entry, c, "benchColumn" + std::to_string(t) + "x" + std::to_string(c), CVMIB_T_INTEGER);
        }
    }
    std::string image, error;
    std::string file = std::string(getenv("TEMP") != nullptr ? getenv("TEMP") : ".") + "\\cvgui-bench-tree-100k.db";
    if (!cvmib::serialize(model, image, &error) || !cvmib::writeFileAtomically(file, image, &error)) {
        fprintf(stderr, "bench: %s\n", error.c_str());
        exit(1);
    }
    return file;
}

size_t nodeCount()
{
    size_t n = 0;
    for (CVmibNode *node = Mib; node != nullptr;) {
        n++;
        if (node->child != nullptr) {
            node = node->child;
            continue;
        }
        while (node != nullptr && node->next == nullptr) {
            node = node->parent;
        }
        node = node != nullptr ? node->next : nullptr;
    }
    return n;
}

// Fill time per node, in microseconds (median of runs).
double fillPerNode(TreeDialog &dialog, int runs, size_t *nodes)
{
    double t = medianSeconds(runs, [&] {
        if (!KelMibTreeInit(&dialog, treeId, 1)) {
            fprintf(stderr, "bench: the MIB did not load\n");
            exit(1);
        }
    });
    *nodes = nodeCount();
    return t * 1e6 / static_cast<double>(*nodes);
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
    for (HTREEITEM m : matched) {
        SendMessageA(tree, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(m));
    }
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
    TreeDialog dialog;
    if (getenv("CVMIBFILE") == nullptr) {
        _putenv_s("CVMIBFILE", CVGUI_STANDARD_MIBDB);
    }

    size_t standardNodes = 0;
    double standardPerNode = fillPerNode(dialog, 7, &standardNodes);

    std::string big = generatedDatabase();
    _putenv_s("CVMIBFILE", big.c_str());
    size_t bigNodes = 0;
    double bigPerNode = fillPerNode(dialog, 3, &bigNodes);

    printf("Native MIB tree\n");
    report(("filling the tree, standard MIB (" + std::to_string(standardNodes) + " nodes)").c_str(),
           standardPerNode * static_cast<double>(standardNodes) / 1000, "ms");
    report("  per node", standardPerNode, "us");
    report(("filling the tree, generated MIB (" + std::to_string(bigNodes) + " nodes)").c_str(),
           bigPerNode * static_cast<double>(bigNodes) / 1000, "ms");
    report("  per node", bigPerNode, "us");
    double growth = bigPerNode / standardPerNode;
    printf("  %-58s %12.2f x  (target <= 2 x: %s)\n", "per-node time, 100k / standard", growth,
           growth <= 2 ? "met" : "NOT MET");

    // Names spread over the generated tree: columns of tables near the start, middle and end.
    const char *prefix = ".iso.org.dod.internet.private.enterprises.benchMIB";
    std::vector<std::string> names;
    for (int t : {3, 250, 500, 750, 990}) {
        int c = 1 + (t * 37) % 97;
        names.push_back(std::string(prefix) + ".benchTable" + std::to_string(t) + ".benchEntry" + std::to_string(t) +
                        ".benchColumn" + std::to_string(t) + "x" + std::to_string(c));
    }
    HWND tree = dialog.tree();
    double indexed = medianSeconds(5, [&] {
        for (const std::string &n : names) {
            KelMibTreeSelectItem(n.c_str());
        }
    }) / static_cast<double>(names.size());
    int found = 0;
    double searched = medianSeconds(1, [&] {
        for (const std::string &n : names) {
            found += searchItemByItem(tree, n) ? 1 : 0;
        }
    }) / static_cast<double>(names.size());
    double levels = medianSeconds(3, [&] {
        for (const std::string &n : names) {
            found += searchLevelByLevel(tree, n) ? 1 : 0;
        }
    }) / static_cast<double>(names.size());
    if (found != 4 * static_cast<int>(names.size())) {
        fprintf(stderr, "bench: the searches found %d of %zu names\n", found, 4 * names.size());
        return 1;
    }
    report("finding and selecting a name through the index", indexed * 1000, "ms");
    report("searching the control item by item, then selecting (baseline)", searched * 1000, "ms");
    report("reading only the siblings on the name's path, then selecting", levels * 1000, "ms");
    reportRatio("find and select: item by item / index", searched / indexed, 100);
    reportRatio("find and select: sibling reading / index", levels / indexed);

    KelMibSelectorDone();
    remove(big.c_str());
    return 0;
}
