#include "app/mainwindow/MainFormFixture.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

namespace mstest {
namespace {

// Clicks through every template of the three template lists, as a user browsing does. Every ship
// must show its own GUID; the time of each ShowShip is recorded (not asserted: the machine is
// shared) and printed for the record.
TEST_F(MainFormTest, EveryTemplateShowsAndItsTimeIsRecorded) {
    std::vector<qint64> micros;
    QStringList shown;
    for (int category = 0; category < 3; ++category) {
        selectCategory(category);
        QTreeWidget* view = shipView();
        for (int row = 0; row < view->topLevelItemCount(); ++row) {
            QTreeWidgetItem* item = view->topLevelItem(row);
            const QString guid = item->data(0, Qt::UserRole).toString();
            QElapsedTimer timer;
            timer.start();
            if (row == 0) {
                view->clearSelection(); // the first row is selected already: show it again
                view->setCurrentItem(item);
            } else {
                view->setCurrentItem(item);
            }
            micros.push_back(timer.nsecsElapsed() / 1000);
            EXPECT_EQ(m_form->currentShipGuid(), guid);
            EXPECT_EQ(text("SelectedShipLabel"), QStringLiteral("GUID : ") + guid);
            shown << guid;
        }
    }
    shown.removeDuplicates();
    EXPECT_EQ(shown.size(), 21);
    std::sort(micros.begin(), micros.end());
    const qint64 median = micros[micros.size() / 2];
    const qint64 worst = micros.back();
    RecordProperty("ShowShipMedianMicroseconds", static_cast<int>(median));
    RecordProperty("ShowShipWorstMicroseconds", static_cast<int>(worst));
    std::printf("ShowShip over %zu templates: median %lld us, worst %lld us\n", micros.size(),
                static_cast<long long>(median), static_cast<long long>(worst));
}

} // namespace
} // namespace mstest
