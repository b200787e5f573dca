// The main window cannot be made so small that a label of a box or a status panel is cut, in the
// largest font the font dialog offers, and its least size follows a change of font.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTest>

#include "display/ui/columns_area.h"
#include "display/ui/form1.h"
#include "display/ui/value_box.h"
#include "support/qt_printers.h"

namespace {
// Every shown label of every box and every status panel that does not get the room it needs.
QStringList cutLabels(Form1& form) {
    QStringList cut;
    for (const auto& [number, box] : form.columns()->boxes()) {
        for (QLabel* l : box->findChildren<QLabel*>()) {
            if (!l->isVisibleTo(&form))
                continue;
            const QRect inBox(l->mapTo(box, QPoint(0, 0)), l->size());
            // Blanks that align a scale label do not need room.
            const int needed = l->fontMetrics().horizontalAdvance(l->text().trimmed());
            if (l->width() < needed || l->height() < l->fontMetrics().height() ||
                !box->rect().contains(inBox))
                cut << l->objectName();
        }
    }
    for (QLabel* panel : form.statusBar()->findChildren<QLabel*>())
        if (panel->width() < panel->sizeHint().width() ||
            panel->geometry().right() > form.statusBar()->width())
            cut << panel->objectName();
    return cut;
}

void settle() {
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}
}  // namespace

TEST(MainWindowMinimum, NoLabelIsCutInTheLargestFont) {
    Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.resize(1, 1);
    settle();
    EXPECT_EQ(cutLabels(form), QStringList());
    const QSize designFontMinimum = form.minimumSize();

    for (const auto& [number, box] : form.columns()->boxes()) {
        QFont f = box->font();
        f.setPointSize(72);
        f.setBold(true);
        box->setFont(f);
    }
    settle();
    form.resize(1, 1);
    settle();
    EXPECT_GT(form.width(), designFontMinimum.width());
    EXPECT_EQ(cutLabels(form), QStringList());

    // Back to the small font, the window may be small again.
    for (const auto& [number, box] : form.columns()->boxes())
        box->setFontSize(8);
    settle();
    EXPECT_EQ(form.minimumSize(), designFontMinimum);
}
