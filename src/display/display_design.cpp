#include "display/display_design.h"

#include <array>

#include "station/weather_words.h"

namespace {
LabelDesign shown(const char* name, const char* caption) {
    const QString text = QString::fromUtf8(caption);
    return {QString::fromLatin1(name), text, false,
            text.startsWith(QStringLiteral("Zeit")) || text == QStringLiteral("seit")};
}
LabelDesign hidden(const char* name, const char* caption) {
    return {QString::fromLatin1(name), QString::fromUtf8(caption), true};
}

GaugeDesign gauge(const char* panel, const char* bar, int lo, int hi, int initial, const char* top,
                  const char* middle, const char* bottom) {
    return {QString::fromLatin1(panel),
            QString::fromLatin1(bar),
            lo,
            hi,
            initial,
            QString::fromLatin1(top),
            QString::fromLatin1(middle),
            QString::fromLatin1(bottom)};
}

std::vector<GroupBoxDesign> makeDesigns() {
    std::vector<GroupBoxDesign> boxes;
    auto box = [&](int n, const char* caption, Column c, Slot s, int height,
                   std::vector<LabelDesign> labels) -> GroupBoxDesign& {
        GroupBoxDesign d;
        d.number = n;
        d.caption = QString::fromUtf8(caption);
        d.column = c;
        d.slot = s;
        d.designHeight = height;
        d.labels = std::move(labels);
        boxes.push_back(std::move(d));
        return boxes.back();
    };
    GroupBoxDesign& b2 =
        box(2, "Luftfeuchtigkeit innen", Column::Left, Slot::Middle, 0,
            {shown("Label8", "Aktuell"), shown("Label9", "Hi"), shown("Label7", "ZeitHi"),
             shown("Label10", "Lo"), shown("Label13", "ZeitLo"), hidden("Label11", "Alarm Hi"),
             hidden("Label12", "Alarm Lo")});
    b2.hasGauge = true;
    b2.gauge = gauge("panFeuchtIn", "ProgressBar1", 0, 100, 0, "100", "50-", "0");
    GroupBoxDesign& b3 =
        box(3, "Luftfeuchtigkeit aussen", Column::Left, Slot::Top, 136,
            {shown("Label5", "Aktuell"), shown("Label14", "Hi"), shown("Label18", "ZeitHi"),
             shown("Label15", "Lo"), shown("Label19", "ZeitLo"), hidden("Label16", "Alarm Hi"),
             hidden("Label17", "Alarm Lo")});
    b3.hasGauge = true;
    b3.gauge = gauge("panFeuchtOut", "ProgressBar2", 0, 100, 0, "100", "50-", "0");
    GroupBoxDesign& b4 =
        box(4, "Temperatur innen", Column::Middle, Slot::Middle, 0,
            {shown("Label22", "Aktuell"), shown("Label23", "Hi"), shown("Label27", "ZeitHi"),
             shown("Label24", "Lo"), shown("Label28", "ZeitLo"), hidden("Label25", "Alarm Hi"),
             hidden("Label26", "Alarm Lo")});
    b4.hasGauge = true;
    b4.gauge = gauge("panTempInnen", "ProgressBar4", 0, 50, 0, "50", "25-", "0");
    GroupBoxDesign& b5 =
        box(5, "Temperatur aussen", Column::Middle, Slot::Top, 136,
            {shown("Label29", "Aktuell"), shown("Label30", "Hi"), shown("Label34", "ZeitHi"),
             shown("Label31", "Lo"), shown("Label35", "ZeitLo"), hidden("Label32", "Alarm Hi"),
             hidden("Label33", "Alarm Lo")});
    b5.hasGauge = true;
    b5.gauge = gauge("PanAussenTemp", "ProgressBar3", -60, 60, -60, "60", "             0-", "-60");
    box(6, "Barometer", Column::Left, Slot::Bottom, 129,
        {shown("Label37", "Local"), shown("Label38", "Sealevel"), shown("Label39", "Trend"),
         shown("Label40", "Vorhersage"), hidden("Label41", "Alarm")});
    box(7, "Taupunkt innen", Column::Right, Slot::Middle, 0,
        {shown("Label42", "Aktuell"), shown("Label43", "Hi"), shown("Label47", "ZeitHi"),
         shown("Label44", "Lo"), shown("Label48", "ZeitLo"), hidden("Label45", "Alarm Hi")});
    box(8, "Taupunkt aussen", Column::Right, Slot::Top, 89,
        {shown("Label46", "Aktuell"), shown("Label49", "Hi"), shown("Label52", "ZeitHi"),
         shown("Label50", "Lo"), shown("Label53", "ZeitLo"), hidden("Label51", "Alarm Hi")});
    box(9, "Regen", Column::Middle, Slot::Bottom, 129,
        {shown("Label55", "Rate"), shown("Label56", "Gestern"), shown("Label57", "Total"),
         shown("Label58", "seit"), shown("Label79", "Seit 24h"), hidden("Label64", "Alarm")});
    GroupBoxDesign& b10 = box(10, "Winde", Column::Right, Slot::Foot, 129,
                              {shown("Label66", "Aktuell"), shown("Label67", "Durchschnitt"),
                               shown("Label68", "Böe"), shown("Label71", "ZeitBöe"),
                               shown("Label78", "Maximum seitt 5min"), hidden("Label69", "Alarm")});
    b10.hasGauge = true;
    b10.gauge = gauge("panWind", "ProgressBar5", 0, 60, 0, "60", "30-", "0");
    box(11, "Windchill", Column::Right, Slot::Bottom, 89,
        {shown("Label72", "Aktuell"), shown("Label73", "Lo"), shown("Label74", "ZeitLo"),
         hidden("Label75", "Alarm")});
    return boxes;
}

const std::array<const char*, 8> kDisplayModes = {
    "Zeit", "Temperatur", "Feuchtigkeit", "Taupunkt", "Barometer", "Wind", "Windchill", "Regen"};

template <std::size_t N>
QString nameAt(const std::array<const char*, N>& names, int code) {
    return code >= 0 && code < int(N) ? QString::fromUtf8(names[std::size_t(code)]) : QString();
}
}  // namespace

const std::vector<GroupBoxDesign>& groupBoxDesigns() {
    static const std::vector<GroupBoxDesign> designs = makeDesigns();
    return designs;
}

const GroupBoxDesign* groupBoxDesign(int number) {
    for (const GroupBoxDesign& d : groupBoxDesigns())
        if (d.number == number)
            return &d;
    return nullptr;
}

int groupBoxNumber(const QString& componentName) {
    for (const GroupBoxDesign& d : groupBoxDesigns())
        if (d.name() == componentName)
            return d.number;
    return 0;
}

std::vector<LabelDesign> topBandLabels() {
    return {shown("Label1", "12:30:00"), shown("Label2", "06.06.01"), shown("Label6", "Alarm"),
            shown("Label80", "Label80"), shown("Label83", "Label83")};
}

QString trendName(int code) {
    return code >= 0 && code <= 0xFF ? TrendWord(std::uint8_t(code)) : QString();
}
QString forecastName(int code) {
    return code >= 0 && code <= 0xFF ? ForecastWord(std::uint8_t(code)) : QString();
}
QString displayModeName(int section) {
    return nameAt(kDisplayModes, section);
}
