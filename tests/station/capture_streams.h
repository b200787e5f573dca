// Test helper: the byte streams of the committed captures in tests/data/captures, built from
// record values with test_groups. The capture test checks that the files still match them.
#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

namespace testing_groups {

// Three rounds of all five groups, every checksum right, values changing from round to round.
QByteArray cleanRoundsCapture();
// Leading noise, a false start, a bad checksum, a cut group, a long run of noise, a good round.
QByteArray noisyStreamCapture();
// One group of each kind with nibbles 10..15 where the console would send decimal digits.
QByteArray oddNibblesCapture();

// File base name and bytes of every capture.
std::vector<std::pair<QString, QByteArray>> allCaptures();

}  // namespace testing_groups
