// The node list editor adding a batch of N wildcard candidates from the map to a shown list of
// N wildcard entries, for N from 500 to 5,000, against two baselines measured in the same run:
// the same N names from the map appended to the same list by the list API alone with drawing
// off, scrolled into view once at the end (the least any batch pays: the cost of the rules is
// the difference), and scrolled into view after each name (what scrolling once saves). The portable checker is also timed alone, where its overlap scan is
// linear in the list per candidate.
#include "benchSupport.h"

#include "kelMsgDlg.h"
#include "kelNodeList.h"
#include "kelTemplates.h"
#include "nodeListRules.h"

#include "cvw.h"

#include <algorithm>
#include <fstream>

namespace {

class NodesDialog : public CDialog {
public:
    nodeListInfo *info = nullptr;
    NodesDialog()
    {
        CreateFromDll(this, IDD_KEL_NODELIST, nullptr);
        KelNodeListCtrlIdInfo ids = KEL_NODELIST_TEMPLATE_IDS;
        info = KelCreateMNodeList(this, "bench", 1, 0, 1, nullptr, &ids);
        KelSetSensitive(GetDlgItem(IDC_KEL_NODELIST_FROMMAP), 1);
        ShowWindow(SW_SHOWNORMAL);
        pumpMessages();
    }
    void addFromMap()
    {
        KelMNodeListDispatchCommand(info, MAKEWPARAM(IDC_KEL_NODELIST_FROMMAP, BN_CLICKED), 0);
    }
};

// Entry i and candidate i: wildcards that overlap nothing, so each candidate is compared with
// every wildcard of the list.
std::string entry(int i)
{
    return "10." + std::to_string(i / 250) + "." + std::to_string(i % 250) + ".1-100";
}

std::string candidate(int i)
{
    return "11." + std::to_string(i / 250) + "." + std::to_string(i % 250) + ".*";
}

std::string writeMap(int n)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string path = std::string(temp) + "cvgui-bench-" + std::to_string(n) + ".map";
    std::ofstream out(path);
    out << "cvwmap 1\n";
    std::string select = "select";
    for (int i = 0; i < n; i++) {
        out << "object " << i + 1 << " Internet:n" << i << "\nhost " << i + 1 << " " << candidate(i) << "\n";
        select += " " + std::to_string(i + 1);
    }
    out << select << "\n";
    return path;
}

void fill(KelListWidget *list, int n)
{
    std::vector<unsigned char *> table;
    for (int i = 0; i < n; i++) {
        table.push_back(KelGetString(entry(i).c_str()));
    }
    KelListSetItems(list, table.data(), n);
    for (auto *t : table) {
        KelStringFree(t);
    }
}

} // namespace

int main()
{
    CWinApp app;
    NodesDialog dialog;
    KelListWidget *list = &dialog.info->nodeList;
    kelMsgDlgModalFlag = 0;

    printf("Node list editor: a batch of N wildcard candidates from the map into a shown list of N wildcards\n");
    printf("  %6s %11s %14s %7s %14s %7s %13s %15s\n", "N", "batch (ms)", "appends (ms)", "ratio",
           "scrolling (ms)", "ratio", "us/candidate", "checker ns/pair");
    double firstPerCandidate = 0, lastPerCandidate = 0;
    for (int n : {500, 1000, 2000, 5000}) {
        std::string map = writeMap(n);
        if (_CVwInitSession(CVW_VERSION, "bench", map.c_str()) != 0) {
            printf("cannot join the map session: %s\n", CVwErrorMsg(CVwError()));
            return 1;
        }
        std::vector<double> batches, baselines, scrolledEach;
        for (int run = 0; run < 3; run++) {
            fill(list, n);
            double start = nowSeconds();
            dialog.addFromMap();
            batches.push_back(nowSeconds() - start);
            if (KelListGetItemCount(list) != 2 * n) {
                printf("the batch lost entries: %d of %d\n", KelListGetItemCount(list), 2 * n);
                return 1;
            }

            for (bool eachName : {false, true}) {
                fill(list, n);
                start = nowSeconds();
                CVwObjectIdList *selection = CVwGetSelections(0, 0);
                KelListSetRedraw(list, 0);
                for (int i = 0; i < selection->count; i++) {
                    KelListAddItemUnselected(list, reinterpret_cast<const unsigned char *>(
                                                       CVwDbObjectIdToHostname(selection->objlist[i])), 0);
                    if (eachName) {
                        KelListSetBottomPos(list, 0);
                    }
                }
                KelListSetBottomPos(list, 0);
                KelListSetRedraw(list, 1);
                CVwDbFreeObjectIdList(selection);
                (eachName ? scrolledEach : baselines).push_back(nowSeconds() - start);
            }
        }
        std::sort(batches.begin(), batches.end());
        std::sort(baselines.begin(), baselines.end());
        std::sort(scrolledEach.begin(), scrolledEach.end());
        double b = batches[1], base = baselines[1], each = scrolledEach[1];

        // The rules alone: N candidates against N entries, every pair compared.
        std::vector<std::string> entries;
        std::vector<char *> pointers;
        for (int i = 0; i < n; i++) {
            entries.push_back(entry(i));
        }
        for (auto &e : entries) {
            pointers.push_back(&e[0]);
        }
        double checker = medianSeconds(5, [&] {
            NodeListChecker c(pointers.data(), n, nullptr);
            for (int i = 0; i < n; i++) {
                c.check(candidate(i));
            }
        });
        // Pairs: candidate i meets the n entries and the i candidates accepted before it.
        double pairs = static_cast<double>(n) * n + static_cast<double>(n) * (n - 1) / 2;
        double perCandidate = b / n * 1e6;
        if (firstPerCandidate == 0) {
            firstPerCandidate = perCandidate;
        }
        lastPerCandidate = perCandidate;
        printf("  %6d %11.1f %14.1f %7.2f %14.1f %7.2f %13.1f %15.2f\n", n, b * 1000, base * 1000, b / base,
               each * 1000, b / each, perCandidate, checker / pairs * 1e9);
        pumpMessages();
    }
    printf("  time per candidate grows %.2f x from N = 500 to N = 5,000 (linear in the list: at most 10 x)\n",
           lastPerCandidate / firstPerCandidate);
    return 0;
}
