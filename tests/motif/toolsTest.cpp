// The suite's tools as a user starts them from a Motif tool, and the map session the tool joins.
// Stand-in tools on PATH record the arguments they were started with. Launching changes
// process-wide state (the cached programs, SIGCHLD), so each launch runs in a process of its own.
#include "dialogSupport.h"
#include "isolated.h"

#include "cvutil.h"
#include "cvw.h"

#include <X11/Shell.h>
#include <Xm/Form.h>
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/utsname.h>

using dialogs::messageText;
using motif::app;

namespace {

// A directory of stand-in tools, first on PATH. Each run leaves a file "run.<program>.<pid>" with
// the program's $0, then one argument per line.
class StandIns {
public:
    StandIns()
    {
        char dirTemplate[] = "/tmp/cvgui-tools-XXXXXX";
        dir_ = mkdtemp(dirTemplate);
        for (const char *program : {"xzbgraph", "xzbtrap", "xzbsnmpconf", "mytrap", "bin/xzbsnmpconf"}) {
            add(program);
        }
        std::string path = dir_ + ":" + getenv("PATH");
        setenv("PATH", path.c_str(), 1);
        unsetenv("CV_PATH");
        unsetenv("CVXZBGRAPHPATH");
        unsetenv("CVXZBTRAPPATH");
    }
    // Not through system(): once a tool is launched this process reaps no child statuses.
    ~StandIns() { std::filesystem::remove_all(dir_); }
    const std::string &dir() const { return dir_; }

    void add(const std::string &program)
    {
        std::string path = dir_ + "/" + program;
        mkdir(path.substr(0, path.rfind('/')).c_str(), 0755);
        std::ofstream out(path);
        out << "#!/bin/sh\nf=\"" << dir_ << "/run.$(basename \"$0\").$$\"\n"
            << "printf '%s\\n' \"$0\" \"$@\" > \"$f.tmp\" && mv \"$f.tmp\" \"$f\"\n";
        out.close();
        chmod(path.c_str(), 0755);
    }

    // $0 and the arguments of the next run, empty when none came in time.
    std::vector<std::string> nextRun()
    {
        std::string file;
        motif::pumpUntil([&] { return !(file = takeRun()).empty(); });
        std::vector<std::string> lines;
        std::ifstream in(file);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        unlink(file.c_str());
        return lines;
    }

private:
    std::string takeRun()
    {
        DIR *d = opendir(dir_.c_str());
        std::string found;
        while (dirent *e = d != nullptr ? readdir(d) : nullptr) {
            std::string name = e->d_name;
            if (name.rfind("run.", 0) == 0 && name.find(".tmp") == std::string::npos) {
                found = dir_ + "/" + name;
                break;
            }
        }
        if (d != nullptr) {
            closedir(d);
        }
        return found;
    }

    std::string dir_;
};

// Processes whose parent is this one, zombies included.
int childProcesses()
{
    int count = 0;
    DIR *proc = opendir("/proc");
    while (dirent *e = proc != nullptr ? readdir(proc) : nullptr) {
        std::ifstream in(std::string("/proc/") + e->d_name + "/stat");
        std::string stat;
        if (e->d_name[0] < '0' || e->d_name[0] > '9' || !std::getline(in, stat)) {
            continue;
        }
        // "pid (comm) state ppid ...", where comm may hold blanks and parentheses.
        size_t close = stat.rfind(')');
        int ppid = 0;
        char state = 0;
        if (close != std::string::npos && sscanf(stat.c_str() + close + 1, " %c %d", &state, &ppid) == 2 &&
            ppid == getpid()) {
            count++;
        }
    }
    if (proc != nullptr) {
        closedir(proc);
    }
    return count;
}

bool noChildLeft()
{
    return motif::pumpUntil([] { return childProcesses() == 0; });
}

// The text of the warning a launch left, and the warning closed.
std::string warningShown()
{
    Widget box = nullptr;
    motif::pumpUntil([&] {
        box = dialogs::newestDialog(app().shell, "Warning");
        return box != nullptr && motif::isViewable(XtParent(box));
    });
    if (box == nullptr) {
        return "(no warning)";
    }
    std::string text = messageText(box);
    XtDestroyWidget(XtParent(box));
    motif::pump();
    return text;
}

char *str(const char *s)
{
    return const_cast<char *>(s);
}

// Makes every fork of this process fail as it does when the system has no processes left.
void refuseForks()
{
    struct sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(struct seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_clone, 3, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_clone3, 2, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_fork, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (EAGAIN & SECCOMP_RET_DATA)),
    };
    struct sock_fprog program = {sizeof filter / sizeof filter[0], filter};
    ASSERT_EQ(prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0), 0);
    ASSERT_EQ(prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program), 0);
}

} // namespace

TEST(LaunchScenario, DISABLED_GrapherFromPathKeptForTheProcess)
{
    StandIns tools;
    addWindowToBusyList(app().shell);
    EXPECT_EQ(execXzbgraph(nullptr, str("sysUpTime ifInOctets"), str("1"), str("*"), nullptr), 0);
    EXPECT_EQ(tools.nextRun(), (std::vector<std::string>{tools.dir() + "/xzbgraph", "-mib",
                                                         "sysUpTime::1::::::*,ifInOctets::1::::::*", "-browse"}));
    EXPECT_FALSE(cursorIsBusy());
    EXPECT_TRUE(noChildLeft()) << "a finished tool is reaped";

    // Found once: a program named later does not replace it.
    setenv("CVXZBGRAPHPATH", (tools.dir() + "/mytrap").c_str(), 1);
    setCursorForWaiting(True);
    EXPECT_EQ(execXzbgraph(nullptr, str("ifInOctets"), str("2"), str("router1"), str("30")), 0);
    EXPECT_EQ(tools.nextRun(), (std::vector<std::string>{tools.dir() + "/xzbgraph", "-c", "30", "-mib",
                                                         "ifInOctets::2:::::: router1"}));
    EXPECT_TRUE(cursorIsBusy()) << "a busy tool stays busy";
    setCursorForWaiting(False);

    std::string tooMany(9000, 'x');
    EXPECT_EQ(execXzbgraph(nullptr, &tooMany[0], str("1"), str("*"), nullptr), 1);
    EXPECT_EQ(childProcesses(), 0) << "nothing was started";
}

TEST(LaunchScenario, DISABLED_EventToolFromTheEnvironmentKeptForTheProcess)
{
    StandIns tools;
    app();
    setenv("CVXZBTRAPPATH", (tools.dir() + "/mytrap").c_str(), 1);
    execXzbtrap(nullptr, str("linkDown"), str("linkUp"), str("router1"));
    EXPECT_EQ(tools.nextRun(), (std::vector<std::string>{tools.dir() + "/mytrap", "-eventId", "linkDown",
                                                         "-copyEventId", "linkUp", "-source", "router1"}));
    setenv("CVXZBTRAPPATH", (tools.dir() + "/xzbtrap").c_str(), 1);
    execXzbtrap(nullptr, str("coldStart"), nullptr, str(""));
    EXPECT_EQ(tools.nextRun(), (std::vector<std::string>{tools.dir() + "/mytrap", "-eventId", "coldStart"}));
    EXPECT_TRUE(noChildLeft());
}

TEST(LaunchScenario, DISABLED_SnmpToolFoundOnEveryCall)
{
    StandIns tools;
    app();
    execXzbsnmpconf(nullptr);
    EXPECT_EQ(tools.nextRun(), (std::vector<std::string>{tools.dir() + "/xzbsnmpconf"}));
    setenv("CV_PATH", tools.dir().c_str(), 1);
    execXzbsnmpconf(nullptr);
    EXPECT_EQ(tools.nextRun(), (std::vector<std::string>{tools.dir() + "/bin/xzbsnmpconf"}));

    setenv("CV_PATH", ("/" + std::string(600, 'd')).c_str(), 1);
    execXzbsnmpconf(nullptr);
    EXPECT_NE(warningShown().find("File name too long"), std::string::npos);
    EXPECT_EQ(childProcesses(), 0);
}

TEST(LaunchScenario, DISABLED_ToolThatCannotBeExecuted)
{
    StandIns tools;
    app();
    std::string missing = tools.dir() + "/missing/xzbtrap";
    setenv("CVXZBTRAPPATH", missing.c_str(), 1);
    execXzbtrap(nullptr, str("7"), nullptr, nullptr);
    EXPECT_EQ(warningShown(), "Could not exec command \"" + missing + " -eventId 7\".\nReason: No such file or directory");
    EXPECT_TRUE(noChildLeft());

    // A file that is not a program.
    std::string plain = tools.dir() + "/notes.txt";
    std::ofstream(plain) << "not a program\n";
    char *argv[] = {&plain[0], nullptr};
    execCmdFromGUI(nullptr, argv);
    EXPECT_EQ(warningShown(), "Could not exec command \"" + plain + "  \".\nReason: Permission denied");
}

TEST(LaunchScenario, DISABLED_ForkRefused)
{
    StandIns tools;
    app();
    refuseForks();
    execXzbsnmpconf(nullptr);
    EXPECT_EQ(warningShown(), "Could not fork to run command xzbsnmpconf  .\nReason: Resource temporarily unavailable.");
    EXPECT_FALSE(cursorIsBusy());
}

TEST(Launching, GrapherStartsWithItsSelectionsAndLeavesNoZombie)
{
    EXPECT_TRUE(runIsolated("LaunchScenario.DISABLED_GrapherFromPathKeptForTheProcess"));
}

TEST(Launching, EventToolProgramComesFromTheEnvironmentOnce)
{
    EXPECT_TRUE(runIsolated("LaunchScenario.DISABLED_EventToolFromTheEnvironmentKeptForTheProcess"));
}

TEST(Launching, SnmpToolComesFromTheSuitesDirectory)
{
    EXPECT_TRUE(runIsolated("LaunchScenario.DISABLED_SnmpToolFoundOnEveryCall"));
}

TEST(Launching, AToolThatCannotStartIsReportedToTheUserAndOnStandardError)
{
    IsolatedRun run = runTestProcess("LaunchScenario.DISABLED_ToolThatCannotBeExecuted");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("-eventId 7\".\nReason: No such file or directory\n"), std::string::npos) << run.output;
}

TEST(Launching, AFailedForkIsReported)
{
    EXPECT_TRUE(runIsolated("LaunchScenario.DISABLED_ForkRefused"));
}

// ---- The map session ----

namespace {

const char labMap[] =
    "cvwmap 1\n"
    "session lab map\n"
    "field 1 IP Address\n"
    "field 2 IPX Address\n"
    "object 101 Internet:router1\n"
    "host 101 router1.lab.example\n"
    "value 101 1 10.1.2.3\n"
    "object 102 Internet:hub\n"
    "value 102 1 10.1.2\n"
    "value 102 2 0000C0A8:00A0C9123456\n"
    "object 103 Internet:printer\n"
    "value 103 1 10.1.2.9\n"
    "object 104 Internet:cloud\n"
    "value 104 2 C0A8:00A0\n"
    "select 101\n";

std::string writeMap(const char *text)
{
    static std::string path = [] {
        char name[] = "/tmp/cvgui-map-XXXXXX";
        int fd = mkstemp(name);
        close(fd);
        return std::string(name);
    }();
    std::ofstream(path, std::ios::trunc) << text;
    return path;
}

std::vector<int> exits;
void exitProc(int status)
{
    exits.push_back(status);
}

std::string actionAppName;
void recordAction(void *, char *, char *appName, CVwObjectIdList *, int, char **, CVwMapInfo *, unsigned long)
{
    actionAppName = appName;
}

int dispatch(int type, int normal = 1)
{
    char action[] = "Graph";
    CVwEvent event{type, normal, action, 0, nullptr};
    return CVwDispatchEvent(&event);
}

class MapSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        app();
        unsetenv("CVwAppName");
        unsetenv("CVWMAPFILE");
        exits.clear();
        actionAppName.clear();
    }
};

// The frame windows of two shells, in stacking order: true when a is above b.
bool above(Widget a, Widget b)
{
    Display *d = XtDisplay(a);
    Window root, parent, *children = nullptr;
    unsigned int n = 0;
    XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &n);
    Window fa = motif::frameWindow(a), fb = motif::frameWindow(b);
    int ia = -1, ib = -1;
    for (unsigned int i = 0; i < n; i++) {
        ia = children[i] == fa ? static_cast<int>(i) : ia;
        ib = children[i] == fb ? static_cast<int>(i) : ib;
    }
    XFree(children);
    return ia > ib && ib >= 0;
}

} // namespace

TEST_F(MapSession, JoinsUnderTheApplicationNameTheUserChose)
{
    std::string map = writeMap(labMap);
    char connected = 9;
    initCvw(exitProc, app().shell, "xzbgraph", nullptr, map.c_str(), nullptr, recordAction, &connected);
    EXPECT_EQ(connected, 1);
    EXPECT_STREQ(CVwSessionId(), "lab map");
    EXPECT_EQ(dispatch(CVW_ACTION), 1);
    EXPECT_EQ(actionAppName, "mibappl");

    setenv("CVwAppName", "nightShift", 1);
    initCvw(exitProc, app().shell, "xzbgraph", "grapher", map.c_str(), nullptr, recordAction, nullptr);
    dispatch(CVW_ACTION);
    EXPECT_EQ(actionAppName, "nightShift");
}

TEST_F(MapSession, NoMapRunningLeavesTheToolAloneAndUnconnected)
{
    Cardinal popups = app().shell->core.num_popups;
    char connected = 9;
    initCvw(exitProc, app().shell, "xzbgraph", "grapher", nullptr, nullptr, nullptr, &connected);
    EXPECT_EQ(connected, 0);
    EXPECT_EQ(app().shell->core.num_popups, popups) << "no dialog";
    EXPECT_EQ(dispatch(CVW_END_SESSION), -1) << "nothing registered";
    EXPECT_TRUE(exits.empty());
}

TEST_F(MapSession, EndOfTheSessionEndsTheTool)
{
    std::string map = writeMap(labMap);
    initCvw(exitProc, app().shell, "xzbtrap", nullptr, map.c_str(), nullptr, nullptr, nullptr);
    EXPECT_EQ(dispatch(CVW_END_SESSION, 0), 1);
    initCvw(exitProc, app().shell, "xzbtrap", nullptr, map.c_str(), nullptr, nullptr, nullptr);
    EXPECT_EQ(dispatch(CVW_END_SESSION, 1), 1);
    EXPECT_EQ(exits, (std::vector<int>{1, 0}));

    initCvw(nullptr, app().shell, "xzbtrap", nullptr, map.c_str(), nullptr, nullptr, nullptr);
    EXPECT_EQ(dispatch(CVW_END_SESSION, 0), 1) << "no exit procedure: nothing happens";
    EXPECT_EQ(exits.size(), 2u);
}

TEST_F(MapSession, AMapActionBringsTheToolForward)
{
    Widget tool = motif::newTopLevel("tool");
    Widget other = motif::newTopLevel("other");
    for (Widget shell : {tool, other}) {
        Widget form = XmCreateForm(shell, const_cast<char *>("form"), nullptr, 0);
        XtVaSetValues(form, XmNwidth, 300, XmNheight, 200, nullptr);
        XtManageChild(form);
        ASSERT_TRUE(motif::popUp(shell));
    }
    ASSERT_TRUE(motif::pumpUntil([&] { return above(other, tool); }));

    std::string map = writeMap(labMap);
    initCvw(exitProc, XtNameToWidget(tool, "form"), "xzbgraph", nullptr, map.c_str(), nullptr, nullptr, nullptr);
    EXPECT_EQ(dispatch(CVW_ACTION), 1);
    EXPECT_TRUE(motif::pumpUntil([&] { return above(tool, other); }));

    // A hidden tool stays hidden.
    XtPopdown(tool);
    motif::pumpUntil([&] { return !motif::isViewable(tool); });
    dispatch(CVW_ACTION);
    motif::pump();
    EXPECT_FALSE(motif::isViewable(tool));
    XtDestroyWidget(tool);
    XtDestroyWidget(other);
}

TEST_F(MapSession, ObjectsAreNamedByHostThenValidAddressThenSelectionName)
{
    std::string map = writeMap(labMap);
    initCvw(exitProc, app().shell, "xzbgraph", nullptr, map.c_str(), nullptr, recordAction, nullptr);
    EXPECT_STREQ(cvwObjectIdToNameOrAddr(101), "router1.lab.example");
    EXPECT_STREQ(cvwObjectIdToNameOrAddr(102), "0000C0A8:00A0C9123456") << "an invalid IP address is passed over";
    EXPECT_STREQ(cvwObjectIdToNameOrAddr(103), "10.1.2.9");
    EXPECT_STREQ(cvwObjectIdToNameOrAddr(104), "Internet:cloud");
    EXPECT_EQ(cvwObjectIdToNameOrAddr(999), nullptr);
}

namespace {
void pressCloseApplication(XtPointer, XtIntervalId *)
{
    Widget box = dialogs::newestDialog(app().shell, "error");
    if (box == nullptr || !motif::isViewable(XtParent(box))) {
        XtAppAddTimeOut(app().context, 20, pressCloseApplication, nullptr);
        return;
    }
    printf("report: %s\n", messageText(box).c_str());
    fflush(stdout);
    motif::click(XmMessageBoxGetChild(box, XmDIALOG_OK_BUTTON));
}

void exitReport(int status)
{
    printf("exit procedure called with %d\n", status);
    fflush(stdout);
}
} // namespace

TEST(MapSessionScenario, DISABLED_MapThatCannotBeReadEndsTheTool)
{
    std::string map = writeMap("cvwmap 1\nobject twelve Internet:x\n");
    Widget form = XmCreateForm(app().shell, const_cast<char *>("tool"), nullptr, 0);
    XtVaSetValues(form, XmNwidth, 200, XmNheight, 100, nullptr);
    XtManageChild(form);
    ASSERT_TRUE(motif::showShell(app().shell));
    XtAppAddTimeOut(app().context, 20, pressCloseApplication, nullptr);
    XtAppAddTimeOut(app().context, 20000, [](XtPointer, XtIntervalId *) { _exit(2); }, nullptr);
    initCvw(exitReport, form, "xzbgraph", "grapher", map.c_str(), nullptr, nullptr, nullptr);
    printf("initCvw returned\n");
}

TEST(MapSessionFailure, AMapThatCannotBeReadIsReportedAndEndsTheTool)
{
    IsolatedRun run = runTestProcess("MapSessionScenario.DISABLED_MapThatCannotBeReadEndsTheTool");
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_NE(run.output.find("report: xzbgraph (application grapher) cannot connect to Corvane Windows:\n"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("line 2"), std::string::npos) << "the session's own reason: " << run.output;
    EXPECT_NE(run.output.find("exit procedure called with 1"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("initCvw returned"), std::string::npos) << run.output;
}

// ---- The version report ----

TEST(VersionReport, DescribesThisMachineAndTheSession)
{
    std::string map = writeMap(labMap);
    ASSERT_EQ(_CVwInitSession(CVW_VERSION, "grapher", map.c_str()), 0);
    setenv("CV_SERVER", "nms1.lab.example", 1);
    char buf[CVGUI_VERSION_REPORT_MAX];
    int n = sprintVersion(buf, nullptr, "@(#) MIB Grapher", "xzbgraph", "");
    std::string report = buf;
    EXPECT_EQ(n, static_cast<int>(report.size()));
    EXPECT_EQ(report.rfind("MIB Grapher (xzbgraph)\n\n" + std::string(getZBRRelease()) + "\n" + getZBRVersion() +
                               "\n\nRunning on ",
                           0),
              0u)
        << report;
    char host[256] = "";
    gethostname(host, sizeof host);
    struct utsname system;
    uname(&system);
    EXPECT_NE(report.find("Running on " + std::string(host)), std::string::npos) << report;
    EXPECT_NE(report.find(std::string(system.sysname) + " Version " + system.release), std::string::npos) << report;
    EXPECT_NE(report.find("Physical memory: "), std::string::npos) << report;
    const char *tail = "MB free\n\nUsing Corvane Windows session \"lab map\"\nUsing Corvane server \"nms1.lab.example\"\n";
    EXPECT_EQ(report.substr(report.size() - strlen(tail)), tail) << report;

    // The map program reports no session of its own.
    n = sprintVersion(buf, nullptr, "Map", "cvw", nullptr);
    EXPECT_EQ(std::string(buf).substr(n - 8), "MB free\n");
    unsetenv("CV_SERVER");
}

TEST(VersionReport, NeverWritesPastItsLimit)
{
    std::vector<char> buf(CVGUI_VERSION_REPORT_MAX + 64, '#');
    std::string title(3 * CVGUI_VERSION_REPORT_MAX, 'T');
    int n = sprintVersion(buf.data(), nullptr, title.c_str(), "xzbgraph", nullptr);
    EXPECT_EQ(n, CVGUI_VERSION_REPORT_MAX - 1);
    EXPECT_EQ(strlen(buf.data()), static_cast<size_t>(n));
    EXPECT_EQ(std::string(buf.begin() + CVGUI_VERSION_REPORT_MAX, buf.end()), std::string(64, '#'));
}
