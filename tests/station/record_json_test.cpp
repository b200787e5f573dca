#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "station/record_json.h"
#include "test_groups.h"

namespace {

// The keys of a compact JSON object's top level, in written order.
QStringList topLevelKeys(const QByteArray& json) {
    QStringList keys;
    int depth = 0;
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (c == '{' || c == '[')
            ++depth;
        if (c == '}' || c == ']')
            --depth;
        if (c == '"' && depth == 1) {
            const qsizetype end = json.indexOf('"', i + 1);
            if (json.at(end + 1) == ':')
                keys.append(QString::fromLatin1(json.mid(i + 1, end - i - 1)));
            i = end;
        }
    }
    return keys;
}

}  // namespace

TEST(RecordJson, LineLayoutAndMemberOrder) {
    StationData data;
    data.Record = testing_groups::sampleRecord();
    data.GroupSeen = {true, false, true, false, false};
    data.Record.MinuteWindMax = 156;
    data.Record.MinuteWindMaxDir = 227;
    const QByteArray line = RecordJsonLine(0x8F, "OK!", data);

    EXPECT_TRUE(line.startsWith(R"({"group":"8F","checksum":"OK!","record":{"Clock":{"Time":)"
                                R"({"Second":45,"Minute":30,"Hour":12,"Day":24,"Month":6},)"
                                R"("MonthBit4":true,"MonthBit5":false,"AlarmMinute":15,)"
                                R"("AlarmHour":7,"AlarmSet":true},"IndoorHum":{"Current":48,)"
                                R"("AlarmLo":30,"AlarmHi":70,"Lo":{"Time":{"Second":0,)"))
        << line.constData();
    EXPECT_TRUE(line.endsWith(R"("Console":{"PowerDC":true,"BatteryLow":false,)"
                              R"("DisplaySection":5}},"GroupSeen":[true,false,true,false,false],)"
                              R"("MinuteWindMax":156,"MinuteWindMaxDir":227})"))
        << line.constData();
    EXPECT_FALSE(line.contains(' '));
    EXPECT_FALSE(line.contains('\n'));

    const QByteArray record = WeatherRecordJson(data.Record);
    EXPECT_EQ(topLevelKeys(record),
              (QStringList{"Clock", "IndoorHum", "OutdoorHum", "IndoorTemp", "OutdoorTemp",
                           "IndoorTempBit6Clear", "Barometer", "IndoorDew", "OutdoorDew",
                           "DewStatus", "Rain", "Wind", "Windchill", "Console"}));

    // Valid JSON whose values read back as the record holds them.
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(line, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    const QJsonObject r = o["record"].toObject();
    EXPECT_EQ(r["OutdoorTemp"].toObject()["Lo"].toObject()["Value"].toInt(), -83);
    EXPECT_EQ(r["OutdoorTemp"].toObject()["Positive"].toBool(), false);
    EXPECT_EQ(r["Barometer"].toObject()["SeaLevel"].toInt(), 10182);
    EXPECT_EQ(r["Rain"].toObject()["TotalSince"].toObject()["Hour"].toInt(), 8);
    EXPECT_EQ(r["Wind"].toObject()["HiTime"].toObject()["Minute"].toInt(), 41);
    EXPECT_EQ(r["Windchill"].toObject()["LoTime"].toObject()["Day"].toInt(), 19);
    EXPECT_EQ(r["Windchill"].toObject()["Alarm"].toInt(), -10);
    EXPECT_EQ(r["DewStatus"].toObject()["Bit4"].toBool(), true);
    EXPECT_FALSE(r.contains("MinuteWindMax"));
    EXPECT_FALSE(r.contains("MinuteWindMaxDir"));
    EXPECT_EQ(o["GroupSeen"].toArray().size(), 5);
}

TEST(RecordJson, ClientRoadHasNoChecksum) {
    StationData data;
    const QByteArray line = RecordJsonLine(0xCF, nullptr, data);
    EXPECT_TRUE(line.startsWith(R"({"group":"CF","checksum":null,"record":{)")) << line.constData();
    EXPECT_TRUE(
        RecordJsonLine(0x9F, "Error!", data).startsWith(R"({"group":"9F","checksum":"Error!",)"));
}
