// What the LibreOffice suite does beyond the office suite contract (officesuitecontract_test):
// how it lives with its office process, or without one.
#include "export/libreoffice/libreofficesuite.h"
#include "waituntil.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <iostream>
#include <thread>

namespace {

bool processExists(qint64 pid) {
    return pid > 0 && ::kill(pid_t(pid), 0) == 0;
}

// Dead but not yet reaped: its pipe to us is closed, and the suite has not noticed.
bool isZombie(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2, 1) == "Z";
}

class LibreOfficeSuiteTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        ASSERT_TRUE(m_suite.isAvailable()) << "LibreOffice is not installed";
    }
    QString path(const QString &name) const { return m_folder.filePath(name); }

    QTemporaryDir m_folder;
    LibreOfficeSuite m_suite{m_folder.filePath(QStringLiteral("profile"))};
};

TEST(LibreOfficeSuiteWithoutOffice, FailsWithASentenceWhenTheOfficeIsMissing) {
    QTemporaryDir folder;
    const QByteArray before = qgetenv("UNO_PATH");
    const bool wasSet = qEnvironmentVariableIsSet("UNO_PATH");
    qputenv("UNO_PATH", folder.filePath(QStringLiteral("nowhere")).toUtf8());
    {
        LibreOfficeSuite suite(folder.filePath(QStringLiteral("profile")));
        EXPECT_FALSE(suite.isAvailable());
        const OfficeResult started = suite.start();
        EXPECT_FALSE(started.ok);
        EXPECT_TRUE(started.error.contains(QStringLiteral("LibreOffice")))
            << started.error.toStdString();
        const auto document = suite.newTextDocument(QString());
        EXPECT_FALSE(document.ok());
        EXPECT_FALSE(document.error().isEmpty());
        EXPECT_EQ(suite.officeProcessId(), 0);
    }
    if (wasSet)
        qputenv("UNO_PATH", before);
    else
        qunsetenv("UNO_PATH");
}

TEST_F(LibreOfficeSuiteTest, OfficeOutlivesTheStartingThreadAndEndsWithTheSuite) {
    auto suite = std::make_unique<LibreOfficeSuite>(path(QStringLiteral("own profile")));
    QElapsedTimer timer;
    timer.start();
    OfficeResult started;
    // Started from a worker thread that then ends, as a pool thread would.
    std::thread([&] { started = suite->start(); }).join();
    ASSERT_TRUE(started.ok) << started.error.toStdString();
    std::cout << "cold start: " << timer.elapsed() << " ms\n";
    const qint64 first = suite->officeProcessId();
    ASSERT_TRUE(processExists(first));

    const auto document = suite->newTextDocument(QString());
    ASSERT_TRUE(document.ok()) << document.error().toStdString();
    EXPECT_EQ(suite->officeProcessId(), first);

    // An office that died is replaced on the next call; its documents are gone.
    ::kill(pid_t(first), SIGKILL);
    ASSERT_TRUE(waitUntil([&] { return suite->officeProcessId() != first; }));
    const auto again = suite->newTextDocument(QString());
    ASSERT_TRUE(again.ok()) << again.error().toStdString();
    const qint64 second = suite->officeProcessId();
    EXPECT_NE(second, first);
    EXPECT_TRUE(processExists(second));
    EXPECT_FALSE(
        suite->save(document.value, path(QStringLiteral("lost.odt")), OfficeFormat::OdfText).ok);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("lost.odt"))));
    EXPECT_TRUE(suite->close(document.value).ok);

    // A call that meets the office the moment it died fails with a sentence; the program
    // writing into the closed pipe goes on.
    ::kill(pid_t(second), SIGKILL);
    while (processExists(second) && !isZombie(second))
        std::this_thread::yield();
    const OfficeResult late =
        suite->save(again.value, path(QStringLiteral("late.odt")), OfficeFormat::OdfText);
    EXPECT_FALSE(late.ok);
    EXPECT_FALSE(late.error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("late.odt"))));

    suite.reset();
    EXPECT_FALSE(processExists(first));
    EXPECT_FALSE(processExists(second));
}

} // namespace
