#include "yards/TShipYardForm.h"

#include "mainwindow/MainFormStyle.h"
#include "mainwindow/PictureControls.h"
#include "shell/Environment.h"
#include "shell/ImageCollection.h"
#include "shell/MessageWindow.h"
#include "shell/ScreenFit.h"
#include "shell/StandardMessage.h"
#include "shell/WindowPlacement.h"
#include "yards/YardAssignment.h"
#include "yards/YardBuildMenu.h"
#include "yards/YardDeployment.h"
#include "yards/YardShipList.h"
#include "yards/YardTable.h"
#include "yards/YardTexts.h"

#include <QButtonGroup>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopeGuard>
#include <QTreeWidget>

namespace ms::gui {

using namespace mainform;

namespace {

constexpr int ClientWidth = 1104;
constexpr int ClientHeight = 742;
constexpr int PlaceWidth = 56;
constexpr int PlaceHeight = 55;
constexpr qreal MinNamePointSize = 5;

constexpr YardWindowRegion Regions[] = {
    {"TShipYardForm01", "Werftzuweisung Alte Welt", "AW", "Alte Welt", "ShipYardHelpPanel", false},
    {"TShipYardForm02", "Werftzuweisung Neue Welt", "NW", "Neue Welt", "Panel1", false},
    {"TShipYardForm03", "Werftzuweisung Dünenmark", "EN", "Enbesa", "Panel1", true},
};

enum Column { ImageColumn, ShipColumn, OnBuildColumn, YardPosColumn };

QString helpText(bool enbesa) {
    QStringList paragraphs{
        QStringLiteral(
            "Für den Bau der erstellten Schiffe sind neue Schiffswerften erforderlich. Mit den Buttons "
            "in der Mitte wählen Sie die jeweilige Werft der Region aus."),
        QStringLiteral(
            "Es werden links alle Schiffe angezeigt die Sie bauen können, neben den selbst erstellten "
            "auch alle Standardschiffe des Spiels."),
        QStringLiteral(
            "Mit einem Doppelklick wird das gewünschte Schiff in dieser Liste in die analog zum Spiel "
            "angezeigte Bauoptionsliste eingefügt. Ein weiterer doppelter Klick entfernt es wieder.")};
    if (enbesa) {
        paragraphs << QStringLiteral(
            "Wenn Sie die <Segelweberei Enbesa> benutzen wollen klicken Sie auf das Symbol "
            "neben dem Text. Erneutes Klicken entfernt die Segelmacherei wieder aus der "
            "Modsliste");
        paragraphs << QStringLiteral(
            "Sie können mit dem Schalter \"Werft umbenennen\" den Namen, der im Baumenü des "
            "Spiels angezeigt wird, ändern.");
    } else {
        paragraphs << QStringLiteral(
            "Sie können mit dem Schalter \"Werft umbenennen\" den Namen, der im Baumenü des "
            "Spiels angezeigt wird ändern.");
    }
    return paragraphs.join(QStringLiteral("\n\n"));
}

QPushButton* columnButton(QWidget* parent, const char* name, const QString& caption, int top) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(620, top, 230, 34);
    return button;
}

} // namespace

const YardWindowRegion& yardWindowRegion(int index) {
    return Regions[index];
}

TShipYardForm::TShipYardForm(const YardWindowRegion& region, YardWindowHost host, QWidget* parent)
    : QDialog(parent), m_region(region), m_host(std::move(host)) {
    setObjectName(QString::fromLatin1(region.formName));
    setWindowTitle(QString::fromUtf8(region.caption));
    // The window takes the main window's display font and colours.
    setAttribute(Qt::WA_WindowPropagation);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(ClientWidth, ClientHeight);
    fitToScreen(*this);
    setModal(true);
    buildControls();
}

void TShipYardForm::buildControls() {
    auto* background =
        pictureLabel(this, QStringLiteral("Background"), QRect(0, 0, ClientWidth, ClientHeight));
    background->setPixmap(
        ImageCollection::pixmap(QStringLiteral("YardBackground"), QSize(ClientWidth, ClientHeight)));
    background->lower();

    m_shipView = makeYardShipList(this, QStringLiteral("ShipView"), QRect(16, 56, 330, 670),
                                  {QStringLiteral("Image"), QStringLiteral("Ship"), QStringLiteral("OnBuild"),
                                   QStringLiteral("YardPos")});
    m_shipView->setColumnWidth(ShipColumn, 170);
    m_shipView->setColumnWidth(OnBuildColumn, 60);
    m_shipView->setColumnHidden(YardPosColumn, true); // the sort key: kept, never shown
    connect(m_shipView, &QTreeWidget::itemDoubleClicked, this,
            [this] { guarded([this] { ToggleYardShip(); }); });

    buildBuildMenu();
    buildColumn();
    buildHelpArea();
}

void TShipYardForm::buildBuildMenu() {
    m_headSail = pictureLabel(this, QStringLiteral("ShipYardHeadSail"), QRect(356, 56, 240, 64));
    showNamedPicture(m_headSail, QStringLiteral("ShipYardHeadSail"), QSize(240, 64));
    m_headSteam = pictureLabel(this, QStringLiteral("ShipYardHeadSteam"), QRect(356, 56, 240, 64));
    showNamedPicture(m_headSteam, QStringLiteral("ShipYardHeadSteam"), QSize(240, 64));
    // The name stands between the two emblems of the header; the display font, bold, in place of
    // the game's serif.
    for (QLabel** label : {&m_sailNameLabel, &m_steamNameLabel}) {
        *label = new QLabel(this);
        (*label)->setGeometry(356 + 56, 58, 128, 60);
        (*label)->setAlignment(Qt::AlignCenter);
        (*label)->setWordWrap(true);
        QFont bold = (*label)->font();
        bold.setBold(true);
        (*label)->setFont(bold);
        setTextColour(*label, Cream);
    }
    m_sailNameLabel->setObjectName(QStringLiteral("SailShipYardNameLabel"));
    m_steamNameLabel->setObjectName(QStringLiteral("SteamShipYardNameLabel"));

    m_menuPanel = new QWidget(this);
    m_menuPanel->setObjectName(QString::fromLatin1(m_region.menuPanelName));
    m_menuPanel->setGeometry(382, 132, 188, 350);
    auto* blank = pictureLabel(m_menuPanel, QStringLiteral("ShipYardBlank"), QRect(0, 0, 188, 350));
    showNamedPicture(blank, QStringLiteral("ShipYardBlank"), QSize(188, 350));
    for (int k = 0; k < MenuPlaces; ++k) {
        m_places[static_cast<size_t>(k)] = pictureLabel(
            m_menuPanel, QStringLiteral("ShipImage%1").arg(k),
            QRect(10 + (k % 3) * PlaceWidth, 10 + (k / 3) * PlaceHeight, PlaceWidth, PlaceHeight));
    }
}

void TShipYardForm::buildColumn() {
    auto* regionPicture = pictureLabel(this, QStringLiteral("Image1"), QRect(620, 56, 64, 64));
    showNamedPicture(regionPicture, QStringLiteral("Region") + QString::fromLatin1(m_region.region),
                     QSize(64, 64));
    auto* regionName = new QLabel(QString::fromUtf8(m_region.regionLabel), this);
    regionName->setObjectName(QStringLiteral("StaticText1"));
    regionName->setGeometry(696, 56, 154, 64);
    QFont large = regionName->font();
    large.setPointSizeF(large.pointSizeF() * 1.4);
    large.setBold(true);
    regionName->setFont(large);
    setTextColour(regionName, DarkRed);

    m_currentYard = pictureLabel(this, QStringLiteral("CurrentYard"), QRect(671, 136, 128, 128));

    m_showSailBtn = columnButton(this, "ShowSailShipsBtn", QStringLiteral("Segelschiffswerft"), 284);
    m_showSteamBtn = columnButton(this, "ShowSteamShipsBtn", QStringLiteral("Dampfschiffswerft"), 324);
    m_engineButtons = new QButtonGroup(this);
    m_engineButtons->setExclusive(true);
    for (QPushButton* b : {m_showSailBtn, m_showSteamBtn}) {
        b->setCheckable(true);
        m_engineButtons->addButton(b);
    }
    m_showSailBtn->setChecked(true);
    connect(m_showSailBtn, &QPushButton::clicked, this,
            [this] { guarded([this] { SwitchYardEngine(QStringLiteral("Sail")); }); });
    connect(m_showSteamBtn, &QPushButton::clicked, this,
            [this] { guarded([this] { SwitchYardEngine(QStringLiteral("Steam")); }); });

    auto* rename = columnButton(this, "RenameShipYardBtn", QStringLiteral("Werft umbenennen"), 384);
    connect(rename, &QPushButton::clicked, this, [this] { guarded([this] { RenameYard(); }); });
    auto* close = columnButton(this, "SaveBtn", QStringLiteral("Beenden"), 690);
    connect(close, &QPushButton::clicked, this, [this] { guarded([this] { SaveBtnClick(); }); });

    if (!m_region.factorySwitch)
        return;
    m_factoryState = pictureLabel(this, QStringLiteral("SailClothingEnbesaImage"), QRect(620, 452, 48, 48));
    m_factoryLabel = new QLabel(QStringLiteral("Segelmacherei Enbesa setzen"), this);
    m_factoryLabel->setObjectName(QStringLiteral("EnbesaSailClothingLabel"));
    m_factoryLabel->setGeometry(676, 452, 174, 48);
    m_factoryLabel->setWordWrap(true);
    m_factoryPicture = pictureLabel(this, QStringLiteral("EnbesaSailClothImage"), QRect(671, 516, 128, 128));
    showNamedPicture(m_factoryPicture, QStringLiteral("Segelweberei"), QSize(128, 128));
    for (QLabel* clickable : {m_factoryState, m_factoryLabel}) {
        clickable->setCursor(Qt::PointingHandCursor);
        clickable->installEventFilter(this);
    }
    PictureControls::join(m_factoryLabel);
    showFactoryState(ms::IsSailWeavingFactoryDeployed());
}

void TShipYardForm::buildHelpArea() {
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("HelpFrame"));
    frame->setGeometry(866, 48, 226, 680);
    frame->setFrameShape(QFrame::Box);
    setTextColour(frame, QColor(122, 35, 24));
    auto* header = new QLabel(QStringLiteral("Schiffswerften"), this);
    header->setObjectName(QStringLiteral("HelpHeaderLabel"));
    header->setGeometry(876, 58, 206, 28);
    QFont bold = header->font();
    bold.setBold(true);
    header->setFont(bold);
    setTextColour(header, QColor(122, 35, 24));
    m_helpLabel = new QLabel(this);
    m_helpLabel->setObjectName(QStringLiteral("HelpLabel"));
    m_helpLabel->setGeometry(876, 94, 206, 624);
    m_helpLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_helpLabel->setWordWrap(true);
    setTextColour(m_helpLabel, QColor(70, 57, 48));
}

template <typename Action> void TShipYardForm::guarded(Action&& action) {
    try {
        action();
    } catch (const std::exception& error) {
        StandardMessage::reportError(this, error);
    }
}

const ms::YardRow& TShipYardForm::shownYard() const {
    const ms::YardRow* row = ms::FindYard(m_region.region, m_engine.toStdString());
    return *row; // the region and the two engines are the table's own values
}

void TShipYardForm::open() {
    centreOverOwner(*this, availableAreaFor(*this));
    guarded([this] { activate(); });
    exec();
}

void TShipYardForm::activate() {
    m_helpLabel->setText(helpText(m_region.factorySwitch));
    const ms::YardNames names = ms::ReadYardNames(m_region.region);
    m_sailName = q(names.sail);
    m_steamName = q(names.steam);

    const std::optional<std::string> engine =
        m_host.shownShipEngine ? m_host.shownShipEngine() : std::nullopt;
    QString chosen = QStringLiteral("Sail");
    if (engine) {
        chosen = q(*engine);
        if (chosen != QLatin1String("Sail") && chosen != QLatin1String("Steam")) {
            showYardName(m_engine); // the names were read again
            return;                 // the window keeps what it showed
        }
    }
    SwitchYardEngine(chosen);
}

void TShipYardForm::showYardName(const QString& engine) {
    const bool sail = engine == QLatin1String("Sail");
    m_headSail->setVisible(sail);
    m_sailNameLabel->setVisible(sail);
    m_headSteam->setVisible(!sail);
    m_steamNameLabel->setVisible(!sail);
    showFittedName(m_sailNameLabel, m_sailName);
    showFittedName(m_steamNameLabel, m_steamName);
}

void TShipYardForm::showFittedName(QLabel* label, const QString& name) {
    // The label wraps at blanks; a word wider than the header cannot wrap and is drawn smaller
    // until it fits.
    QFont nameFont = label->parentWidget()->font();
    nameFont.setBold(true);
    qreal widest = 0;
    const auto measure = [&] {
        widest = 0;
        for (const QString& word : name.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            widest = std::max(widest, QFontMetricsF(nameFont).horizontalAdvance(word));
    };
    for (measure(); widest > label->width() - 4 && nameFont.pointSizeF() > MinNamePointSize; measure())
        nameFont.setPointSizeF(nameFont.pointSizeF() - 0.5);
    label->setFont(nameFont);
    label->setText(name);
}

void TShipYardForm::SwitchYardEngine(const QString& engine) {
    std::string problem;
    {
        setUpdatesEnabled(false);
        const auto redraw = qScopeGuard([this] { setUpdatesEnabled(true); });
        m_engine = engine;
        (engine == QLatin1String("Sail") ? m_showSailBtn : m_showSteamBtn)->setChecked(true);
        showYardName(engine);
        FillYardShipList();
        if (m_shipView->topLevelItemCount() > 0)
            m_shipView->setCurrentItem(m_shipView->topLevelItem(0));
        problem = ShowYardBuildMenu();
        showNamedPicture(m_currentYard,
                         engine == QLatin1String("Sail") ? QStringLiteral("Segelschiff128")
                                                         : QStringLiteral("Dampfschiff128"),
                         QSize(128, 128));
    }
    // An empty menu beside flagged ships would say nothing about the broken file behind it.
    if (!problem.empty())
        ms::ReportRebuildProblems(
            {ms::YardRebuildResult{&shownYard(), ms::YardRebuildOutcome::Refused, problem}}, messageSink());
}

void TShipYardForm::clearMenuPlaces() {
    for (QLabel* place : m_places) {
        place->clear();
        place->setToolTip(QString());
        place->setProperty(PictureNameProperty, QVariant());
    }
}

void TShipYardForm::FillYardShipList() {
    m_shipView->clear();
    clearMenuPlaces();
    const QIcon onBuild = ImageCollection::icon(QStringLiteral("OnBuild"));
    for (const ms::YardListRow& row : ms::YardShipRows(shownYard())) {
        QTreeWidgetItem* item = addYardShipRow(m_shipView, row);
        item->setText(OnBuildColumn, q(row.flag));
        if (row.flag == "*")
            item->setIcon(OnBuildColumn, onBuild);
        item->setText(YardPosColumn, q(row.yardPos));
    }
}

std::string TShipYardForm::ShowYardBuildMenu() {
    const ms::YardRow& yard = shownYard();
    ms::DeployYard(yard);
    clearMenuPlaces();
    std::string problem;
    const std::vector<ms::YardMenuPlace> menu = ms::ReadYardBuildMenu(yard, &problem);
    for (size_t i = 0; i < menu.size() && i < m_places.size(); ++i) {
        QLabel* place = m_places[i];
        const ms::YardMenuPlace& p = menu[i];
        place->setToolTip(q(p.name));
        place->setProperty("newShipPicture", p.newShipPicture);
        showNamedPicture(place, q(p.icon), QSize(PlaceWidth, PlaceWidth),
                         p.newShipPicture ? ImageCollection::Set::NewShips : ImageCollection::Set::Standard);
    }
    return problem;
}

void TShipYardForm::ToggleYardShip() {
    const QList<QTreeWidgetItem*> selected = m_shipView->selectedItems();
    if (selected.isEmpty())
        return;
    const std::string guid = selected.first()->data(ImageColumn, Qt::UserRole).toString().toStdString();
    const ms::YardRow& yard = shownYard();
    const ms::YardToggleResult result = ms::ToggleYardShip(yard, guid);
    if (result.outcome == ms::YardToggleOutcome::Refused) {
        messageSink().show(ms::YardLimitMessage(yard));
        activate(); // the window is prepared again once the message has closed
        return;
    }
    refreshAfterToggle();
    ms::ReportRebuildProblems({result.rebuild}, messageSink());
}

void TShipYardForm::refreshAfterToggle() {
    setUpdatesEnabled(false);
    const auto redraw = qScopeGuard([this] { setUpdatesEnabled(true); });
    FillYardShipList();
    ShowYardBuildMenu();
    m_shipView->clearSelection();
    m_shipView->setCurrentItem(nullptr);
}

void TShipYardForm::RenameYard() {
    const ms::YardNames names = ms::ReadYardNames(m_region.region);
    const bool sail = m_showSailBtn->isChecked();
    const ms::YardRow& target = *ms::FindYard(m_region.region, sail ? "Sail" : "Steam");
    const std::string current = sail ? names.sail : names.steam;

    ms::Message question;
    question.inputMode = true;
    question.picture = "Frage";
    question.header = current + " umbenennen";
    question.text = "Geben Sie den neuen Namen für die " + current + " ein.";
    question.proposal = current;
    question.okCaption = "Umbenennen";
    question.abortCaption = "Abbrechen";
    const ms::MessageAnswer answer = messageSink().show(question);
    activate(); // the window is prepared again once the message has closed
    if (!answer.confirmed)
        return;

    ms::RenameYard(target, answer.input);
    (sail ? m_sailName : m_steamName) = q(answer.input);
    showFittedName(sail ? m_sailNameLabel : m_steamNameLabel, q(answer.input));
}

void TShipYardForm::SailClothingEnbesaImageClick() {
    ms::ToggleSailWeavingFactory(); // the picture follows with the main window's next tick
}

void TShipYardForm::showFactoryState(bool deployed) {
    if (!m_factoryState || m_factoryShown == deployed)
        return;
    m_factoryShown = deployed;
    showNamedPicture(m_factoryState, deployed ? QStringLiteral("ja") : QStringLiteral("nein"), QSize(48, 48));
    m_factoryState->setAccessibleName(deployed ? QStringLiteral("Segelmacherei Enbesa: ja")
                                               : QStringLiteral("Segelmacherei Enbesa: nein"));
}

void TShipYardForm::SaveBtnClick() {
    if (m_host.showShip)
        m_host.showShip();
    accept();
}

bool TShipYardForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        (watched == m_factoryState || watched == m_factoryLabel) &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        guarded([this] { SailClothingEnbesaImageClick(); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace ms::gui
