// The program without windows left alone for months: one program per folder, a closed terminal,
// a capture larger than the memory the program may take, and failures that say where and why.
#include <signal.h>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "support/file_bytes.h"
#include "support/wait.h"

namespace {

const QString kProgram = QStringLiteral(WETTERPULT_BIN_DIR "/src/app/wetterpult");

// Starts the program on a folder and waits until its event loop runs (the first status line).
bool startRunning(QProcess& program, const QString& folder) {
    program.start(kProgram, {"--headless", "--folder", folder, "--status-every", "1"});
    return program.waitForStarted() && program.waitForReadyRead(10000);
}

int runOnce(const QString& folder, QString* errors) {
    QProcess program;
    program.start(kProgram, {"--headless", "--folder", folder, "--quit"});
    program.waitForFinished(20000);
    *errors = QString::fromUtf8(program.readAllStandardError());
    return program.exitCode();
}

}  // namespace

TEST(UnattendedProgram, OneProgramPerFolderAndAStaleLockIsTakenOver) {
    QTemporaryDir dir;
    QProcess first;
    ASSERT_TRUE(startRunning(first, dir.path()));

    QString errors;
    EXPECT_EQ(runOnce(dir.path(), &errors), 1);
    EXPECT_EQ(errors.trimmed(), QString::fromUtf8("Wetterpult: Wetterpult läuft bereits mit dem "
                                                  "Ordner %1 (Prozess %2)")
                                    .arg(dir.path())
                                    .arg(first.processId()));
    EXPECT_FALSE(QFile::exists(dir.filePath("wetterpult.ini")));  // the refused one wrote nothing

    // A program that dies leaves its lock behind; the next start takes it over.
    ::kill(pid_t(first.processId()), SIGKILL);
    ASSERT_TRUE(first.waitForFinished(10000));
    ASSERT_TRUE(QFile::exists(dir.filePath("wetterpult.lock")));
    EXPECT_EQ(runOnce(dir.path(), &errors), 0) << qPrintable(errors);
    EXPECT_TRUE(QFile::exists(dir.filePath("wetterpult.ini")));
    EXPECT_FALSE(QFile::exists(dir.filePath("wetterpult.lock")));
    // So is an empty lock, as a power failure may leave it.
    writeAll(dir.filePath("wetterpult.lock"), "");
    EXPECT_EQ(runOnce(dir.path(), &errors), 0) << qPrintable(errors);
}

TEST(UnattendedProgram, AClosedTerminalSavesTheSettingsAndEnds) {
    QTemporaryDir dir;
    QProcess program;
    ASSERT_TRUE(startRunning(program, dir.path()));
    ::kill(pid_t(program.processId()), SIGHUP);
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(readAll(dir.filePath("wetterpult.ini")).contains("ActiveAtStartup=0\r\n"));
}

TEST(UnattendedProgram, ReplaysACaptureLargerThanItsMemory) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than any limit allows";
#else
    // 256 MiB of line noise (zero bytes, sparse on disk) and then real groups, replayed by a
    // program that may take 200 MiB of address space in all.
    QTemporaryDir dir;
    const QString capture = dir.filePath("gross.bin");
    {
        QFile file(capture);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(256 << 20));
        ASSERT_TRUE(file.seek(256 << 20));
        file.write(readAll(QStringLiteral(WETTERPULT_TEST_DATA "/captures/clean_rounds.bin")));
    }
    QProcess program;
    program.setChildProcessModifier([] {
        const rlim_t limit = rlim_t(200) << 20;
        rlimit memory{limit, limit};
        setrlimit(RLIMIT_AS, &memory);
    });
    program.start(kProgram, {"--headless", "--folder", dir.path(), "--replay", capture,
                             "--show-groups", "--quit"});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().constData();
    EXPECT_TRUE(program.readAllStandardOutput().contains("Wind")) << "the groups at the end";
#endif
}

TEST(UnattendedProgram, AFailedWriteNamesThePathAndTheReason) {
    QTemporaryDir dir;
    writeAll(dir.filePath("kein-ordner"), "");
    const QString aprs = dir.filePath("kein-ordner/aprs.txt");
    writeAll(dir.filePath("wetterpult.ini"),
             "[Alles]\r\nAPRSDatei=" + QFile::encodeName(aprs) + "\r\n");
    QProcess program;
    program.start(kProgram, {"--headless", "--folder", dir.path(), "--run", "aprs", "--quit"});
    ASSERT_TRUE(program.waitForFinished(20000));
    // Without a station the run first warns that the data are not current, then writes.
    const QStringList lines =
        QString::fromUtf8(program.readAllStandardError()).trimmed().split('\n');
    EXPECT_EQ(lines.last(), "APRS: Fehler beim Erstellen der APRS-Datei (" + aprs +
                                ": ein Teil des Pfades ist kein Ordner)");
}
