// The suite's tools as a Motif tool starts them, the map session it joins, and its version
// report. Stand-in tools on PATH record their arguments. Launching changes the process (cached
// programs, SIGCHLD), so launch scenarios run in processes of their own.
#include "dialogSupport.h"
#include "isolated.h"

#include "cvutil.h"
#include "cvw.h"

#include <Xm/Form.h>
#include <filesystem>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/utsname.h>

using motif::app;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

namespace {

// Stand-in tools first on PATH, recording how they were run.
struct StandIns : dialogs::RecordingCommands {
    StandIns()
    {
        for (const char *program : {"xzbgraph", "mytrap", "bin/xzbsnmpconf"}) {
            add(program);
        }
        setenv("PATH", (dir + ":" + getenv("PATH")).c_str(), 1);
        app();
    }
};

// No process of which this one is the parent, zombies included ("pid (comm) state ppid ...").
bool noChildLeft()
{
    return motif::pumpUntil([] {
        for (const auto &e : fs::directory_iterator("/proc")) {
            std::ifstream in(e.path() / "stat");
            std::string stat;
            char state = 0;
            int ppid = 0;
            if (std::getline(in, stat) && stat.rfind(')') != std::string::npos &&
                sscanf(stat.c_str() + stat.rfind(')') + 1, " %c %d", &state, &ppid) == 2 && ppid == getpid()) {
                return false;
            }
        }
        return true;
    });
}

std::string warningShown()
{
    Widget box = nullptr;
    motif::pumpUntil([&] { return (box = dialogs::newestDialog(app().shell, "Warning")) != nullptr; });
    std::string text = box != nullptr ? dialogs::messageText(box) : "(no warning)";
    if (box != nullptr) {
        XtDestroyWidget(XtParent(box));
    }
    return text;
}

char *str(const char *s)
{
    return const_cast<char *>(s);
}

} // namespace

CHILD_TEST(LaunchScenario, ToolsGetTheirArguments)
{
    StandIns tools;
    EXPECT_EQ(execXzbgraph(nullptr, str("sysUpTime ifInOctets"), str("1"), str("*"), nullptr), 0);
    EXPECT_EQ(tools.nextRun(), (Lines{tools.dir + "/xzbgraph", "-mib", "sysUpTime::1::::::*,ifInOctets::1::::::*", "-browse"}));
    EXPECT_TRUE(noChildLeft()) << "a finished tool is reaped";
    setenv("CVXZBGRAPHPATH", "/elsewhere/xzbgraph", 1);
    execXzbgraph(nullptr, str("ifInOctets"), str("2"), str("router1"), str("30"));
    EXPECT_EQ(tools.nextRun(), (Lines{tools.dir + "/xzbgraph", "-c", "30", "-mib", "ifInOctets::2:::::: router1"}))
        << "the program found first is kept";

    setenv("CVXZBTRAPPATH", (tools.dir + "/mytrap").c_str(), 1);
    execXzbtrap(nullptr, str("linkDown"), str("linkUp"), str("router1"));
    EXPECT_EQ(tools.nextRun(), (Lines{tools.dir + "/mytrap", "-eventId", "linkDown", "-copyEventId", "linkUp", "-source", "router1"}));
    setenv("CV_PATH", tools.dir.c_str(), 1);
    execXzbsnmpconf(nullptr);
    EXPECT_EQ(tools.nextRun(), Lines{tools.dir + "/bin/xzbsnmpconf"});
    EXPECT_TRUE(noChildLeft());
}

CHILD_TEST(LaunchScenario, ToolsThatCannotStart)
{
    StandIns tools;
    addWindowToBusyList(app().shell);
    setenv("CVXZBTRAPPATH", (tools.dir + "/missing/xzbtrap").c_str(), 1);
    execXzbtrap(nullptr, str("7"), nullptr, nullptr);
    EXPECT_EQ(warningShown(), "Could not exec command \"" + tools.dir + "/missing/xzbtrap -eventId 7\".\nReason: No such file or directory");
    EXPECT_FALSE(cursorIsBusy());
    EXPECT_TRUE(noChildLeft());

    // Every fork fails, as when the system has no processes left.
    struct sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(struct seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_clone, 3, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_clone3, 2, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_fork, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EAGAIN),
    };
    struct sock_fprog program = {sizeof filter / sizeof filter[0], filter};
    ASSERT_EQ(prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0), 0);
    ASSERT_EQ(prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program), 0);
    unsetenv("CV_PATH");
    execXzbsnmpconf(nullptr);
    EXPECT_EQ(warningShown(), "Could not fork to run command xzbsnmpconf  .\nReason: Resource temporarily unavailable.");
}

TEST(Launching, ToolsStartWithTheirArgumentsAndAFailureIsReported)
{
    EXPECT_TRUE(runIsolated("LaunchScenario.InChild_ToolsGetTheirArguments"));
    IsolatedRun run = runTestProcess("LaunchScenario.InChild_ToolsThatCannotStart");
    EXPECT_NE(run.output.find("[  PASSED  ] 1 test"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("-eventId 7\".\nReason: No such file or directory\n"), std::string::npos)
        << "the child's own report on standard error: " << run.output;
}

// ---- The map session and the version report ----

namespace {

// A map file of this process, removed when it ends.
struct MapFile {
    std::string path = "/tmp/cvgui-map-" + std::to_string(getpid());
    ~MapFile() { unlink(path.c_str()); }
};

std::string labMap()
{
    static MapFile file;
    const std::string &path = file.path;
    std::ofstream(path) << "cvwmap 1\nsession lab map\nfield 1 IP Address\nfield 2 IPX Address\n"
                           "object 101 Internet:router1\nhost 101 router1.lab.example\n"
                           "object 102 Internet:hub\nvalue 102 1 10.1.2\nvalue 102 2 0000C0A8:00A0C9123456\n"
                           "object 103 Internet:printer\nvalue 103 1 10.1.2.9\nobject 104 Internet:cloud\n";
    return path;
}

std::vector<int> exits;
std::string actionAppName;

int dispatch(int type, int normal = 1)
{
    CVwEvent event{type, normal, "Graph", 0, nullptr};
    return CVwDispatchEvent(&event);
}

} // namespace

TEST(MapSession, JoinsAsTheUsersApplicationAndEndsWithTheSession)
{
    auto exitProc = [](int status) { exits.push_back(status); };
    auto recordAction = [](void *, char *, char *app, CVwObjectIdList *, int, char **, CVwMapInfo *, unsigned long) {
        actionAppName = app;
    };
    unsetenv("CVWMAPFILE");
    char connected = 9;
    initCvw(exitProc, app().shell, "xzbgraph", nullptr, nullptr, nullptr, nullptr, &connected);
    EXPECT_EQ(connected, 0) << "no map running: no dialog, nothing registered";
    initCvw(exitProc, app().shell, "xzbgraph", nullptr, labMap().c_str(), nullptr, recordAction, &connected);
    EXPECT_EQ(connected, 1);
    EXPECT_EQ(dispatch(CVW_ACTION), 1);
    EXPECT_EQ(actionAppName, "mibappl");
    setenv("CVwAppName", "nightShift", 1);
    initCvw(exitProc, app().shell, "xzbgraph", "grapher", labMap().c_str(), nullptr, recordAction, nullptr);
    dispatch(CVW_ACTION);
    EXPECT_EQ(actionAppName, "nightShift");
    unsetenv("CVwAppName");

    EXPECT_STREQ(cvwObjectIdToNameOrAddr(101), "router1.lab.example");
    EXPECT_STREQ(cvwObjectIdToNameOrAddr(102), "0000C0A8:00A0C9123456") << "an invalid IP address is passed over";
    EXPECT_STREQ(cvwObjectIdToNameOrAddr(103), "10.1.2.9");
    EXPECT_STREQ(cvwObjectIdToNameOrAddr(104), "Internet:cloud");

    dispatch(CVW_END_SESSION, 0);
    initCvw(exitProc, app().shell, "xzbtrap", nullptr, labMap().c_str(), nullptr, nullptr, nullptr);
    dispatch(CVW_END_SESSION, 1);
    EXPECT_EQ(exits, (std::vector<int>{1, 0})) << "an abnormal end exits with 1, a normal one with 0";
}

TEST(MapSession, AMapActionBringsTheToolForward)
{
    Widget tools[2];
    for (Widget &shell : tools) {
        shell = motif::newTopLevel("tool");
        motif::sizedForm(shell, 300, 200);
        ASSERT_TRUE(motif::popUp(shell));
    }
    ASSERT_TRUE(motif::pumpUntil([&] { return motif::stackedAbove(tools[1], tools[0]); }));
    initCvw(nullptr, XtNameToWidget(tools[0], "form"), "xzbgraph", nullptr, labMap().c_str(), nullptr, nullptr, nullptr);
    EXPECT_EQ(dispatch(CVW_ACTION), 1);
    EXPECT_TRUE(motif::pumpUntil([&] { return motif::stackedAbove(tools[0], tools[1]); }));
    XtDestroyWidget(tools[0]);
    XtDestroyWidget(tools[1]);
}

CHILD_TEST(MapSessionScenario, MapThatCannotBeReadEndsTheTool)
{
    ASSERT_TRUE(motif::showShell(app().shell));
    XtAppAddTimeOut(app().context, 100, [](XtPointer, XtIntervalId *) {
        Widget box = dialogs::newestDialog(app().shell, "error");
        printf("report: %s\n", box != nullptr ? dialogs::messageText(box).c_str() : "none");
        fflush(stdout);
        unlink(("/tmp/cvgui-map-" + std::to_string(getpid())).c_str());
        _exit(3);
    }, nullptr);
    std::string map = labMap();
    std::ofstream(map) << "cvwmap 1\nobject twelve Internet:x\n";
    initCvw(nullptr, app().shell, "xzbgraph", "grapher", map.c_str(), nullptr, nullptr, nullptr);
}

TEST(MapSession, AMapThatCannotBeReadIsReportedAndEndsTheTool)
{
    IsolatedRun run = runTestProcess("MapSessionScenario.InChild_MapThatCannotBeReadEndsTheTool");
    EXPECT_EQ(run.status, 3) << "the report stays up until the user closes the tool: " << run.output;
    EXPECT_NE(run.output.find("report: xzbgraph (application grapher) cannot connect to Corvane Windows:\n"),
              std::string::npos) << run.output;
    EXPECT_NE(run.output.find("line 2"), std::string::npos) << "the session's own reason: " << run.output;
}

TEST(VersionReport, DescribesThisMachineAndTheSessionWithinItsLimit)
{
    ASSERT_EQ(_CVwInitSession(CVW_VERSION, "grapher", labMap().c_str()), 0);
    setenv("CV_SERVER", "nms1.lab.example", 1);
    std::vector<char> buf(CVGUI_VERSION_REPORT_MAX + 64, '#');
    int n = sprintVersion(buf.data(), nullptr, "@(#) MIB Grapher", "xzbgraph", "");
    std::string report = buf.data();
    EXPECT_EQ(n, static_cast<int>(report.size()));
    char host[256] = "";
    gethostname(host, sizeof host);
    struct utsname system;
    uname(&system);
    EXPECT_EQ(report.rfind("MIB Grapher (xzbgraph)\n\n" + std::string(getZBRRelease()) + "\n" + getZBRVersion() +
                               "\n\nRunning on " + host, 0), 0u) << report;
    EXPECT_NE(report.find(std::string(system.sysname) + " Version " + system.release), std::string::npos) << report;
    const char *tail = "MB free\n\nUsing Corvane Windows session \"lab map\"\nUsing Corvane server \"nms1.lab.example\"\n";
    EXPECT_EQ(report.substr(report.size() - strlen(tail)), tail) << report;
    unsetenv("CV_SERVER");

    std::string title(3 * CVGUI_VERSION_REPORT_MAX, 'T');
    EXPECT_EQ(sprintVersion(buf.data(), nullptr, title.c_str(), "xzbgraph", nullptr), CVGUI_VERSION_REPORT_MAX - 1);
    EXPECT_EQ(std::string(buf.begin() + CVGUI_VERSION_REPORT_MAX, buf.end()), std::string(64, '#'));
}
