#include "config/asynop_settings_model.h"

#include <gtest/gtest.h>

#include "base/app_clock.h"

namespace {

struct Asynop {
    Settings settings;
    FixedClock clock{QDateTime(QDate(2026, 12, 7), QTime(9, 0))};
    ScopedClock scopedClock{clock};
    QString subject = "alt";
    int fileReads = 0;
    AsynopSettingsModel model{settings, {subject, [this] {
                                             ++fileReads;
                                             return QString("SXSX");
                                         }}};
    Asynop() { settings.setProgramFolder("/daten/wetter"); }
};

}  // namespace

TEST(AsynopDialog, SubjectFollowsTheSenderAtOnce) {
    Asynop a;
    a.model.fill();
    EXPECT_EQ(a.model.subject(), "ASYNOP QQ9ZZ 07.12.26");
    EXPECT_EQ(a.subject, "ASYNOP QQ9ZZ 07.12.26");
    EXPECT_EQ(a.model.folder, "/daten/wetter");
    EXPECT_EQ(a.model.fileName, "asynoptmp.txt");
    EXPECT_EQ(a.model.workingFile, "SXSX");

    a.clock.set(QDateTime(QDate(2026, 12, 8), QTime(9, 0)));
    a.model.fill();  // the same sender: subject and date stay
    EXPECT_EQ(a.subject, "ASYNOP QQ9ZZ 07.12.26");
    a.model.setSender("DL1ABC");  // typing reaches the report even if the dialog is cancelled
    EXPECT_EQ(a.subject, "ASYNOP DL1ABC 08.12.26");
    EXPECT_EQ(a.settings.ASYNOPAbsender, "QQ9ZZ");
    EXPECT_EQ(a.fileReads, 2);
}

TEST(AsynopDialog, OkTakesEveryField) {
    Asynop a;
    a.model.fill();
    a.model.folder = "/srv/pr";
    a.model.fileName = "asynop.txt";
    a.model.setSender("DL1ABC");
    a.model.fourTimes = true;
    a.model.latitude = "523";
    a.model.longitude = "0134";
    a.model.quadrant = "3";
    a.model.weekFolders = true;
    EXPECT_FALSE(a.model.take());
    EXPECT_EQ(a.settings.ASYNOPDatei, "/srv/pr/asynop.txt");
    EXPECT_EQ(a.settings.ASYNOPAbsender, "DL1ABC");
    EXPECT_TRUE(a.settings.ASYNOPIntervall);
    EXPECT_EQ(a.settings.ASYNOPLat, "523");
    EXPECT_EQ(a.settings.ASYNOPLong, "0134");
    EXPECT_EQ(a.settings.ASYNOPErdquadrant, 3);
    EXPECT_TRUE(a.settings.ASYNOPWochenordner);
}

TEST(AsynopDialog, PositionFieldsMustBeTenthsOfADegree) {
    const struct {
        const char* latitude;
        const char* longitude;
        const char* quadrant;
        const char* badField;  // nullptr: taken
    } rows[] = {
        {"505", "080", "1", nullptr},
        {"900", "1800", "7", nullptr},
        {"5", "0", "5", nullptr},
        {"901", "0079", "1", "Latitude"},
        {"5055", "0079", "1", "Latitude"},
        {"50,5", "0079", "1", "Latitude"},
        {"", "0079", "1", "Latitude"},
        {"505", "1801", "1", "Longitude"},
        {"505", "00790", "1", "Longitude"},
        {"505", "-079", "1", "Longitude"},
        {"505", "0079", "x", "Erdquadrant"},
        {"505", "0079", "256", "Erdquadrant"},
    };
    for (const auto& row : rows) {
        Asynop a;
        a.model.fill();
        a.model.latitude = row.latitude;
        a.model.longitude = row.longitude;
        a.model.quadrant = row.quadrant;
        a.model.lineAbove = "neu";
        const auto problem = a.model.take();
        if (!row.badField) {
            EXPECT_FALSE(problem) << row.latitude << " " << row.longitude;
            continue;
        }
        ASSERT_TRUE(problem) << row.latitude << " " << row.longitude << " " << row.quadrant;
        EXPECT_EQ(problem->field, row.badField);
        EXPECT_TRUE(problem->message.endsWith("ist kein gültiger Integerwert"));
        EXPECT_EQ(a.settings.ASYNOPvor, "Wetterdaten WMR918");  // nothing taken
        EXPECT_EQ(a.settings.ASYNOPLat, "505");
    }
}
