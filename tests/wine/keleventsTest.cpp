// Time-outs and socket input as toolkit event sources: real SetTimer and real loopback TCP
// sockets, served from the test's own message loop.
#include <winsock2.h>
#include <ws2tcpip.h>

#include "kelcore.h"

#include "isolated.h"
#include "support/watch.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

CWinApp testApp;

struct Call {
    XtPointer clientData;
    XtIntervalId id;
};
std::vector<Call> timerCalls;

void recordTimer(XtPointer clientData, XtIntervalId *id)
{
    timerCalls.push_back({clientData, *id});
}

bool calledWith(XtIntervalId id)
{
    for (const auto &c : timerCalls) {
        if (c.id == id) {
            return true;
        }
    }
    return false;
}

// Runs the loop until a time-out added now with this interval has fired: a point in time that
// every earlier, shorter time-out has passed.
void runPast(unsigned long interval)
{
    bool fired = false;
    KelAddTimeOut(
        interval, [](XtPointer flag, XtIntervalId *) { *static_cast<bool *>(flag) = true; }, &fired);
    ASSERT_TRUE(pumpUntil([&] { return fired; }));
}

} // namespace

TEST(TimeOuts, AnImmediateTimeOutRunsOnceAndOnlyFromTheLoop)
{
    timerCalls.clear();
    int data = 7;
    XtIntervalId id = KelAddTimeOut(0, recordTimer, &data);
    EXPECT_TRUE(timerCalls.empty()) << "not from inside KelAddTimeOut";
    ASSERT_TRUE(pumpUntil([] { return !timerCalls.empty(); }));
    EXPECT_EQ(timerCalls[0].clientData, &data);
    EXPECT_EQ(timerCalls[0].id, id) << "the callback is told its own identifier";
    EXPECT_EQ(timerTable[id - 1].inUse, 0) << "its slot is free once it has fired";
    runPast(50);
    EXPECT_EQ(timerCalls.size(), 1u) << "once only";
}

namespace {
XtIntervalId victim = 0;
void removeVictim(XtPointer, XtIntervalId *)
{
    KelRemoveTimeOut(victim);
}

XtIntervalId reissued = 0;
void addAnother(XtPointer, XtIntervalId *)
{
    reissued = KelAddTimeOut(60000, recordTimer, nullptr);
}
} // namespace

TEST(TimeOuts, CallbacksMayRemoveAndAddTimeOuts)
{
    timerCalls.clear();
    KelAddTimeOut(0, removeVictim, nullptr);
    victim = KelAddTimeOut(100, recordTimer, nullptr);
    runPast(300);
    EXPECT_FALSE(calledWith(victim)) << "removed by another callback before it fired";
    // Identifiers never issued, out of range or already removed are passed over.
    for (XtIntervalId bad : {XtIntervalId(0), XtIntervalId(5000), victim}) {
        KelRemoveTimeOut(bad);
    }

    XtIntervalId self = KelAddTimeOut(0, addAnother, nullptr);
    ASSERT_TRUE(pumpUntil([] { return reissued != 0; }));
    EXPECT_EQ(reissued, self) << "the slot is freed before the callback runs";
    KelRemoveTimeOut(reissued);
}

namespace {
// Lets the time-out fire but holds back the message that would run its callback.
void fireButHoldBack()
{
    MSG m;
    DWORD until = GetTickCount() + 5000;
    while (!PeekMessageA(&m, hwndTimer, WM_USER, WM_USER, PM_NOREMOVE)) {
        ASSERT_LT(GetTickCount(), until) << "the timer did not fire";
        if (PeekMessageA(&m, hwndTimer, WM_TIMER, WM_TIMER, PM_REMOVE)) {
            DispatchMessageA(&m);
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_TIMER | QS_POSTMESSAGE);
        }
    }
}
} // namespace

TEST(TimeOuts, AMessageOfARemovedTimeOutCallsNeitherItNorTheNextOwnerOfItsSlot)
{
    timerCalls.clear();
    int first = 1, second = 2;
    XtIntervalId id = KelAddTimeOut(0, recordTimer, &first);
    fireButHoldBack();
    KelRemoveTimeOut(id);
    // The slot is free and taken again at once, by a time-out far in the future.
    XtIntervalId reused = KelAddTimeOut(60000, recordTimer, &second);
    ASSERT_EQ(reused, id);
    runPast(20);
    EXPECT_TRUE(timerCalls.empty()) << "the held-back message ran a callback";
    EXPECT_EQ(timerTable[reused - 1].inUse, 1) << "the new time-out is still pending";
    KelRemoveTimeOut(reused);
}

CHILD_TEST(TimeOuts, OneTooMany)
{
    for (int i = 0; i < KEL_EVENT_SLOTS; i++) {
        KelAddTimeOut(600000, recordTimer, nullptr);
    }
    printf("ADDED %d\n", KEL_EVENT_SLOTS);
    fflush(stdout);
    WindowWatcher box(testApp.m_pszAppName, "OK", true);
    KelAddTimeOut(600000, recordTimer, nullptr);
    printf("RETURNED\n");
}

TEST(TimeOuts, A1025thPendingTimeOutEndsTheProcess)
{
    EXPECT_TRUE(endedWith("TimeOuts.InChild_OneTooMany", {"ADDED 1024", "TEXT[Internal Error]"}));
}

// ---- Socket input.

namespace {

struct Winsock {
    Winsock()
    {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~Winsock() { WSACleanup(); }
} winsock;

// A connected pair of loopback TCP sockets: the one the library watches, and its peer.
struct Connection {
    SOCKET watched = INVALID_SOCKET;
    SOCKET peer = INVALID_SOCKET;

    Connection()
    {
        SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        EXPECT_EQ(bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        EXPECT_EQ(listen(listener, 1), 0);
        int length = sizeof address;
        getsockname(listener, reinterpret_cast<sockaddr *>(&address), &length);
        peer = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        EXPECT_EQ(connect(peer, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        watched = accept(listener, nullptr, nullptr);
        EXPECT_NE(watched, INVALID_SOCKET);
        closesocket(listener);
    }
    ~Connection()
    {
        if (watched != INVALID_SOCKET) {
            closesocket(watched);
        }
        if (peer != INVALID_SOCKET) {
            closesocket(peer);
        }
    }
    void send(const std::string &text) { ::send(peer, text.data(), static_cast<int>(text.size()), 0); }
    void closePeer()
    {
        closesocket(peer);
        peer = INVALID_SOCKET;
    }
};

// What a tool's input callback does: reads what there is (here at most `chunk` bytes per call)
// and tells data from the peer's close by the read's result.
struct Reader {
    int chunk = 4096;
    bool removeOnEnd = true;
    bool removeAtOnce = false;
    int calls = 0;
    int source = -1;
    XtInputId id = 0;
    std::string received;
    bool ended = false;
};

void readInput(XtPointer clientData, int *source, XtInputId *id)
{
    auto *r = static_cast<Reader *>(clientData);
    r->calls++;
    r->source = *source;
    r->id = *id;
    char buf[4096];
    int n = recv(static_cast<SOCKET>(*source), buf, r->chunk, 0);
    if (n > 0) {
        r->received.append(buf, n);
    } else if (n == 0) {
        r->ended = true;
    }
    if ((r->ended && r->removeOnEnd) || r->removeAtOnce) {
        KelRemoveSockInput(*id);
    }
}

// Runs the loop until a second connection's data has been handled: by then every message the
// first connection could have caused before it is handled too.
void runPastInputOf(Connection &before)
{
    Connection later;
    Reader witness;
    XtInputId id = KelAddSockReadInput(static_cast<int>(later.watched), readInput, &witness);
    later.send("w");
    ASSERT_TRUE(pumpUntil([&] { return witness.received == "w"; }));
    KelRemoveSockInput(id);
}

} // namespace

TEST(SocketInput, DataReachesTheCallbackUntilAllIsReadAndThePeerCloses)
{
    Connection c;
    Reader reader;
    XtInputId id = KelAddSockReadInput(static_cast<int>(c.watched), readInput, &reader);
    c.send("hello");
    ASSERT_TRUE(pumpUntil([&] { return reader.received == "hello"; }));
    EXPECT_EQ(reader.source, static_cast<int>(c.watched));
    EXPECT_EQ(reader.id, id);
    c.send(" again");
    ASSERT_TRUE(pumpUntil([&] { return reader.received == "hello again"; }));
    // Unread data calls again until it is all read.
    reader.chunk = 1;
    int before = reader.calls;
    c.send("abcde");
    ASSERT_TRUE(pumpUntil([&] { return reader.received == "hello againabcde"; }));
    EXPECT_EQ(reader.calls - before, 5) << "one byte per call";

    c.closePeer();
    ASSERT_TRUE(pumpUntil([&] { return reader.ended; })) << "the close reaches the same callback";
    int calls = reader.calls;
    runPastInputOf(c);
    EXPECT_EQ(reader.calls, calls) << "removed from inside its callback: called no more";
}

TEST(SocketInput, RemovalStopsCallbacksFromOutsideAndFromWithin)
{
    Connection outside;
    Reader removed;
    XtInputId id = KelAddSockReadInput(static_cast<int>(outside.watched), readInput, &removed);
    KelRemoveSockInput(id);
    outside.send("ignored");
    outside.closePeer();
    runPastInputOf(outside);
    EXPECT_EQ(removed.calls, 0);

    Connection within;
    Reader once;
    once.chunk = 1;
    once.removeAtOnce = true;
    KelAddSockReadInput(static_cast<int>(within.watched), readInput, &once);
    within.send("xyz");
    ASSERT_TRUE(pumpUntil([&] { return once.calls == 1; }));
    runPastInputOf(within);
    EXPECT_EQ(once.calls, 1) << "not watched again after removing itself, though data is left";
    EXPECT_EQ(once.received, "x");

    KelRemoveSockInput(0);
    KelRemoveSockInput(5000);
    KelRemoveSockInput(id);
}

