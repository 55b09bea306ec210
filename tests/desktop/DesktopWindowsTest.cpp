#include "app/mainwindow/NewShipGuiFixture.h"

#include "mainwindow/TOrgDataForm.h"
#include "mainwindow/TProductForm.h"
#include "shell/ScreenFit.h"
#include "shell/TMessageForm.h"
#include "yards/TShortCutForm.h"

#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <functional>

namespace mstest {
namespace {

// The main window with its side windows and message window, shown on the X server with its
// window manager. Pointer and keys go through the X server (xdotool), so the window manager sees
// them as it sees a user's.
class DesktopWindowsTest : public NewShipGuiTest {
  protected:
    void SetUp() override {
        NewShipGuiTest::SetUp();
        m_picker = std::make_unique<ms::gui::TProductForm>(m_form.get());
        m_org = std::make_unique<ms::gui::TOrgDataForm>(m_form.get());
        m_form->setSideWindows(m_picker.get(), m_org.get());
        m_messages = std::make_unique<ms::gui::TMessageForm>(m_form.get());
        ms::gui::fitToScreen(*m_form);
        m_form->move(m_form->screen()->availableGeometry().topLeft());
        m_form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
    }
    void TearDown() override {
        m_messages.reset();
        m_picker.reset();
        m_org.reset();
        NewShipGuiTest::TearDown();
    }

    // A new ship from the schooner, with its cost panel in front.
    void createShip() {
        createSchoonerShip();
        click("CostImageBtn");
    }
    static void xdotool(const QStringList& arguments) {
        ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), arguments), 0)
            << arguments.join(u' ').toStdString();
    }
    // A real click at the centre of `widget`.
    static void clickOn(const QWidget* widget) {
        const QPoint at = widget->mapToGlobal(widget->rect().center()) * widget->devicePixelRatioF();
        xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                 QStringLiteral("click"), QStringLiteral("1")});
    }
    // A window property as xprop prints it ("_NET_FRAME_EXTENTS(CARDINAL) = 1, 1, 20, 1").
    static QString property(const QWidget* window, const char* name) {
        QProcess xprop;
        xprop.start(QStringLiteral("xprop"),
                    {QStringLiteral("-id"), QString::number(window->winId()), QString::fromLatin1(name)});
        xprop.waitForFinished();
        return QString::fromLocal8Bit(xprop.readAllStandardOutput()).trimmed();
    }
    // The four frame extents the window manager gives `window`: left, right, top, bottom.
    static QList<int> frameExtents(const QWidget* window) {
        QList<int> extents;
        const QString line = property(window, "_NET_FRAME_EXTENTS");
        for (const QString& part : line.section(u'=', 1).split(u','))
            extents << part.trimmed().toInt();
        return extents;
    }
    // Runs `check` once the modal window `opened()` returns is on the screen and active, while
    // `open` shows it modally; `check` must close it. A window that stays open is closed after a
    // while, so a failing check ends the test instead of hanging it.
    static void whileModal(const std::function<QWidget*()>& opened,
                           const std::function<void(QWidget*)>& check, const std::function<void()>& open) {
        QTimer poll;
        poll.setInterval(50);
        int ticks = 0;
        bool checked = false;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* window = opened();
            ++ticks;
            if (window && window->isVisible() && QApplication::activeWindow() == window && !checked) {
                checked = true;
                QTest::qWait(200);
                check(window);
            } else if (window && window->isVisible() && ticks > 100) {
                ADD_FAILURE() << "the window stayed open";
                window->close();
            }
        });
        poll.start();
        open();
        EXPECT_TRUE(checked) << "the window never became active";
    }

    std::unique_ptr<ms::gui::TProductForm> m_picker;
    std::unique_ptr<ms::gui::TOrgDataForm> m_org;
    std::unique_ptr<ms::gui::TMessageForm> m_messages;
};

// What the screen shows where `widget` lies, against the widget's own drawing: the share of
// pixels that differ.
double hiddenShare(QWidget* widget) {
    const QImage drawn = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect area(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    const QImage shown = widget->screen()
                             ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    if (shown.size() != drawn.size())
        return 1.0;
    qint64 differing = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            differing += drawn.pixel(x, y) != shown.pixel(x, y);
    return double(differing) / (drawn.width() * drawn.height());
}

TEST_F(DesktopWindowsTest, ThePickerStaysInSightAfterAClickIntoTheMainWindow) {
    createShip();
    click("ChangeCostImage3");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_picker.get()));
    QTest::qWait(300);
    clickOn(field("CostSpin0"));
    QTest::qWait(500);
    EXPECT_TRUE(m_picker->isVisible());
    EXPECT_LT(hiddenShare(m_picker.get()), 0.02) << "the picker went behind the main window";
}

TEST_F(DesktopWindowsTest, ATilesTooltipNamesItsProduct) {
    createShip();
    click("ChangeCostImage3");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_picker.get()));
    auto* tile = m_picker->findChild<QPushButton*>(QStringLiteral("GUID1010210"));
    ASSERT_NE(tile, nullptr);
    const QPoint at = tile->mapToGlobal(tile->rect().center()) * tile->devicePixelRatioF();
    for (int step : {0, 2})
        xdotool(
            {QStringLiteral("mousemove"), QString::number(at.x() + step), QString::number(at.y() + step)});
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 4000));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Segel"));
}

TEST_F(DesktopWindowsTest, TheOverviewHasNoCloseBoxAndBelongsToTheMainWindow) {
    QList<int> extents;
    QString transientFor;
    whileModal([this] { return static_cast<QWidget*>(m_form->shortCutForm()); },
               [&](QWidget* overview) {
                   extents = frameExtents(overview);
                   transientFor = property(overview, "WM_TRANSIENT_FOR");
                   overview->findChild<QPushButton*>(QStringLiteral("AbortShortCutBtn"))->click();
               },
               [this] { click("ShortCutBtn"); });
    // A close box sits on a title bar: a window without one has no frame edge wider than another.
    ASSERT_EQ(extents.size(), 4);
    EXPECT_EQ(extents[2], extents[0]) << "a title bar above the overview";
    EXPECT_TRUE(transientFor.endsWith(QStringLiteral("0x") + QString::number(m_form->winId(), 16)))
        << transientFor.toStdString();
}

TEST_F(DesktopWindowsTest, ReturnConfirmsTheDeleteQuestionAndEscapeCancelsIt) {
    createShip();
    const QString ship = m_form->currentShipGuid();
    for (const char* key : {"Escape", "Return"}) {
        whileModal([this] { return static_cast<QWidget*>(m_messages.get()); },
                   [&](QWidget*) {
                       xdotool({QStringLiteral("key"), QString::fromLatin1(key)});
                   },
                   [this] { click("DeleteBtn"); });
        const bool deleted = m_form->currentShipGuid() != ship; // the first template is shown then
        EXPECT_EQ(deleted, std::string(key) == "Return") << key;
    }
}

// Tab reaching a cost arrow, and the rest of the keyboard access, runs in this group too: ctest runs
// KeyboardAccessTest of the window tests under openbox (Desktop.KeyboardReachesEveryControl).

// Run on a 1280 x 760 screen: the main window with its frame fits, whole and at its own size.
TEST_F(DesktopWindowsTest, SmallScreenTheMainWindowFitsWithItsFrame) {
    const QRect available = m_form->screen()->availableGeometry();
    ASSERT_LT(available.height(), ms::gui::TMainForm::OuterHeight) << "meant for a small screen";
    QTest::qWait(300);
    const QList<int> extents = frameExtents(m_form.get());
    ASSERT_EQ(extents.size(), 4);
    const QRect outer = m_form->geometry().adjusted(-extents[0], -extents[2], extents[1], extents[3]);
    EXPECT_TRUE(available.contains(outer)) << outer.width() << "x" << outer.height();
    EXPECT_EQ(m_form->size(), QSize(ms::gui::TMainForm::ClientWidth, ms::gui::TMainForm::ClientHeight));
}

} // namespace
} // namespace mstest
