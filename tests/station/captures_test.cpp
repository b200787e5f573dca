// The committed captures are the streams capture_streams builds. Run with
// WETTERPULT_WRITE_CAPTURES=1 to write them anew (then check the expected .jsonl files by hand).
#include <gtest/gtest.h>

#include <QFile>

#include "capture_streams.h"

TEST(Captures, CommittedFilesMatchTheirBuilders) {
    const bool write = qEnvironmentVariableIsSet("WETTERPULT_WRITE_CAPTURES");
    for (const auto& [name, bytes] : testing_groups::allCaptures()) {
        QFile file(QStringLiteral(WETTERPULT_TEST_DATA "/captures/%1.bin").arg(name));
        if (write) {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate))
                << name.toStdString();
            file.write(bytes);
            continue;
        }
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(file.readAll(), bytes) << name.toStdString();
    }
}
