// The save dialog as a user works it: type a name, press Save (or Enter), read the messages, and
// find on disk what they say. Scenarios that change the process (its user, its mounts, a dialog
// made without a save procedure) run in processes of their own.
#include "dialogSupport.h"
#include "isolated.h"
#include "testenv.h"

#include <Xm/Text.h>
#include <filesystem>
#include <sched.h>
#include <sys/mount.h>

using dialogs::findButton;
using dialogs::listItems;
using motif::app;
namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

namespace {

struct Payload {
    std::string text;
    int calls = 0;
    bool busy = false;
};

void writeResults(FILE *file, const char *, void *userData)
{
    auto *payload = static_cast<Payload *>(userData);
    payload->calls++;
    payload->busy = cursorIsBusy();
    fputs(payload->text.c_str(), file);
}

Widget shell()
{
    return dialogs::saveShell();
}

Widget nameField()
{
    return XtNameToWidget(shell(), "*mEditText");
}

void typeName(const std::string &name)
{
    dialogs::retype(nameField(), name);
}

void pressSave()
{
    motif::press(findButton(shell(), "Save"));
}

Lines exists(const std::string &name)
{
    return {"File \"" + name + "\" already exists.  Results not saved.", "  Hit \"Save\" again to overwrite existing file."};
}

// The process's dialog, made once, shown anew (no messages, no refusal) for payload.
void openDialog(Payload &payload, CVsaveProc proc = writeResults)
{
    if (getSaveMsgW() == nullptr) {
        createSaveDialog(app().shell, "saveResults", "Save Results", "results.txt", "zbr:save.over", proc);
    }
    save_CB(nullptr, &payload, nullptr);
    motif::pumpUntil([] { return motif::isViewable(shell()); });
}

// Scenarios make theirs under the directory their parent test removes.
std::string tempDir()
{
    const char *base = getenv("CVGUI_SCENARIO_DIR");
    std::string dirTemplate = std::string(base != nullptr ? base : "/tmp") + "/cvgui-save-XXXXXX";
    std::string dir = mkdtemp(&dirTemplate[0]);
    chmod(dir.c_str(), 0777);
    return dir;
}

class SaveDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        payload_.text = "node,ifInOctets\nrouter1,1200\n";
        openDialog(payload_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const char *name) const { return dir_ + "/" + name; }

    std::string dir_ = tempDir();
    Payload payload_;
};

} // namespace

TEST_F(SaveDialog, AnExistingFileIsReplacedOnlyBySaveForTheSameNameTwice)
{
    typeName(path("new.csv"));
    pressSave();
    EXPECT_EQ(readFile(path("new.csv")), payload_.text) << "a new name is written at once";
    EXPECT_TRUE(listItems(getSaveMsgW()).empty());
    EXPECT_TRUE(payload_.busy);
    EXPECT_FALSE(cursorIsBusy());

    std::ofstream(path("a.csv")) << "old a";
    chmod(path("a.csv").c_str(), 0640);
    typeName(path("a.csv"));
    pressSave();
    EXPECT_EQ(listItems(getSaveMsgW()), exists(path("a.csv")));
    typeName(path("new.csv"));
    pressSave();
    typeName(path("a.csv"));
    pressSave();
    EXPECT_EQ(readFile(path("a.csv")), "old a") << "another name in between asks again";
    EXPECT_EQ(payload_.calls, 1);

    // Enter in the field is a second Save.
    XEvent e = motif::keyEvent(nameField());
    XtCallActionProc(nameField(), const_cast<char *>("activate"), &e, nullptr, 0);
    EXPECT_EQ(listItems(getSaveMsgW()).back(), "Overwriting \"" + path("a.csv") + "\".");
    EXPECT_EQ(readFile(path("a.csv")), payload_.text);
    struct stat st;
    ASSERT_EQ(stat(path("a.csv").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << "the file keeps its mode";
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2) << "nothing left behind";

    // Closed and shown again, the dialog asks again.
    pressSave();
    motif::press(findButton(shell(), "Close"));
    EXPECT_TRUE(motif::pumpUntil([] { return !motif::isViewable(shell()); }));
    openDialog(payload_);
    EXPECT_TRUE(listItems(getSaveMsgW()).empty());
    pressSave();
    EXPECT_EQ(listItems(getSaveMsgW()), exists(path("a.csv")));
}

TEST_F(SaveDialog, WhatCannotBeWrittenIsReportedAndLosesNothing)
{
    typeName(path("missing/out.csv"));
    pressSave();
    fs::create_directory(path("reports"));
    std::ofstream(path("reports/keep.txt")) << "kept";
    typeName(path("reports"));
    pressSave();
    pressSave();
    typeName("/dev/full");
    pressSave();
    pressSave();
    typeName("");
    pressSave();
    Lines shown = listItems(getSaveMsgW());
    ASSERT_EQ(shown.size(), 10u);
    EXPECT_EQ(shown[0], "Could not open \"" + path("missing/out.csv") + "\": No such file or directory.  No save performed.");
    EXPECT_EQ(shown[4], "Could not open \"" + path("reports") + "\": Is a directory.  No save performed.");
    EXPECT_EQ(shown[8], "Could not write \"/dev/full\": No space left on device.  Nothing was saved.");
    EXPECT_EQ(shown[9], "Could not open \"\": No such file or directory.  No save performed.");
    EXPECT_EQ(payload_.calls, 1) << "only /dev/full got as far as the tool's procedure";
    EXPECT_EQ(readFile(path("reports/keep.txt")), "kept");

    // New settings change only what is given.
    typeName(path("typed.csv"));
    setSaveDefaults(nullptr, "Save Poll Results", nullptr, nullptr);
    EXPECT_TRUE(motif::pumpUntil([] { return dialogs::windowTitle(shell()) == "Save Poll Results"; }));
    pressSave();
    EXPECT_EQ(readFile(path("typed.csv")), payload_.text) << "the name typed and the procedure stay";
    setSaveDefaults(path("y.csv").c_str(), "Save Results", nullptr, nullptr);
    pressSave();
    EXPECT_EQ(readFile(path("y.csv")), payload_.text);
}

// ---- In processes of their own ----

CHILD_TEST(SaveScenario, NoSaveProcedure)
{
    Payload payload;
    openDialog(payload, nullptr);
    std::string name = tempDir() + "/empty.csv";
    std::ofstream(name) << "old contents";
    typeName(name);
    pressSave();
    pressSave();
    EXPECT_EQ(listItems(getSaveMsgW()).back(), "Could not call save function.");
    EXPECT_EQ(readFile(name), "") << "the file is still made, empty";
}

CHILD_TEST(SaveScenario, ReadOnlyFile)
{
    Payload payload;
    openDialog(payload);
    std::string name = tempDir() + "/locked.csv";
    std::ofstream(name) << "locked contents";
    chmod(name.c_str(), 0444);
    // Permissions bind only a user without the administrator's rights.
    if (geteuid() == 0) {
        ASSERT_EQ(setresgid(65534, 65534, 65534), 0);
        ASSERT_EQ(setresuid(65534, 65534, 65534), 0);
    }
    typeName(name);
    pressSave();
    pressSave();
    EXPECT_EQ(listItems(getSaveMsgW()).back(), "Could not open \"" + name + "\": Permission denied.  No save performed.");
    EXPECT_EQ(readFile(name), "locked contents");
}

CHILD_TEST(SaveScenario, DiskFillsUp)
{
    // A 16 KB file system of this process's own.
    std::string dir = tempDir();
    if (unshare(CLONE_NEWNS) != 0 || mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("cvgui", dir.c_str(), "tmpfs", 0, "size=16k") != 0) {
        printf("no private mounts here\n");
        return;
    }
    Payload payload;
    payload.text = std::string(64 * 1024, 'z');
    openDialog(payload);
    std::string name = dir + "/results.csv";
    std::ofstream(name) << "the old results\n";
    typeName(name);
    pressSave();
    pressSave();
    EXPECT_EQ(listItems(getSaveMsgW()).back(), "Could not write \"" + name + "\": No space left on device.  Nothing was saved.");
    EXPECT_EQ(readFile(name), "the old results\n") << "the old file keeps its bytes";
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1) << "no partial file left";
}

TEST(SaveDialogAlone, NoProcedureReadOnlyFileAndFullDisk)
{
    std::string base = tempDir();
    setenv("CVGUI_SCENARIO_DIR", base.c_str(), 1);
    EXPECT_TRUE(runIsolated("SaveScenario.InChild_NoSaveProcedure"));
    EXPECT_TRUE(runIsolated("SaveScenario.InChild_ReadOnlyFile"));
    IsolatedRun run = runTestProcess("SaveScenario.InChild_DiskFillsUp");
    if (run.output.find("no private mounts here") == std::string::npos) {
        EXPECT_NE(run.output.find("[  PASSED  ] 1 test"), std::string::npos) << run.output;
    }
    unsetenv("CVGUI_SCENARIO_DIR");
    fs::remove_all(base);
}
