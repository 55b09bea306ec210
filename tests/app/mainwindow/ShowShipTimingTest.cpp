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

#include "app/mainwindow/NewShipGuiFixture.h"
#include "lifecycle/ShipCreation.h"
#include "shell/MessageWindow.h"
#include "store/RecordStore.h"

namespace mstest {
namespace {

// The pools filled up (the delivered trigger pool has 96 free identifiers, so 21 templates and 96
// new ships): every new ship still shows its own GUID; the time of a ShowShip in the full list is
// printed for the record.
TEST_F(NewShipGuiTest, ShowShipWithTheFullPoolIsRecorded) {
    ms::gui::MessageWindow sink;
    ms::gui::MessageWindow::setNextAnswer({}); // for the exhausted pool's message
    const ms::NewShipFields fields{"100438", "Flotte", "15000001", "10"};
    int created = 0;
    while (ms::CreateNewShip(m_xmla, fields, sink))
        ++created;
    ms::ReloadShipDocuments(m_xmla);
    ASSERT_EQ(std::distance(ms::ShipIndexRoot().children("Ship").begin(),
                            ms::ShipIndexRoot().children("Ship").end()),
              21 + created);
    EXPECT_EQ(created, 96);
    find<QListWidget>("ShipTypeView")->setCurrentRow(3);
    QTreeWidget* view = find<QTreeWidget>("ShipView");
    ASSERT_EQ(view->topLevelItemCount(), created);
    std::vector<qint64> micros;
    for (int row = view->topLevelItemCount() - 1; row >= 0; row -= 5) {
        QElapsedTimer timer;
        timer.start();
        view->setCurrentItem(view->topLevelItem(row));
        micros.push_back(timer.nsecsElapsed() / 1000);
        EXPECT_EQ(m_form->currentShipGuid(), view->topLevelItem(row)->data(0, Qt::UserRole).toString());
    }
    std::sort(micros.begin(), micros.end());
    std::printf("ShowShip with 117 index entries: median %lld us, worst %lld us\n",
                static_cast<long long>(micros[micros.size() / 2]), static_cast<long long>(micros.back()));
}

} // namespace
} // namespace mstest
