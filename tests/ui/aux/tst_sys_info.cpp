// Reading a registry value and every road of the System Information launch,
// over a registry and a system that the test makes up.
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <map>
#include <set>
#include <vector>

#include "modal_helpers.h"
#include "ui/aux/about_window.h"
#include "ui/aux/sys_info.h"
#include "ui/aux/system_access.h"
#include "ui/common/message_box.h"

using namespace tarnwick;
using namespace tarnwick::ui;

namespace {

constexpr long kFileNotFound = 2;
constexpr long kMoreData = 234;
constexpr std::uint32_t kRegDword = 4;

struct RegValue {
    std::uint32_t type;
    std::string data;
};

class FakeRegistry final : public RegistryReader {
public:
    // Registering a value creates its key too.
    void Set(const std::string& key, const std::string& name, RegValue value) {
        keys_.insert(key);
        values_[{key, name}] = std::move(value);
    }
    void AddKey(const std::string& key) { keys_.insert(key); }

    long OpenKey(RegKey root, const std::string& subKey, std::uint32_t access, RegKey& key) override {
        accessAsked.push_back(access);
        if (root != kHKeyLocalMachine || !keys_.count(subKey)) {
            key = 0;
            return kFileNotFound;
        }
        open_.push_back(subKey);
        key = open_.size();
        ++openCount;
        return kErrorSuccess;
    }

    long QueryValue(RegKey key, const std::string& valueName, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& length) override {
        const auto found = values_.find({open_.at(key - 1), valueName});
        if (found == values_.end()) {
            return kFileNotFound;
        }
        const std::string& bytes = found->second.data;
        type = found->second.type;
        if (bytes.size() > length) {
            length = static_cast<std::uint32_t>(bytes.size());
            return kMoreData;
        }
        std::copy(bytes.begin(), bytes.end(), data);
        length = static_cast<std::uint32_t>(bytes.size());
        return kErrorSuccess;
    }

    long CloseKey(RegKey) override {
        ++closeCount;
        return kErrorSuccess;
    }

    std::vector<std::uint32_t> accessAsked;
    int openCount = 0;
    int closeCount = 0;

private:
    std::set<std::string> keys_;
    std::map<std::pair<std::string, std::string>, RegValue> values_;
    std::vector<std::string> open_;
};

class FakeSystem final : public SystemAccess {
public:
    // The registry's answer as on Windows, or the PATH's as elsewhere.
    QStringList SysInfoTools() override {
        if (!hasRegistry) return ToolsOnPath([this](const QString& name) { return onPath.value(name); });
        return FromAnsiPaths(ToolsInRegistry(registry, [this](const std::string& path) {
            filesAsked << QString::fromStdString(path);
            return files.contains(QString::fromStdString(path));
        }));
    }
    bool StartProgram(const QString& path) override {
        started << path;
        return startWorks && !broken.contains(path);
    }

    bool hasRegistry = true;
    FakeRegistry registry;
    QSet<QString> files;
    QMap<QString, QString> onPath;
    bool startWorks = true;
    QSet<QString> broken;  // found, but fail to start
    QStringList filesAsked;
    QStringList started;
};

const QString kUnavailable = QStringLiteral("Decoder|System Information Is Unavailable At This Time");

// The boxes shown while the message box is scripted, as "title|text".
QStringList TakeShownBoxes() {
    QStringList shown;
    for (const ShownBox& box : MessageBox::TakeShown())
        shown << box.title + QLatin1Char('|') + box.text;
    return shown;
}

std::string WithNul(const std::string& text) { return text + '\0'; }

}  // namespace

// How the made-up system looks in one case.
using Setup = std::function<void(FakeSystem&)>;
Q_DECLARE_METATYPE(Setup)

class tst_SysInfo : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(test::NoWindowLeft()); }

    void getKeyValue_data();
    void getKeyValue();
    void startSysInfo_data();
    void startSysInfo();
    void sysInfoButtonRunsTheLaunch_data();
    void sysInfoButtonRunsTheLaunch();
    void failureMessageIsAPlainOkBox();
};

void tst_SysInfo::getKeyValue_data() {
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QByteArray>("value");

    const std::string key = kMsinfoKey;
    const auto value = [key](RegValue v) { return Setup([key, v](FakeSystem& s) { s.registry.Set(key, "PATH", v); }); };

    QTest::newRow("string with its NUL") << value({kRegSz, WithNul("C:\\MSINFO32.EXE")}) << true
                                         << QByteArray("C:\\MSINFO32.EXE");
    QTest::newRow("string without NUL") << value({kRegSz, "C:\\MSINFO32.EXE"}) << true
                                        << QByteArray("C:\\MSINFO32.EXE");
    QTest::newRow("empty string") << value({kRegSz, WithNul("")}) << true << QByteArray();
    QTest::newRow("only the last NUL is dropped")
        << value({kRegSz, std::string("AB\0\0", 4)}) << true << QByteArray("AB\0", 3);
    QTest::newRow("fills the whole buffer")
        << value({kRegSz, WithNul(std::string(1023, 'x'))}) << true << QByteArray(1023, 'x');
    QTest::newRow("longer than the buffer")
        << value({kRegSz, WithNul(std::string(1024, 'x'))}) << false << QByteArray();
    QTest::newRow("number, not a string") << value({kRegDword, std::string("\x01\0\0\0", 4)}) << false << QByteArray();
    QTest::newRow("key missing") << Setup([](FakeSystem&) {}) << false << QByteArray();
    QTest::newRow("value missing") << Setup([key](FakeSystem& s) { s.registry.AddKey(key); }) << false << QByteArray();
}

void tst_SysInfo::getKeyValue() {
    QFETCH(Setup, setup);
    QFETCH(bool, read);
    QFETCH(QByteArray, value);
    FakeSystem system;
    setup(system);

    std::string result = "left over from before";
    QCOMPARE(GetKeyValue(system.registry, kHKeyLocalMachine, kMsinfoKey, "PATH", result), read);
    QCOMPARE(QByteArray::fromStdString(result), value);
    // Read-only, so that a standard user is not refused.
    QCOMPARE(system.registry.accessAsked, std::vector<std::uint32_t>{0x20019});
    QCOMPARE(system.registry.closeCount, system.registry.openCount);
}

void tst_SysInfo::startSysInfo_data() {
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QStringList>("started");
    QTest::addColumn<bool>("message");

    const auto first = [](FakeSystem& s, RegValue v) { s.registry.Set(kMsinfoKey, kMsinfoValue, std::move(v)); };
    const auto second = [](FakeSystem& s, const std::string& folder) {
        s.registry.Set(kSharedToolsKey, kSharedToolsValue, {kRegSz, WithNul(folder)});
    };
    const QString listed = QStringLiteral("C:\\Program Files\\MSInfo\\msinfo32.exe");
    const QString inFolder = QStringLiteral("C:\\Shared\\MSInfo\\MSINFO32.EXE");

    QTest::newRow("first value names the tool: started unchanged, not looked for") << Setup([=](FakeSystem& s) {
        first(s, {kRegSz, WithNul(listed.toStdString())});
    }) << QStringList{listed} << false;
    QTest::newRow("first value missing, second folder holds the tool") << Setup([=](FakeSystem& s) {
        second(s, "C:\\Shared\\MSInfo");
        s.files << inFolder;
    }) << QStringList{inFolder} << false;
    QTest::newRow("first value not a string, second folder holds the tool") << Setup([=](FakeSystem& s) {
        first(s, {kRegDword, std::string("\x01\0\0\0", 4)});
        second(s, "C:\\Shared\\MSInfo");
        s.files << inFolder;
    }) << QStringList{inFolder} << false;
    QTest::newRow("second folder without the tool")
        << Setup([=](FakeSystem& s) { second(s, "C:\\Shared\\MSInfo"); }) << QStringList{} << true;
    QTest::newRow("second value not a string") << Setup([=](FakeSystem& s) {
        s.registry.Set(kSharedToolsKey, kSharedToolsValue, {kRegDword, std::string("\x01\0\0\0", 4)});
        s.files << inFolder;
    }) << QStringList{} << true;
    QTest::newRow("neither value") << Setup([](FakeSystem&) {}) << QStringList{} << true;
    QTest::newRow("tool will not start") << Setup([=](FakeSystem& s) {
        first(s, {kRegSz, WithNul(listed.toStdString())});
        s.startWorks = false;
    }) << QStringList{listed} << true;

    QTest::newRow("no registry: first program of the list on the PATH") << Setup([](FakeSystem& s) {
        s.hasRegistry = false;
        s.onPath[QStringLiteral("hardinfo")] = QStringLiteral("/usr/bin/hardinfo");
        s.onPath[QStringLiteral("kinfocenter")] = QStringLiteral("/usr/bin/kinfocenter");
    }) << QStringList{QStringLiteral("/usr/bin/hardinfo")} << false;
    QTest::newRow("no registry: a later program of the list") << Setup([](FakeSystem& s) {
        s.hasRegistry = false;
        s.onPath[QStringLiteral("kinfocenter")] = QStringLiteral("/opt/kde/bin/kinfocenter");
    }) << QStringList{QStringLiteral("/opt/kde/bin/kinfocenter")}
                                                              << false;
    QTest::newRow("no registry: nothing on the PATH")
        << Setup([](FakeSystem& s) { s.hasRegistry = false; }) << QStringList{} << true;
    QTest::newRow("no registry: program found but will not start") << Setup([](FakeSystem& s) {
        s.hasRegistry = false;
        s.onPath[QStringLiteral("hardinfo")] = QStringLiteral("/usr/bin/hardinfo");
        s.startWorks = false;
    }) << QStringList{QStringLiteral("/usr/bin/hardinfo")} << true;
    QTest::newRow("no registry: the first program found will not start, the next does") << Setup([](FakeSystem& s) {
        s.hasRegistry = false;
        s.onPath[QStringLiteral("hardinfo")] = QStringLiteral("/usr/bin/hardinfo");
        s.onPath[QStringLiteral("kinfocenter")] = QStringLiteral("/usr/bin/kinfocenter");
        s.broken << QStringLiteral("/usr/bin/hardinfo");
    }) << QStringList{QStringLiteral("/usr/bin/hardinfo"), QStringLiteral("/usr/bin/kinfocenter")}
                                                                                        << false;
}

void tst_SysInfo::startSysInfo() {
    QFETCH(Setup, setup);
    QFETCH(QStringList, started);
    QFETCH(bool, message);
    FakeSystem system;
    setup(system);

    MessageBox::SetScripted(true);
    StartSysInfo(system, nullptr);
    MessageBox::SetScripted(false);
    QCOMPARE(system.started, started);
    QCOMPARE(TakeShownBoxes(), message ? QStringList{kUnavailable} : QStringList{});
    // The path read from the first value is used as it is.
    if (QByteArray(QTest::currentDataTag()).startsWith("first value names")) {
        QVERIFY(system.filesAsked.isEmpty());
    }
    QCOMPARE(system.registry.closeCount, system.registry.openCount);
}

void tst_SysInfo::sysInfoButtonRunsTheLaunch_data() {
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("click") << false;
    QTest::newRow("Enter on the focused button") << true;
}

void tst_SysInfo::sysInfoButtonRunsTheLaunch() {
    QFETCH(bool, byEnter);
    FakeSystem system;
    system.hasRegistry = false;
    AboutWindow about(nullptr, &system);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));

    auto* button = about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"));
    test::ModalRun run;
    QString shown;
    QWidget* shownOver = nullptr;
    test::WhenModalOpens(run, [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        shown = box->windowTitle() + QLatin1Char('|') + box->text();
        shownOver = box->parentWidget();
        QTest::keyClick(box, Qt::Key_Return);
    });
    if (byEnter) {
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
    } else {
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QVERIFY(run.seen);
    QCOMPARE(shown, kUnavailable);
    QCOMPARE(shownOver, &about);
    QVERIFY2(about.isVisible(), "the About window stays open after a failed launch");
    about.close();
}

void tst_SysInfo::failureMessageIsAPlainOkBox() {
    test::ModalRun run;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    qsizetype buttons = 0;
    test::WhenModalOpens(run, [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->buttons().size();
        QTest::keyClick(box, Qt::Key_Return);
    });
    FakeSystem nothingFound;
    nothingFound.hasRegistry = false;
    StartSysInfo(nothingFound, nullptr);
    QVERIFY(run.seen);
    QVERIFY(!run.leftOpen);
    QCOMPARE(title + QLatin1Char('|') + text, kUnavailable);
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, qsizetype(1));
}

QTEST_MAIN(tst_SysInfo)
#include "tst_sys_info.moc"
