#include "config/comma_text.h"

#include <gtest/gtest.h>

TEST(CommaText, WritesLinesTheWayTheFileKeepsThem) {
    EXPECT_EQ(toCommaText({"Hallo Welt"}), "\"Hallo Welt\"");
    EXPECT_EQ(toCommaText({"Hallo", "Welt"}), "Hallo,Welt");
    EXPECT_EQ(toCommaText({"a", "", "b"}), "a,,b");
    EXPECT_EQ(toCommaText({""}), "\"\"");
    EXPECT_EQ(toCommaText({}), "");
    EXPECT_EQ(toCommaText({"Er sagte \"ja\"", "1,5"}), "\"Er sagte \"\"ja\"\"\",\"1,5\"");
    EXPECT_EQ(toCommaText({"a\tb"}), "\"a\tb\"");
}

TEST(CommaText, ReadsQuotesBlanksAndATrailingComma) {
    EXPECT_EQ(fromCommaText("\"Hallo Welt\""), QStringList{"Hallo Welt"});
    EXPECT_EQ(fromCommaText("Hallo Welt"), (QStringList{"Hallo", "Welt"}));  // blanks split too
    EXPECT_EQ(fromCommaText("a,"), (QStringList{"a", ""}));
    EXPECT_EQ(fromCommaText("a, ,b"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(fromCommaText("\"\""), QStringList{""});
    EXPECT_EQ(fromCommaText(""), QStringList{});
    EXPECT_EQ(fromCommaText("\"ab\"cd"), (QStringList{"ab", "cd"}));
    EXPECT_EQ(fromCommaText("\"offen"), QStringList{"offen"});
    EXPECT_EQ(fromCommaText(QStringLiteral("a") + QChar(0) + "b"), QStringList{"a"});
    EXPECT_EQ(fromCommaText("nix"), QStringList{"nix"});
}

TEST(CommaText, WritingThenReadingGivesTheSameLines) {
    const QList<QStringList> texts = {
        {},
        {""},
        {"", ""},
        {"a", ""},
        {"", "a"},
        {"Wetterbericht von DL1ABC", "", "73 de \"Hans\"", "Temp,Feuchte", " eingerückt "},
        {QString::fromUtf8("Grüße aus Köln"), "\"", "\"\"", ",", ",,"},
    };
    for (const QStringList& lines : texts) {
        EXPECT_EQ(fromCommaText(toCommaText(lines)), lines) << toCommaText(lines).toStdString();
    }
}
