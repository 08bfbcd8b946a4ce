// Appending 10,000 messages to a message log, which keeps 500 items: the cost per message while
// the list fills and once it is full (every message then also drops the oldest item), against
// a plain append of the same text to a list box. The lists are hidden, so that the figures are
// the library's; a shorter run on a shown list adds what drawing on the display costs.
#include "benchSupport.h"

#include "kelMsgDlg.h"

namespace {
const int messages = 10000;
const int window = 500;
const int shownMessages = 200;

void logOne(KelListWidget *list, int i)
{
    addMessage(list, 1, "Trap %d from node-%05d.example.net: link down on interface %d", i, i % 977, i % 48);
}
} // namespace

int main()
{
    CWinApp app;
    ListDialog log(0, false);
    ListDialog plain(0, false);
    HWND plainBox = plain.listHandle();

    printf("Message log, %d messages\n", messages);
    std::vector<double> perWindow;
    double startAll = nowSeconds();
    double start = startAll;
    for (int i = 1; i <= messages; i++) {
        logOne(&log.list, i);
        if (i % window == 0) {
            perWindow.push_back((nowSeconds() - start) / window);
            start = nowSeconds();
        }
    }
    double all = (nowSeconds() - startAll) / messages;
    pumpMessages();

    // The baseline: the text appended and scrolled to, nothing else.
    char text[256];
    double baseStart = nowSeconds();
    for (int i = 1; i <= messages; i++) {
        snprintf(text, sizeof text, "12:00:00 Trap %d from node-%05d.example.net: link down on interface %d", i,
                 i % 977, i % 48);
        int index = static_cast<int>(SendMessageA(plainBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
        SendMessageA(plainBox, LB_SETTOPINDEX, index, 0);
    }
    double baseline = (nowSeconds() - baseStart) / messages;

    ListDialog shown(0, true);
    double shownStart = nowSeconds();
    for (int i = 1; i <= shownMessages; i++) {
        logOne(&shown.list, i);
    }
    double onDisplay = (nowSeconds() - shownStart) / shownMessages;

    report("addMessage, all messages", all * 1e6, "us/message");
    for (size_t w = 0; w < perWindow.size(); w++) {
        char name[80];
        snprintf(name, sizeof name, "  messages %5zu..%5zu (%s)", w * window + 1, (w + 1) * window,
                 w == 0 ? "list filling" : "list full: one item dropped each");
        if (w < 3 || w + 1 == perWindow.size()) {
            report(name, perWindow[w] * 1e6, "us/message");
        }
    }
    report("plain append and scroll of the same text (baseline)", baseline * 1e6, "us/message");
    reportRatio("addMessage / baseline", all / baseline);
    report("addMessage on a shown list, first 200 messages", onDisplay * 1e6, "us/message");
    reportRatio("full list / filling list", perWindow.back() / perWindow.front());
    report("items in the log at the end", KelListGetItemCount(&log.list), "");
    return 0;
}
