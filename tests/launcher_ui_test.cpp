// The progress dialog's settings, the Launcher's slots on the GUI thread, the
// built-in translations, and the single-instance guard across real processes.

#include "launcher.h"
#include "notify_adapter.h"
#include "progress_dialog.h"
#include "qtsingleapplication.h"
#include "str_table.h"
#include "support/child.h"
#include "support/env.h"
#include "support/files.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QResource>
#include <QTimer>
#include <QTranslator>

#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>

#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

int qInitResources_texts();

// The suppressions of lsan.supp and tsan.supp, for this process.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libqoffscreen.so\nleak:libfontconfig.so\n";
}
#endif
#if defined(__SANITIZE_THREAD__)
extern "C" const char* __tsan_default_suppressions()
{
    return "called_from_lib:libQt5Core.so.5\ncalled_from_lib:libQt5Gui.so.5\n"
           "called_from_lib:libQt5Widgets.so.5\ncalled_from_lib:libglib-2.0.so.0\n"
           "called_from_lib:libqoffscreen.so\n";
}
#endif

// Readable failure messages.
void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

using namespace testutil;

QApplication* App()
{
    static int argc = 1;
    static char name[] = "launcher_ui_test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        qInitResources_texts();
        auto* created = new QApplication(argc, argv);
        StrTable::InitStrTable();
        return created;
    }();
    return app;
}

// Sets an environment variable for one scope.
class ScopedEnv
{
public:
    ScopedEnv(const char* name, const std::string& value) : name(name)
    {
        if (const char* old = getenv(name)) {
            hadOld = true;
            oldValue = old;
        }
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv()
    {
        if (hadOld) {
            setenv(name, oldValue.c_str(), 1);
        } else {
            unsetenv(name);
        }
    }

private:
    const char* name;
    bool hadOld = false;
    std::string oldValue;
};

ProcessingProgressDialog* FindDialog()
{
    ProcessingProgressDialog* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* d = qobject_cast<ProcessingProgressDialog*>(w)) {
            EXPECT_EQ(found, nullptr) << "more than one progress dialog";
            found = d;
        }
    }
    return found;
}

// Threads of this process that Qt started for a QThread (named after the
// class), once that number is `expected` or after five seconds.
int QtThreadCount(int expected)
{
    int n = 0;
    for (int i = 0; i < 250; ++i) {
        n = 0;
        for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
            n += ReadFile(task.path().string() + "/comm") == "QThread\n";
        }
        if (n == expected) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return n;
}

const char* kStyle =
    " QProgressDialog { background-color: WhiteSmoke; \n  vertical-align: middle } ";

TEST(ProgressDialog, SettingsInEnglish)
{
    App();
    const QString icon = QCoreApplication::applicationDirPath() +
                         "/../../Contents/Resources/images/ico_72_halvenor.png";
    ProcessingProgressDialog dialog;

    // Texts from the string table, no translator installed.
    EXPECT_EQ(dialog.windowTitle(), QString("Halvenor Drive"));
    EXPECT_EQ(dialog.labelText(), QString("Halvenor Drive is initializing..."));

    // Bar, size, font, style.
    EXPECT_EQ(dialog.value(), 0);
    EXPECT_EQ(dialog.minimum(), 0);
    EXPECT_EQ(dialog.maximum(), 100);
    EXPECT_EQ(dialog.minimumWidth(), 400);
    EXPECT_EQ(dialog.maximumWidth(), 400);
    EXPECT_EQ(dialog.font().family(), QString("Arial"));
    EXPECT_FALSE(dialog.font().italic());
    EXPECT_EQ(dialog.styleSheet().size(), 77);
    EXPECT_EQ(dialog.styleSheet(), QString(kStyle));

    // A parentless window with only the title and system-menu hints, window modal, hidden.
    EXPECT_TRUE(dialog.isWindow());
    EXPECT_EQ(dialog.windowFlags() & ~Qt::WindowType_Mask,
              Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    EXPECT_TRUE(dialog.isModal());
    EXPECT_EQ(dialog.windowModality(), Qt::WindowModal);
    EXPECT_FALSE(dialog.isVisible());

    // The icon file does not exist beside this test program: no icon, no complaint.
    if (!QFile::exists(icon)) {
        EXPECT_TRUE(dialog.windowIcon().pixmap(72, 72).isNull());
    }
}

TEST(ProgressDialog, TranslatedTextsKeepTheWidth)
{
    App();
    // Japanese, Russian and Chinese (traditional) as built into the program.
    const std::vector<std::pair<QString, QString>> cases = {
        {"jpn", QString::fromUtf8("Halvenor Drive は初期化中です。")},
        {"rus", QString::fromUtf8("Halvenor Drive выполняет инициализацию...")},
        {"cht", QString::fromUtf8("Halvenor Drive 準備中...")},
    };
    for (const auto& c : cases) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(":/" + c.first + ".qm")) << c.first.toStdString();
        QCoreApplication::installTranslator(&translator);
        {
            ProcessingProgressDialog dialog;
            EXPECT_EQ(dialog.labelText(), c.second) << c.first.toStdString();
            EXPECT_EQ(dialog.windowTitle(), QString("Halvenor Drive"));
            dialog.show();
            EXPECT_EQ(dialog.width(), 400) << c.first.toStdString();
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

TEST(ProgressDialog, UserCannotCloseIt)
{
    App();
    ProcessingProgressDialog dialog;
    int canceled = 0;
    QObject::connect(&dialog, &QProgressDialog::canceled, [&] { ++canceled; });
    dialog.show();
    ASSERT_TRUE(dialog.isVisible());

    // The window's close button, Esc and reject() leave it on screen.
    EXPECT_FALSE(dialog.close());
    EXPECT_TRUE(dialog.isVisible());
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &esc);
    EXPECT_TRUE(dialog.isVisible());
    dialog.reject();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(canceled, 0);

    // Its owner can still hide it.
    dialog.hide();
    EXPECT_FALSE(dialog.isVisible());
}

TEST(Translations, TwentyFilesStoredAsRequired)
{
    App();
    const QStringList stored = {"chs", "cht", "jpn", "krn"};
    const QStringList codes = {"chs", "cht", "csy", "dan", "enu", "fre", "ger",
                               "hun", "ita", "jpn", "krn", "nld", "nor", "plk",
                               "ptb", "ptg", "rus", "spn", "sve", "trk"};
    for (const QString& code : codes) {
        const QResource resource(":/" + code + ".qm");
        ASSERT_TRUE(resource.isValid()) << code.toStdString();
        // CJK stored as they are, every other file zlib-compressed.
        const QResource::Compression expected =
            stored.contains(code) ? QResource::NoCompression : QResource::ZlibCompression;
        EXPECT_EQ(resource.compressionAlgorithm(), expected) << code.toStdString();

        // Each one loads, holds messages and translates the launcher's texts.
        QTranslator translator;
        ASSERT_TRUE(translator.load(":/" + code + ".qm")) << code.toStdString();
        EXPECT_FALSE(translator.isEmpty()) << code.toStdString();
        EXPECT_FALSE(translator.translate("global", "Halvenor Drive is ready.").isEmpty())
            << code.toStdString();
        EXPECT_EQ(translator.translate("global", "Halvenor Drive"), QString("Halvenor Drive"))
            << code.toStdString();
    }

    // English is the identity; names the rules do not produce are absent.
    QTranslator english;
    ASSERT_TRUE(english.load(":/enu.qm"));
    EXPECT_EQ(english.translate("global", "Halvenor Drive is initializing..."),
              QString("Halvenor Drive is initializing..."));
    EXPECT_FALSE(QResource(":/deu.qm").isValid());
    EXPECT_FALSE(QResource(":/translations/jpn.qm").isValid());
}

class LauncherSlots : public ::testing::Test
{
protected:
    void SetUp() override
    {
        App();
        home = std::make_unique<ScopedEnv>("HOME", tmp.path());
        launcher = new Launcher();
        // No window until an upgrade asks for one.
        ASSERT_EQ(FindDialog(), nullptr);
    }
    void TearDown() override { delete launcher; }

    void Invoke(const char* slot)
    {
        ASSERT_TRUE(QMetaObject::invokeMethod(launcher, slot, Qt::DirectConnection)) << slot;
    }
    // Quits with LaunchDone's result, or 99 if it never comes.
    int Exec()
    {
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        guard.start(20000);
        return QApplication::exec();
    }
    void Progress(int total, int steps)
    {
        ASSERT_TRUE(QMetaObject::invokeMethod(launcher, "UpdateProgress", Qt::DirectConnection,
                                              Q_ARG(int, total), Q_ARG(int, steps)));
    }

    TempDir tmp;
    std::unique_ptr<ScopedEnv> home;
    Launcher* launcher = nullptr;
    ProcessingProgressDialog* dialog = nullptr;
};

TEST_F(LauncherSlots, DialogFollowsProgressAndTexts)
{
    // As the Launcher shows it: no buttons, no automatic reset.
    Invoke("ShowMsgBox");
    dialog = FindDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->findChildren<QPushButton*>().isEmpty());
    EXPECT_FALSE(dialog->autoReset());
    EXPECT_EQ(dialog->labelText(), QString("Halvenor Drive is initializing..."));

    // Busy until the first report, a percentage from then on. Percentages
    // truncate; reaching the maximum neither resets nor hides.
    EXPECT_EQ(dialog->maximum(), 0);
    Progress(3, 1);
    EXPECT_EQ(dialog->maximum(), 100);
    EXPECT_EQ(dialog->value(), 33);
    Progress(100, 100);
    EXPECT_EQ(dialog->value(), 100);
    EXPECT_TRUE(dialog->isVisible());
    std::vector<int> seven;
    for (int i = 1; i <= 7; ++i) {
        Progress(7, i);
        seven.push_back(dialog->value());
    }
    EXPECT_EQ(seven, (std::vector<int>{14, 28, 42, 57, 71, 85, 100}));

    // Totals below 1 are ignored instead of dividing by zero.
    Progress(4, 1);
    Progress(0, 0);
    Progress(0, 5);
    Progress(-3, 1);
    EXPECT_EQ(dialog->value(), 25);

    // Entry counts whose percentage product exceeds 32 bits.
    Progress(30000000, 15000000);
    EXPECT_EQ(dialog->value(), 50);
    Progress(30000000, 30000000);
    EXPECT_EQ(dialog->value(), 100);

    ASSERT_TRUE(QMetaObject::invokeMethod(launcher, "SetLabelText", Qt::DirectConnection,
                                          Q_ARG(QString, QString::fromUtf8("Größe 1/2"))));
    EXPECT_EQ(dialog->labelText(), QString::fromUtf8("Größe 1/2"));
}

TEST_F(LauncherSlots, RunWithoutUpgradeNeverBuildsTheDialog)
{
    launcher->Run();
    std::thread handler(
        [this] { QMetaObject::invokeMethod(launcher, "LaunchDone", Qt::QueuedConnection); });
    handler.join();
    EXPECT_EQ(Exec(), 0);
    EXPECT_EQ(FindDialog(), nullptr);
    EXPECT_EQ(QtThreadCount(0), 0);
}

TEST_F(LauncherSlots, ReportsFromAnotherThreadArriveInOrderBeforeLaunchDone)
{
    // What the dialog shows after each report: value and visibility, or
    // {-1, false} while there is no dialog. Connected after the Launcher's
    // own slot, so it runs after it.
    std::vector<std::pair<int, bool>> seen;
    QObject::connect(Notify_Adapter::GetInstance(), &Notify_Adapter::sigUpdateProgress, launcher,
                     [&] {
                         ProcessingProgressDialog* d = FindDialog();
                         seen.emplace_back(d ? d->value() : -1, d && d->isVisible());
                     });

    ASSERT_EQ(QtThreadCount(0), 0);
    launcher->Run();
    EXPECT_EQ(QtThreadCount(1), 1);

    // Emitted on a second thread, as the extractor and the worker do.
    std::thread handler([this] {
        QMetaObject::invokeMethod(launcher, "ShowMsgBox", Qt::QueuedConnection);
        Notify_Adapter* relay = Notify_Adapter::GetInstance();
        relay->UpdateDialogText(QString("extracting"));
        relay->UpdateProgress(4, 1);
        relay->UpdateProgress(4, 2);
        relay->UpdateProgress(4, 3);
        QMetaObject::invokeMethod(launcher, "LaunchDone", Qt::QueuedConnection);
    });
    handler.join();
    // Queued, not delivered on the emitting thread.
    EXPECT_EQ(FindDialog(), nullptr);
    EXPECT_TRUE(seen.empty());

    // LaunchDone quits the loop with 0 after every earlier report was shown.
    EXPECT_EQ(Exec(), 0);
    EXPECT_EQ(seen, (std::vector<std::pair<int, bool>>{{25, true}, {50, true}, {75, true}}));
    dialog = FindDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->value(), 100);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->labelText(), QString("extracting"));

    // The handler thread has ended.
    EXPECT_EQ(QtThreadCount(0), 0);

    // Once the Launcher is gone the process-wide relay reaches nothing.
    delete launcher;
    launcher = nullptr;
    std::thread late([] { Notify_Adapter::GetInstance()->UpdateProgress(4, 4); });
    late.join();
    Notify_Adapter::GetInstance()->UpdateDialogText(QString("late"));
    QCoreApplication::processEvents();
}

TEST_F(LauncherSlots, OnlyReportsThatMoveTheBarReachTheGuiThread)
{
    struct QueuedCalls : QObject
    {
        int count = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            count += event->type() == QEvent::MetaCall;
            return false;
        }
    } queued;
    launcher->installEventFilter(&queued);
    Invoke("ShowMsgBox");
    // One report per entry, 1,000 entries: 101 whole percentages.
    std::thread([] {
        for (int entry = 1; entry <= 1000; ++entry) {
            Notify_Adapter::GetInstance()->UpdateProgress(1000, entry);
        }
    }).join();
    QCoreApplication::processEvents();
    EXPECT_EQ(queued.count, 101);
    EXPECT_EQ(FindDialog()->value(), 100);
}

TEST(SingleApplicationGuard, NameFollowsTheResolvedPathAndTheUser)
{
    TempDir tmp;
    const std::string exe = tmp.path() + "/launcher";
    ASSERT_TRUE(WriteFile(exe, "x", 0755));
    ASSERT_EQ(symlink(exe.c_str(), (tmp.path() + "/alias").c_str()), 0);
    const QString path = QString::fromStdString(exe);
    const QString name = QtSingleApplication::guardFileName(path, 1000);

    // A plain file name in the guard folder.
    EXPECT_TRUE(name.startsWith("halvenor-launcher-"));
    EXPECT_TRUE(name.endsWith(".lock"));
    EXPECT_FALSE(name.contains('/'));

    // Same file by another spelling or through a link: same guard.
    EXPECT_EQ(QtSingleApplication::guardFileName(path, 1000), name);
    EXPECT_EQ(QtSingleApplication::guardFileName(QString::fromStdString(tmp.path() + "/./launcher"),
                                                 1000),
              name);
    EXPECT_EQ(
        QtSingleApplication::guardFileName(QString::fromStdString(tmp.path() + "/alias"), 1000),
        name);

    // Another user or another executable: another guard.
    EXPECT_NE(QtSingleApplication::guardFileName(path, 1001), name);
    EXPECT_NE(
        QtSingleApplication::guardFileName(QString::fromStdString(tmp.path() + "/other"), 1000),
        name);
}

TEST(SingleApplicationGuard, FolderIsPrivateToTheUser)
{
    TempDir tmp;
    const std::string runtime = tmp.path() + "/run";
    const std::string shared = tmp.path() + "/shared";
    const std::string temp = tmp.path() + "/tmp";
    ASSERT_TRUE(MakeDirs(runtime, 0700) && MakeDirs(shared) && MakeDirs(temp));
    ASSERT_EQ(chmod(shared.c_str(), 0777), 0);
    ScopedEnv tmpdir("TMPDIR", temp);
    const std::string fallback = temp + "/halvenor-" + std::to_string(getuid());

    // A private runtime folder is used as it is.
    {
        ScopedEnv xdg("XDG_RUNTIME_DIR", runtime);
        EXPECT_EQ(QtSingleApplication::guardFolder().toStdString(), runtime);
    }
    // A writable-by-all or relative runtime folder is not; the fallback is made private.
    for (const std::string& bad : {shared, std::string("relative/run")}) {
        ScopedEnv xdg("XDG_RUNTIME_DIR", bad);
        EXPECT_EQ(QtSingleApplication::guardFolder().toStdString(), fallback) << bad;
        struct stat st;
        ASSERT_EQ(lstat(fallback.c_str(), &st), 0);
        EXPECT_TRUE(S_ISDIR(st.st_mode));
        EXPECT_EQ(st.st_mode & 0777, 0700u);
    }
    // A fallback that is a link to somewhere else is refused.
    RemoveTree(fallback);
    ASSERT_EQ(symlink(shared.c_str(), fallback.c_str()), 0);
    {
        ScopedEnv xdg("XDG_RUNTIME_DIR", shared);
        EXPECT_TRUE(QtSingleApplication::guardFolder().isEmpty());
    }
}

// Copies of the probe program in a temporary folder, run as real processes.
class SingleApplicationProcesses : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(tmp.path().empty());
        ASSERT_EQ(chmod(tmp.path().c_str(), 0755), 0);
        ASSERT_TRUE(MakeDirs(tmp.path() + "/a") && MakeDirs(tmp.path() + "/b"));
        const std::string probe = ReadFile(HALVENOR_SINGLE_APP_PROBE);
        ASSERT_FALSE(probe.empty());
        ASSERT_TRUE(WriteFile(ProbeA(), probe, 0755));
        ASSERT_TRUE(WriteFile(ProbeB(), probe, 0755));
        ASSERT_EQ(symlink(ProbeA().c_str(), LinkA().c_str()), 0);
        ASSERT_TRUE(MakeDirs(Runtime(), 0700));
        // A probe of another user may not enter the source tree.
        for (const std::string name : {"/lsan.supp", "/tsan.supp"}) {
            const std::string supp = ReadFile(ChildEnv::TestDir() + name);
            ASSERT_FALSE(supp.empty()) << name;
            ASSERT_TRUE(WriteFile(tmp.path() + name, supp));
        }
    }

    std::string ProbeA() const { return tmp.path() + "/a/single_app_probe"; }
    std::string ProbeB() const { return tmp.path() + "/b/single_app_probe"; }
    std::string LinkA() const { return tmp.path() + "/link_probe"; }
    std::string Runtime() const { return tmp.path() + "/run"; }

    std::vector<std::string> Env(const std::string& runtime) const
    {
        return ChildEnv(ChildEnv::kEssentials, tmp.path())
            .Set("QT_QPA_PLATFORM", "offscreen")
            .Set("HOME", tmp.path())
            .Set("TMPDIR", tmp.path() + "/tmp")
            .Set("XDG_RUNTIME_DIR", runtime)
            .list();
    }

    // Starts a probe that keeps the guard; returns once it has reported.
    std::unique_ptr<Child> Hold(const std::string& exe, const std::string& out,
                                const std::string& runtime, uid_t uid = -1, gid_t gid = -1)
    {
        ChildOptions options{exe, "hold"};
        options.env = Env(runtime);
        options.outFile = tmp.path() + "/" + out;
        options.errFile = tmp.path() + "/" + out + ".err";
        options.stdinPipe = true;
        options.uid = uid;
        options.gid = gid;
        auto child = std::make_unique<Child>(options);
        WaitFor([&] { return !ReadFile(options.outFile).empty() || child->Wait(0ms); }, 10s);
        return child;
    }

    // Runs a probe to its end and returns what it reported.
    std::string Ask(const std::string& exe, const std::string& runtime, uid_t uid = -1,
                    gid_t gid = -1)
    {
        ChildOptions options{exe};
        options.env = Env(runtime);
        options.outFile = tmp.path() + "/ask.out";
        options.errFile = tmp.path() + "/ask.err";
        options.uid = uid;
        options.gid = gid;
        const RunResult r = RunToEnd(options, 30s);
        if (!r.ended) {
            return "timeout";
        }
        if (r.status != 0) {
            return DescribeStatus(r.status) + ": " + r.err;
        }
        return r.out;
    }

    TempDir tmp;
};

TEST_F(SingleApplicationProcesses, OneInstancePerExecutablePath)
{
    std::unique_ptr<Child> holder = Hold(ProbeA(), "holder.out", Runtime());
    ASSERT_EQ(ReadFile(tmp.path() + "/holder.out"), "running=0\n");

    // The same executable, also when started through a link, is refused.
    EXPECT_EQ(Ask(ProbeA(), Runtime()), "running=1\n");
    EXPECT_EQ(Ask(LinkA(), Runtime()), "running=1\n");
    // A copy at another path is a different application.
    EXPECT_EQ(Ask(ProbeB(), Runtime()), "running=0\n");

    // A holder that ends normally frees the guard and removes its file.
    holder->CloseStdin();
    ASSERT_TRUE(holder->Wait(30s));
    EXPECT_EQ(holder->status(), 0);
    EXPECT_EQ(Names(Runtime()).size(), 0u);
    EXPECT_EQ(Ask(ProbeA(), Runtime()), "running=0\n");
}

TEST_F(SingleApplicationProcesses, CrashedHolderDoesNotBlockLaterStarts)
{
    std::unique_ptr<Child> holder = Hold(ProbeA(), "holder.out", Runtime());
    ASSERT_EQ(ReadFile(tmp.path() + "/holder.out"), "running=0\n");
    holder->Signal(SIGKILL);
    ASSERT_TRUE(holder->Wait(30s));

    // The dead holder's lock file is still there, and does not count.
    int lockFiles = 0;
    for (const auto& e : std::filesystem::directory_iterator(Runtime())) {
        lockFiles += e.path().extension() == ".lock";
    }
    EXPECT_EQ(lockFiles, 1);
    EXPECT_EQ(Ask(ProbeA(), Runtime()), "running=0\n");
}

TEST_F(SingleApplicationProcesses, UnusableGuardFolderRunsUnguarded)
{
    // Neither a runtime folder nor a private fallback: both instances run.
    const std::string fallback = tmp.path() + "/tmp/halvenor-" + std::to_string(getuid());
    ASSERT_TRUE(MakeDirs(tmp.path() + "/elsewhere") && MakeDirs(tmp.path() + "/tmp"));
    ASSERT_EQ(symlink((tmp.path() + "/elsewhere").c_str(), fallback.c_str()), 0);
    std::unique_ptr<Child> holder = Hold(ProbeA(), "holder.out", "");
    EXPECT_EQ(ReadFile(tmp.path() + "/holder.out"), "running=0\n");
    EXPECT_EQ(Ask(ProbeA(), ""), "running=0\n");
}

TEST_F(SingleApplicationProcesses, UsersDoNotExcludeEachOther)
{
    if (getuid() != 0) {
        GTEST_SKIP() << "running a second user's process needs root";
    }
    const passwd* nobody = getpwnam("nobody");
    if (nobody == nullptr) {
        GTEST_SKIP() << "no user 'nobody' on this system";
    }
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    // No runtime folders: both users fall back to one shared temporary folder.
    const std::string sharedTmp = tmp.path() + "/tmp";
    ASSERT_TRUE(MakeDirs(sharedTmp));
    ASSERT_EQ(chmod(sharedTmp.c_str(), 01777), 0);

    std::unique_ptr<Child> mine = Hold(ProbeA(), "mine.out", "");
    std::unique_ptr<Child> theirs = Hold(ProbeA(), "theirs.out", "", uid, gid);
    EXPECT_EQ(ReadFile(tmp.path() + "/mine.out"), "running=0\n");
    EXPECT_EQ(ReadFile(tmp.path() + "/theirs.out"), "running=0\n")
        << ReadFile(tmp.path() + "/theirs.out.err");

    // Each user's second start is refused by that user's own instance.
    EXPECT_EQ(Ask(ProbeA(), ""), "running=1\n");
    EXPECT_EQ(Ask(ProbeA(), "", uid, gid), "running=1\n");
}

} // namespace
