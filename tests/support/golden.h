// Expected files (tests/data/...) compared byte for byte. A difference is shown as the first line
// that differs, both ways, with its number. With WETTERPULT_UPDATE_GOLDEN set (scripts/
// update-golden.sh) the expected file is rewritten instead: only on purpose, and the new file is
// checked by hand before it is committed.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <algorithm>

inline testing::AssertionResult matchesGoldenFile(const QByteArray& actual, const QString& path) {
    QFile file(path);
    if (qEnvironmentVariableIsSet("WETTERPULT_UPDATE_GOLDEN")) {
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(actual) != actual.size())
            return testing::AssertionFailure() << "cannot rewrite " << path.toStdString();
        return testing::AssertionSuccess();
    }
    if (!file.open(QIODevice::ReadOnly))
        return testing::AssertionFailure() << "cannot read " << path.toStdString();
    const QByteArray expected = file.readAll();
    if (actual == expected)
        return testing::AssertionSuccess();
    // Lines split at LF only, so that a missing or extra CR shows as "\r".
    const QList<QByteArray> want = expected.split('\n');
    const QList<QByteArray> got = actual.split('\n');
    qsizetype line = 0;
    while (line < std::min(want.size(), got.size()) && want[line] == got[line])
        ++line;
    auto shown = [](const QList<QByteArray>& lines, qsizetype i) {
        if (i >= lines.size())
            return std::string("<end of file>");
        return lines[i].toPercentEncoding(" !\"#$&'()*+,-./:;<=>?@[]^_`{|}~").toStdString();
    };
    return testing::AssertionFailure()
           << path.toStdString() << " differs from line " << line + 1
           << " on (bytes outside ASCII as %XX):\n  expected: " << shown(want, line)
           << "\n  actual:   " << shown(got, line);
}
