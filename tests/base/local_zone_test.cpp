#include "base/local_zone.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

int offsetOnFirstOfJuly() {
    return QDateTime(QDate(2026, 7, 1), QTime(12, 0)).offsetFromUtc();
}

bool copyZone(const char* name, const QString& to) {
    const QString tmp = to + QStringLiteral(".new");
    QFile::remove(tmp);
    // A new file put in place, as a zone chosen on the machine arrives.
    return QFile::copy(QStringLiteral("/usr/share/zoneinfo/") + QLatin1String(name), tmp) &&
           std::rename(QFile::encodeName(tmp).constData(), QFile::encodeName(to).constData()) == 0;
}

}  // namespace

TEST(LocalZone, APinnedZoneFileIsReadAgainOnlyWhenItChanged) {
    const QByteArray userZone = qgetenv("TZ");
    const bool userSet = qEnvironmentVariableIsSet("TZ");
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("localtime"));
    ASSERT_TRUE(copyZone("Europe/Berlin", file));
    qunsetenv("TZ");
    localzone::pinFile(QFile::encodeName(file));
    EXPECT_EQ(offsetOnFirstOfJuly(), 2 * 3600);
    EXPECT_FALSE(localzone::followFile());

    ASSERT_TRUE(copyZone("America/New_York", file));
    EXPECT_EQ(offsetOnFirstOfJuly(), 2 * 3600) << "the pinned file is not looked at per call";
    EXPECT_TRUE(localzone::followFile());
    EXPECT_EQ(offsetOnFirstOfJuly(), -4 * 3600);
    EXPECT_FALSE(localzone::followFile());

    if (userSet)
        qputenv("TZ", userZone);
    else
        qunsetenv("TZ");
    localzone::pinFile();
}
