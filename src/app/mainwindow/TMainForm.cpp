#include "mainwindow/TMainForm.h"

#include "lifecycle/ModExport.h"
#include "lifecycle/NumberFieldSpec.h"
#include "lifecycle/ShipCreation.h"
#include "lifecycle/ShipEditing.h"
#include "lifecycle/ShipFormLoader.h"
#include "lifecycle/ShipSave.h"
#include "mainwindow/ActivationInputs.h"
#include "mainwindow/BasePanel.h"
#include "mainwindow/CostPanel.h"
#include "mainwindow/DetailPanel.h"
#include "mainwindow/ExpeditionPanel.h"
#include "mainwindow/FieldRow.h"
#include "mainwindow/FormBinding.h"
#include "mainwindow/NumberField.h"
#include "mainwindow/WeaponPanel.h"
#include "shell/ActivatedMods.h"
#include "shell/Environment.h"
#include "shell/HelpPosition.h"
#include "shell/ImageCollection.h"
#include "shell/MessageWindow.h"
#include "shell/ProcessList.h"
#include "shell/StandardMessage.h"
#include "store/RecordStore.h"
#include "store/ReferenceLists.h"
#include "store/SharedDocuments.h"
#include "store/ShipIndex.h"
#include "store/SortKey.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <exception>

namespace ms::gui {

namespace {

const QColor Beige(236, 210, 164);
const QColor DarkRed(128, 0, 0);
const QColor Cream(255, 251, 240);
const QColor TextBrown(65, 55, 40);

constexpr int HelpIntervalMs = 150;
constexpr double HelpPointSize = 9;
constexpr int GameWatchIntervalMs = 100;
constexpr int GameCheckEveryTicks = 10;
constexpr int ListPicture = 64;

// Data area: the panels lie at (8, 105) inside it.
constexpr int InfoLeft = 660;
constexpr int InfoTop = 40;
constexpr int InfoWidth = 346;
constexpr int InfoHeight = 648;

// Command column.
constexpr int CommandLeft = 1020;
constexpr int CommandWidth = 245;
constexpr int CommandHeight = 35;

const char* const GameExecutable = "Marvessa.exe";
const char* const HelpNumberProperty = "helpNumber";
const char* const HelpFixedProperty = "helpFixed";

// Texts the help area shows for elements without an entry in the help file.
struct FixedHelp {
    const char* key;
    const char* header;
    const char* text;
};
const FixedHelp FixedHelpTexts[] = {
    {"yardStatus", "Werftbaustatus",
     "Diese Elemente zeigen an, ob das aktuell gewählte Schiff in einer oder mehreren Werften als Bauoption "
     "gesetzt "
     "ist."},
    {"exported", "Aktivierungsstatus",
     "Dieses Elemente zeigt an, ob das aktuell gewählte Schiff aktiviert ist. Die gilt natrülich nur für "
     "selbst "
     "erstellte Schiffe."},
    {"yardSelection", "Einzelwerften",
     "Sie können alle Schiffe auf eine in der jeweiligen Spielregion liegende Werft zuweisen, seien es "
     "Standardschiffe oder neue Schiffe.\rOder natürlich auch auf alle Werften.\r"},
    {"shortCut", "Übersicht",
     " Dieser Button öffnet eine Gesamtübersicht aller Werften und die dort gesetzten Schiffe sowie eine "
     "Kurzinfo über "
     "die eingestellten Werte."},
    {"yardAssignment", "Werftzuweisung",
     "Ein aktiviertes Schiff muss einen Platz in der Bauoptionsliste einer Werft erhalten. Dies kann in der "
     "alten "
     "Welt, der neuen Welt und im Dünenmark geschehen.\r\rEin Schiff, das Sie keiner Werft als Bauoption "
     "zuweisen, "
     "kann auch nicht gebaut werden."},
};

const char* const CategoryQueries[] = {ms::kCategorySail, ms::kCategorySteam, ms::kCategoryExtra,
                                       ms::kCategoryNew};

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// Line breaks of the help file and the fixed texts are carriage returns.
QString withLineBreaks(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QPushButton* commandButton(QWidget* parent, const QString& name, const QString& caption, int top) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(CommandLeft, top, CommandWidth, CommandHeight);
    return button;
}

QLabel* pictureLabel(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void setBackground(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    widget->setPalette(pal);
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colour);
    widget->setPalette(pal);
}

} // namespace

TMainForm::TMainForm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Marvessa Spantora"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(ClientWidth, ClientHeight);
    setBackground(this, Beige);
    setTextColour(this, TextBrown);

    buildWindow();
    m_binding = std::make_unique<FormBinding>(this);
    keepDisabledLook();
    installHelpTracking();

    m_helpCallTimer = new QTimer(this);
    m_helpCallTimer->setObjectName(QStringLiteral("HelpCallTimer"));
    m_helpCallTimer->setInterval(HelpIntervalMs);
    connect(m_helpCallTimer, &QTimer::timeout, this,
            [this] { showHelpAtPosition(mapFromGlobal(QCursor::pos())); });
    m_helpCallTimer->start();

    m_isVisibleTimer = new QTimer(this);
    m_isVisibleTimer->setObjectName(QStringLiteral("IsVisibleTimer"));
    m_isVisibleTimer->setInterval(GameWatchIntervalMs);
    connect(m_isVisibleTimer, &QTimer::timeout, this, [this] { guarded([this] { IsVisibleTimerTimer(); }); });
}

TMainForm::~TMainForm() = default;

// ---------------------------------------------------------------------------------------------
// Building the window

void TMainForm::buildWindow() {
    m_background = pictureLabel(this, QStringLiteral("Background"), QRect(0, 0, ClientWidth, ClientHeight));
    m_background->setPixmap(
        ImageCollection::pixmap(QStringLiteral("MainBackground"), QSize(ClientWidth, ClientHeight)));
    setHelpNumber(m_background, QStringLiteral("0"));

    // Categories.
    auto* typeLabel = new QLabel(QStringLiteral("Schiffstypen"), this);
    typeLabel->setObjectName(QStringLiteral("ShipTypeViewLabel"));
    typeLabel->setGeometry(16, 12, 180, 24);
    m_shipTypeView = new QListWidget(this);
    m_shipTypeView->setObjectName(QStringLiteral("ShipTypeView"));
    m_shipTypeView->setGeometry(16, 40, 180, 4 * 74 + 6);
    m_shipTypeView->setIconSize(QSize(ListPicture, ListPicture));
    m_shipTypeView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_shipTypeView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_shipTypeView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_shipTypeView->setSpacing(1);
    setHelpNumber(m_shipTypeView, QStringLiteral("200"));
    const char* const categoryPictures[] = {"ShipTypeSail", "ShipTypeSteam", "ShipTypeExtra", "ShipTypeNew"};
    const char* const categoryNames[] = {"Segelschiffe", "Dampfschiffe", "Extraschiffe", "Erstellte Schiffe"};
    for (int i = 0; i < 4; ++i) {
        auto* item = new QListWidgetItem(ImageCollection::icon(QString::fromLatin1(categoryPictures[i])),
                                         QString::fromUtf8(categoryNames[i]), m_shipTypeView);
        item->setSizeHint(QSize(170, 72));
    }
    m_shipTypeView->viewport()->installEventFilter(this);
    connect(m_shipTypeView, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_filling)
            guarded([this] { ShipTypeViewClick(); });
    });

    // Ships of the category.
    m_shipViewLabel = new QLabel(QStringLiteral("Schiffsvorlagen"), this);
    m_shipViewLabel->setObjectName(QStringLiteral("ShipViewLabel"));
    m_shipViewLabel->setGeometry(208, 12, 236, 24);
    m_shipView = new QTreeWidget(this);
    m_shipView->setObjectName(QStringLiteral("ShipView"));
    m_shipView->setGeometry(208, 40, 236, 616);
    m_shipView->setColumnCount(3);
    m_shipView->setHeaderHidden(true);
    m_shipView->setRootIsDecorated(false);
    m_shipView->setIndentation(0);
    m_shipView->setIconSize(QSize(ListPicture, ListPicture));
    m_shipView->setColumnWidth(0, 64 + 8);
    m_shipView->setColumnWidth(1, 140);
    m_shipView->setColumnHidden(2, true); // the sort key: kept, never shown
    m_shipView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_shipView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_shipView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_shipView->setSortingEnabled(false);
    m_shipView->setWordWrap(true);
    setHelpNumber(m_shipView, QStringLiteral("201"));
    m_shipView->viewport()->installEventFilter(this);
    connect(m_shipView, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!m_filling)
            guarded([this] { ShipViewClick(); });
    });

    m_newShipBtn = new QPushButton(QStringLiteral("Neues Schiff erstellen"), this);
    m_newShipBtn->setObjectName(QStringLiteral("NewShipBtn"));
    m_newShipBtn->setGeometry(208, 664, 236, 36);
    setHelpNumber(m_newShipBtn, QStringLiteral("203"));
    connect(m_newShipBtn, &QPushButton::clicked, this, [this] { guarded([this] { NewShipBtnClick(); }); });

    // The shown ship: picture and state.
    m_shipImageBack = pictureLabel(this, QStringLiteral("ShipImageBack"), QRect(456, 40, 190, 190));
    m_shipImageBack->setFrameShape(QFrame::Box);
    setBackground(m_shipImageBack, QColor(246, 232, 204));
    m_shipImage = pictureLabel(this, QStringLiteral("ShipImage"), QRect(476, 60, 150, 150));
    m_sternImage = pictureLabel(this, QStringLiteral("SternImage"), QRect(608, 44, 34, 34));
    m_sternImage->setPixmap(ImageCollection::pixmap(QStringLiteral("Stern"), QSize(34, 34)));
    m_sternImage->hide();
    auto* selected = new QLabel(this);
    selected->setObjectName(QStringLiteral("SelectedShipLabel"));
    selected->setGeometry(456, 234, 190, 24);
    selected->setAlignment(Qt::AlignCenter);
    m_shipIconImage = pictureLabel(this, QStringLiteral("ShipIconImage"), QRect(487, 266, 128, 128));
    auto* iconLabel = new QLabel(this);
    iconLabel->setObjectName(QStringLiteral("ShipIconLabel"));
    iconLabel->setGeometry(456, 396, 190, 22);
    iconLabel->setAlignment(Qt::AlignCenter);
    QFont small = iconLabel->font();
    small.setPointSize(8);
    iconLabel->setFont(small);

    m_exportedImage = pictureLabel(this, QStringLiteral("ExportedImage"), QRect(456, 432, 40, 40));
    m_exportedImage->setPixmap(ImageCollection::pixmap(QStringLiteral("Exported"), QSize(36, 36)));
    m_exportedLabel = new QLabel(QStringLiteral("Schiff ist aktiviert"), this);
    m_exportedLabel->setObjectName(QStringLiteral("ExportedLabel"));
    m_exportedLabel->setGeometry(502, 432, 144, 40);
    for (QWidget* w : {static_cast<QWidget*>(m_exportedImage), static_cast<QWidget*>(m_exportedLabel)}) {
        w->setProperty(HelpFixedProperty, QStringLiteral("exported"));
        w->hide();
    }

    auto* yardImage = pictureLabel(this, QStringLiteral("InShipYardImage"), QRect(456, 482, 40, 40));
    yardImage->setPixmap(ImageCollection::pixmap(QStringLiteral("Segelschiff128"), QSize(36, 36)));
    auto* yardLabel = new QLabel(QStringLiteral("In der Werftbauliste"), this);
    yardLabel->setObjectName(QStringLiteral("InShipYardLabel"));
    yardLabel->setGeometry(502, 482, 144, 40);
    m_yardIndicators = {yardImage, yardLabel,
                        pictureLabel(this, QStringLiteral("InAWShipYard"), QRect(462, 530, 52, 52)),
                        pictureLabel(this, QStringLiteral("InNWShipYard"), QRect(525, 530, 52, 52)),
                        pictureLabel(this, QStringLiteral("InENShipYard"), QRect(588, 530, 52, 52))};
    for (QLabel* w : m_yardIndicators) {
        w->setProperty(HelpFixedProperty, QStringLiteral("yardStatus"));
        w->hide();
    }

    buildDataArea();
    buildCommandColumn();
    buildHelpArea();

    // Bottom row.
    auto* version = new QLabel(this);
    version->setObjectName(QStringLiteral("Version"));
    version->setGeometry(16, 716, 180, 24);
    m_marvessaLabel = new QLabel(
        QStringLiteral(
            "Das Spiel ist aktiv. Änderungen an den Modifikationen zeigen erst Wirkung nach einem erneuten "
            "Spielstart."),
        this);
    m_marvessaLabel->setObjectName(QStringLiteral("MarvessaLabel"));
    m_marvessaLabel->setGeometry(208, 704, 438, 46);
    m_marvessaLabel->setWordWrap(true);
    setTextColour(m_marvessaLabel, DarkRed);
    m_marvessaLabel->hide();

    auto* shortCut = new QPushButton(QStringLiteral("Werftübersicht"), this);
    shortCut->setObjectName(QStringLiteral("ShortCutBtn"));
    shortCut->setGeometry(InfoLeft, 704, 200, 36);
    shortCut->setProperty(HelpFixedProperty, QStringLiteral("shortCut"));
    connect(shortCut, &QPushButton::clicked, this, [this] { guarded([this] { ShortCutBtnClick(); }); });

    auto* close = new QPushButton(QStringLiteral("Beenden"), this);
    close->setObjectName(QStringLiteral("CloseBtn"));
    close->setGeometry(CommandLeft, 712, CommandWidth, 36);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    // Holds the activated mod folders; placed outside the client area, never seen.
    m_fileBoxActivated = new QListWidget(this);
    m_fileBoxActivated->setObjectName(QStringLiteral("FileBoxActivated"));
    m_fileBoxActivated->setGeometry(ClientWidth + 50, 0, 200, 100);
    m_fileBoxActivated->setFocusPolicy(Qt::NoFocus);
}

void TMainForm::buildDataArea() {
    auto* heading = new QLabel(QStringLiteral("Schiffsdaten"), this);
    heading->setObjectName(QStringLiteral("InfoMainPanelLabel"));
    heading->setGeometry(InfoLeft, 12, InfoWidth, 24);

    m_infoMainPanel = new QFrame(this);
    m_infoMainPanel->setObjectName(QStringLiteral("InfoMainPanel"));
    m_infoMainPanel->setGeometry(InfoLeft, InfoTop, InfoWidth, InfoHeight);
    setHelpNumber(m_infoMainPanel, QStringLiteral("202"));

    m_shipName = new QLabel(m_infoMainPanel);
    m_shipName->setObjectName(QStringLiteral("ShipName"));
    m_shipName->setGeometry(8, 6, 250, 28);
    QFont nameFont = m_shipName->font();
    nameFont.setBold(true);
    nameFont.setPointSize(nameFont.pointSize() + 3);
    m_shipName->setFont(nameFont);
    setHelpNumber(m_shipName, QStringLiteral("202"));
    m_vorlageLabel = new QLabel(QStringLiteral("Vorlage"), m_infoMainPanel);
    m_vorlageLabel->setObjectName(QStringLiteral("BaseDataVorlageLabel"));
    m_vorlageLabel->setGeometry(258, 6, 80, 28);
    m_vorlageLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setHelpNumber(m_vorlageLabel, QStringLiteral("202"));
    auto* guidInfo = new QLabel(m_infoMainPanel);
    guidInfo->setObjectName(QStringLiteral("BaseDataGUIDInfo"));
    guidInfo->hide();

    struct ButtonSpec {
        const char* name;
        const char* picture;
        QRect geometry;
        const char* help;
    };
    const ButtonSpec buttons[] = {
        {"BaseImageBtn", "Base", QRect(8, 38, 165, 28), "300"},
        {"CostImageBtn", "Cost", QRect(173, 38, 165, 28), "301"},
        {"WeaponImageBtn", "Weapon", QRect(8, 71, 107, 28), "304"},
        {"DetailImageBtn", "Detail", QRect(119, 71, 107, 28), "303"},
        {"ExpeditionImageBtn", "Expedition", QRect(231, 71, 107, 28), "302"},
    };
    const Panel order[] = {BasePanelIndex, CostPanelIndex, WeaponPanelIndex, DetailPanelIndex,
                           ExpeditionPanelIndex};
    for (int i = 0; i < 5; ++i) {
        auto* button = new QPushButton(m_infoMainPanel);
        button->setObjectName(QString::fromLatin1(buttons[i].name));
        button->setGeometry(buttons[i].geometry);
        button->setFlat(true);
        button->setIconSize(buttons[i].geometry.size());
        button->setProperty("pictureBase", QString::fromLatin1(buttons[i].picture));
        button->setFocusPolicy(Qt::NoFocus);
        button->setStyleSheet(QStringLiteral("QPushButton { border: none; padding: 0; }"));
        setHelpNumber(button, QString::fromLatin1(buttons[i].help));
        const Panel panel = order[i];
        connect(button, &QPushButton::clicked, this,
                [this, panel] { guarded([this, panel] { PanelBtnClick(panel); }); });
        m_panelButtons[static_cast<size_t>(panel)] = button;
    }

    m_basePanel = new BasePanel(m_infoMainPanel);
    m_costPanel = new CostPanel(m_infoMainPanel);
    m_weaponPanel = new WeaponPanel(m_infoMainPanel);
    m_detailPanel = new DetailPanel(m_infoMainPanel);
    m_expeditionPanel = new ExpeditionPanel(m_infoMainPanel);
    m_panels = {m_basePanel, m_costPanel, m_weaponPanel, m_detailPanel, m_expeditionPanel};
    for (DataPanel* panel : m_panels)
        panel->move(8, 105);

    for (DataPanel* panel : m_panels)
        for (NumberField* field : panel->numberFields()) {
            const QString name = field->objectName();
            field->setDecimalIsPoint(ms::env().decimalIsPoint);
            connect(field, &NumberField::shownTextChanged, this,
                    [this, name](const QString& text) { guarded([&] { numberFieldChanged(name, text); }); });
        }
    connect(m_weaponPanel->projectileBox(), &QComboBox::currentIndexChanged, this,
            [this](int index) { m_form.set("WeaponProjectileTypeCombo", std::to_string(index)); });
    // Only the user's choice is an edit; the fills set the list without one.
    connect(m_weaponPanel->projectileBox(), &QComboBox::activated, this,
            [this](int index) { guarded([this, index] { WeaponProjectileTypeComboClick(index); }); });
    connect(m_weaponPanel->armButton(), &QPushButton::clicked, this,
            [this] { guarded([this] { SetWeaponPanelClick(); }); });
    connect(m_basePanel, &BasePanel::workforceClicked, this,
            [this](const QString& guid) { guarded([this, &guid] { SetPicClick(guid); }); });

    m_noPanel = new QLabel(QStringLiteral("Keine Daten verfügbar"), this);
    m_noPanel->setObjectName(QStringLiteral("NoPanel"));
    m_noPanel->setGeometry(InfoLeft, InfoTop, InfoWidth, InfoHeight);
    m_noPanel->setAlignment(Qt::AlignCenter);
    m_noPanel->setFrameShape(QFrame::Box);
    setBackground(m_noPanel, Beige);
    QFont noFont = m_noPanel->font();
    noFont.setPointSize(noFont.pointSize() + 4);
    noFont.setBold(true);
    m_noPanel->setFont(noFont);
    m_noPanel->hide();

    clearPanelMarkers();
}

void TMainForm::buildCommandColumn() {
    m_saveBtn = commandButton(this, QStringLiteral("SaveBtn"), QStringLiteral("Speichern"), 50);
    m_createModBtn =
        commandButton(this, QStringLiteral("CreateModBtn"), QStringLiteral("Schiff aktivieren"), 91);
    m_shipYardBuildMenuBtn =
        commandButton(this, QStringLiteral("ShipYardBuildMenuBtn"), QStringLiteral("Werftzuweisung"), 148);
    m_deactivateBtn =
        commandButton(this, QStringLiteral("DeactivateBtn"), QStringLiteral("Schiff deaktivieren"), 201);
    m_deleteBtn = commandButton(this, QStringLiteral("DeleteBtn"), QStringLiteral("Schiff löschen"), 258);
    connect(m_saveBtn, &QPushButton::clicked, this, [this] { guarded([this] { SaveBtnClick(); }); });
    connect(m_createModBtn, &QPushButton::clicked, this,
            [this] { guarded([this] { CreateModBtnClick(); }); });
    connect(m_shipYardBuildMenuBtn, &QPushButton::clicked, this,
            [this] { guarded([this] { ShipYardBuildMenuBtnkClick(); }); });
    connect(m_deactivateBtn, &QPushButton::clicked, this,
            [this] { guarded([this] { DeactivateBtnClick(); }); });
    connect(m_deleteBtn, &QPushButton::clicked, this, [this] { guarded([this] { DeleteBtnClick(); }); });

    int i = 0;
    for (int top : {132, 186, 241}) {
        auto* separator = pictureLabel(this, QStringLiteral("Separator%1").arg(++i),
                                       QRect(CommandLeft, top, CommandWidth, 6));
        separator->setPixmap(ImageCollection::pixmap(QStringLiteral("Separator"), QSize(CommandWidth, 6)));
    }

    m_yardSelectionPanel = new QFrame(this);
    m_yardSelectionPanel->setObjectName(QStringLiteral("YardSelectionPanel"));
    m_yardSelectionPanel->setGeometry(CommandLeft, 48, 246, 142);
    setBackground(m_yardSelectionPanel, DarkRed);
    m_yardSelectionPanel->setProperty(HelpFixedProperty, QStringLiteral("yardSelection"));
    struct YardButton {
        const char* name;
        const char* caption;
        const char* picture;
    };
    const YardButton yardButtons[] = {
        {"YardSelectionAWBtn", "Alte Welt Werften", "RegionAW"},
        {"YardSelectionNWBtn", "Neue Welt Werften", "RegionNW"},
        {"YardSelectionEnbesaBtn", "Enbesa Werften", "RegionEN"},
        {"YardSelectionAbort", "Schliessen", nullptr},
    };
    int top = 4;
    for (const YardButton& b : yardButtons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), m_yardSelectionPanel);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setGeometry(6, top, 234, 31);
        if (b.picture) {
            button->setIcon(ImageCollection::icon(QString::fromLatin1(b.picture)));
            button->setIconSize(QSize(24, 24));
        }
        button->setProperty(HelpFixedProperty, QStringLiteral("yardSelection"));
        top += 34;
    }
    connect(m_yardSelectionPanel->findChild<QPushButton*>(QStringLiteral("YardSelectionAbort")),
            &QPushButton::clicked, this, [this] { YardSelectionAbortClick(); });
    m_yardSelectionPanel->hide();
}

void TMainForm::buildHelpArea() {
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("HelpShape"));
    frame->setGeometry(CommandLeft, 300, CommandWidth, 403);
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(2);
    setBackground(frame, QColor(233, 203, 148));
    setTextColour(frame, QColor(122, 35, 24));

    QFont font(QStringLiteral("Segoe UI Semilight"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(HelpPointSize);
    font.setBold(true);
    font.setItalic(true);
    const auto helpLabel = [&](const QString& name, const QString& placeholder, const QRect& geometry) {
        auto* label = new QLabel(placeholder, this);
        label->setObjectName(name);
        label->setGeometry(geometry);
        label->setFont(font);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setBackground(label, QColor(233, 203, 148));
        setTextColour(label, QColor(70, 57, 48));
        return label;
    };
    m_helpHeaderLabel =
        helpLabel(QStringLiteral("HelpHeaderLabel"), QStringLiteral("HelpHeader"), QRect(1027, 310, 230, 21));
    m_helpLabel =
        helpLabel(QStringLiteral("HelpLabel"), QStringLiteral("HelpLabel"), QRect(1027, 333, 230, 360));
}

void TMainForm::keepDisabledLook() {
    // The display font comes with one text colour for every state; a disabled command must still
    // look disabled, so the controls keep their own disabled colour.
    const QColor disabledText(150, 138, 120);
    for (QWidget* child : findChildren<QWidget*>()) {
        if (!qobject_cast<QAbstractButton*>(child) && !qobject_cast<QAbstractItemView*>(child))
            continue;
        QPalette pal = child->palette();
        for (QPalette::ColorRole role : {QPalette::ButtonText, QPalette::WindowText, QPalette::Text})
            pal.setColor(QPalette::Disabled, role, disabledText);
        child->setPalette(pal);
    }
}

void TMainForm::installHelpTracking() {
    // Hover help needs mouse movement over every element, not only while a button is held.
    setMouseTracking(true);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->setMouseTracking(true);
        child->installEventFilter(this);
    }
}

// ---------------------------------------------------------------------------------------------
// Start-up steps

void TMainForm::fillProjectileTypes() {
    QComboBox* box = m_weaponPanel->projectileBox();
    box->clear();
    for (const std::string& name : ms::ProjectileNames())
        box->addItem(q(name));
}

void TMainForm::selectFirstCategory() {
    m_filling = true;
    m_shipTypeView->setCurrentRow(0);
    m_filling = false;
    guarded([this] { ShipTypeViewClick(); });
}

void TMainForm::clearPanelMarkers() {
    for (QWidget* marker : findChildren<QLabel*>())
        if (marker->property("changeMarker").toBool())
            marker->hide();
    for (QPushButton* button : m_panelButtons) {
        if (!button)
            continue;
        const QString picture = button->property("pictureBase").toString() + QLatin1Char('2');
        button->setIcon(QIcon(ImageCollection::pixmap(picture, button->iconSize())));
        button->setProperty("pictureName", picture);
    }
}

void TMainForm::startGameWatchTimer() {
    m_isVisibleTimer->start();
}

// ---------------------------------------------------------------------------------------------
// Browsing

TMainForm::Category TMainForm::selectedCategory() const {
    const QList<QListWidgetItem*> selected = m_shipTypeView->selectedItems();
    if (selected.isEmpty())
        return NoCategory;
    return static_cast<Category>(m_shipTypeView->row(selected.first()));
}

void TMainForm::ShipTypeViewClick() {
    setUpdatesEnabled(false);
    const auto restore = qScopeGuard([this] { setUpdatesEnabled(true); });

    if (selectedCategory() != NewShipsCategory) {
        m_shipViewLabel->setText(QStringLiteral("Schiffsvorlagen"));
        LockEditing();
        setModeColours(false);
        setShipCommandsEnabled(false, false, false, false, false);
        m_costPanel->show();
        setPanelButtonsEnabled(true, true);
        showNoPanel(false);
        m_basePanel->setCaptions(false);
        ShipListFill();
        m_filling = true;
        if (m_shipView->topLevelItemCount() > 0)
            m_shipView->setCurrentItem(m_shipView->topLevelItem(0));
        m_filling = false;
        ShipViewClick();
        if (m_shipView->topLevelItemCount() > 0)
            m_currentShipGuid = m_shipView->topLevelItem(0)->data(0, Qt::UserRole).toString();
        return;
    }

    m_shipViewLabel->setText(QStringLiteral("Neue Schiffe"));
    if (ms::CountNewShips(ms::ShipIndexRoot()) == 0) {
        m_vorlageLabel->hide();
        m_filling = true;
        m_shipView->clear();
        m_filling = false;
        m_currentShipGuid.clear();
        findChild<QLabel*>(QStringLiteral("SelectedShipLabel"))->clear();
        showNoShip();
        m_noPanel->setText(QStringLiteral("Kein Schiff in der Liste"));
        setShipCommandsEnabled(false, false, false, false, false);
        m_costPanel->hide();
        setPanelButtonsEnabled(true, false);
        showNoPanel(true);
        return;
    }
    m_basePanel->setCaptions(true);
    setModeColours(true);
    setShipCommandsEnabled(true, true, true, m_createModBtn->isEnabled(), true);
    m_newShipBtn->setEnabled(true);
    m_costPanel->show();
    setPanelButtonsEnabled(true, true);
    showNoPanel(false);
    UnlockEditing();
    ShipListFill();
    m_filling = true;
    if (m_shipView->topLevelItemCount() > 0)
        m_shipView->setCurrentItem(m_shipView->topLevelItem(0));
    m_filling = false;
    if (m_shipView->topLevelItemCount() > 0)
        m_currentShipGuid = m_shipView->topLevelItem(0)->data(0, Qt::UserRole).toString();
    ShowShip();
}

void TMainForm::ShipListFill() {
    m_filling = true;
    const auto done = qScopeGuard([this] { m_filling = false; });
    m_shipView->clear();

    const Category category = selectedCategory();
    const std::string typ = category == NoCategory ? std::string() : std::string(CategoryQueries[category]);
    std::vector<pugi::xml_node> nodes = ms::SelectShips(ms::ShipIndexRoot(), typ);
    ms::SetCurrentShipNodes(nodes);
    if (nodes.empty())
        return;

    struct Row {
        QString guid;
        QStringList subItems; // Name, Pos
        QString picture;
    };
    std::vector<Row> rows;
    rows.reserve(nodes.size());
    for (const pugi::xml_node& node : nodes)
        rows.push_back({q(ms::ShipValue(node, ms::kShipGuid)),
                        {q(ms::ShipValue(node, ms::kShipName)), q(ms::ShipValue(node, ms::kShipPos))},
                        q(ms::ShipPictureName(node))});

    m_sortColumn = 1;
    const int column = m_sortColumn;
    std::stable_sort(rows.begin(), rows.end(), [column](const Row& a, const Row& b) {
        return ms::CompareSortKeys(a.subItems.value(column).toStdString(),
                                   b.subItems.value(column).toStdString()) < 0;
    });

    for (const Row& row : rows) {
        auto* item = new QTreeWidgetItem(m_shipView);
        item->setData(0, Qt::UserRole, row.guid); // the row's caption: how the program knows the ship
        item->setData(0, Qt::UserRole + 1, row.picture);
        item->setIcon(0, QIcon(ImageCollection::pixmap(row.picture, QSize(ListPicture, ListPicture))));
        item->setText(1, row.subItems.value(0));
        item->setText(2, row.subItems.value(1));
        item->setSizeHint(0, QSize(ListPicture + 8, ListPicture + 4));
    }
}

void TMainForm::ShipViewClick() {
    hideYardSelectionPanel();
    if (m_shipView->selectedItems().isEmpty()) {
        showNoShip();
        m_shipName->setText(QStringLiteral("Keine Schiff ausgewählt"));
        setShipCommandsEnabled(false, false, false, false, false);
        m_costPanel->hide();
        setPanelButtonsEnabled(m_panelButtons[BasePanelIndex]->isEnabled(), false);
        showNoPanel(true);
        return;
    }
    ShowShip();
}

void TMainForm::ShowShip() {
    // Another Part may ask for the ship while the list has no selection: start from the first
    // category, whose selection shows its first ship.
    if (m_shipView->selectedItems().isEmpty()) {
        if (m_showDepth > 0)
            return;
        ++m_showDepth;
        const auto leave = qScopeGuard([this] { --m_showDepth; });
        selectFirstCategory();
        return;
    }

    setUpdatesEnabled(false);
    const auto restore = qScopeGuard([this] { setUpdatesEnabled(true); });

    setPanelButtonsEnabled(true, true);
    m_shipYardBuildMenuBtn->setEnabled(true);
    ms::ReloadShipDocuments(ms::env().xmlaDir);

    const bool newShips = selectedCategory() == NewShipsCategory;
    m_saveBtn->setEnabled(newShips);
    m_deleteBtn->setEnabled(newShips);
    m_createModBtn->setEnabled(newShips);
    m_newShipBtn->setEnabled(!newShips);
    m_vorlageLabel->setVisible(!newShips);

    const QString guid = m_shipView->selectedItems().first()->data(0, Qt::UserRole).toString();
    m_currentShipGuid = guid;
    const bool decimalIsPoint = ms::env().decimalIsPoint;
    for (DataPanel* panel : m_panels)
        for (NumberField* field : panel->numberFields())
            field->setDecimalIsPoint(decimalIsPoint);

    ms::ShipForm form = ms::LoadShipForm(guid.toStdString(), decimalIsPoint);
    const ms::ShipContext& c = form.context;
    m_detailPanel->showPropulsion(q(c.engine));
    m_form = form;
    m_templateValues = ms::CollectTemplateValues(guid.toStdString(), decimalIsPoint);
    {
        m_showingForm = true;
        const auto shown = qScopeGuard([this] { m_showingForm = false; });
        m_binding->show(form);
    }
    showShipPicture(q(c.icon), 120);
    m_shipIconImage->setPixmap(ImageCollection::pixmap(q(c.icon), QSize(128, 128)));
    m_basePanel->showWorkforceFrame(q(form.text("WorkForceGUID")));

    for (DataPanel* panel : m_panels)
        panel->show();
    for (QPushButton* button : m_panelButtons)
        button->setEnabled(true);
    m_basePanel->raise();

    const bool activated = c.isMod == "true";
    m_deactivateBtn->setEnabled(activated);
    m_exportedImage->setVisible(activated);
    m_exportedLabel->setVisible(activated);
    showYardIndicators();
    showMarkers(ms::UpdateChangeMarkers(m_form, m_templateValues, newShips));
}

void TMainForm::PanelBtnClick(Panel panel) {
    hideYardSelectionPanel();
    m_costPanel->setPickerButtonsEnabled(selectedCategory() == NewShipsCategory);
    if (m_productPicker && m_productPicker->isVisible()) {
        m_productPicker->close();
        m_costPanel->setPickerButtonPicture(QStringLiteral("BrownArrow"));
    }
    if (m_comparison && m_comparison->isVisible()) {
        m_comparison->close();
        for (DataPanel* p : m_panels)
            p->opener()->setIcon(ImageCollection::icon(QStringLiteral("BrownList")));
    }
    for (size_t i = 0; i < m_panels.size(); ++i)
        m_panels[i]->setVisible(static_cast<int>(i) == panel);
    m_panels[static_cast<size_t>(panel)]->raise();
    m_detailPanel->showCargoRows(!m_form.context.hasFixedCargo);
}

void TMainForm::LockEditing() {
    for (DataPanel* panel : m_panels)
        panel->setLocked(true);
}

void TMainForm::UnlockEditing() {
    for (DataPanel* panel : m_panels)
        panel->setLocked(false);
}

void TMainForm::numberFieldChanged(const QString& field, const QString& text) {
    hideYardSelectionPanel();
    m_form.set(field.toStdString(), text.toStdString());
    if (m_showingForm)
        return;
    const bool newShips = selectedCategory() == NewShipsCategory;
    const ms::ShipForm before = m_form;
    const ms::ChangeMarkers markers =
        field == QLatin1String("ForwardSpeed")
            ? ms::ForwardSpeedChange(m_form, m_templateValues, newShips, ms::env().decimalIsPoint)
            : ms::UniClick(m_form, m_templateValues, newShips);
    // The field itself already shows its text; only what the action computed from it (the knots)
    // is shown anew, so typing is never disturbed.
    m_binding->showChanges(before, m_form);
    showMarkers(markers);
}

template <typename Action> void TMainForm::applyEdit(Action&& action) {
    hideYardSelectionPanel();
    m_binding->read(m_form);
    const ms::ShipForm before = m_form;
    const ms::ChangeMarkers markers = action(selectedCategory() == NewShipsCategory);
    {
        m_showingForm = true;
        const auto shown = qScopeGuard([this] { m_showingForm = false; });
        m_binding->showChanges(before, m_form);
    }
    m_basePanel->showWorkforceFrame(q(m_form.text("WorkForceGUID")));
    showMarkers(markers);
}

void TMainForm::SetPicClick(const QString& workforceGuid) {
    applyEdit([&](bool newShips) {
        return ms::SetPicClick(m_form, workforceGuid.toStdString(), m_templateValues, newShips);
    });
}

void TMainForm::SetWeaponPanelClick() {
    applyEdit([&](bool newShips) { return ms::SetWeaponPanelClick(m_form, m_templateValues, newShips); });
}

void TMainForm::WeaponProjectileTypeComboClick(int index) {
    applyEdit([&](bool newShips) {
        return ms::WeaponProjectileTypeComboClick(m_form, index, m_templateValues, newShips);
    });
}

void TMainForm::UpdateChangeMarkers() {
    applyEdit([&](bool newShips) { return ms::UpdateChangeMarkers(m_form, m_templateValues, newShips); });
}

void TMainForm::showMarkers(const ms::ChangeMarkers& markers) {
    m_binding->showMarkers(markers);
}

// ---------------------------------------------------------------------------------------------
// Window state helpers

void TMainForm::setModeColours(bool newShips) {
    setBackground(m_infoMainPanel, newShips ? DarkRed : Beige);
    for (QLabel* label : {m_shipName, m_vorlageLabel})
        setTextColour(label, newShips ? Cream : QColor(Qt::black));
}

void TMainForm::setShipCommandsEnabled(bool save, bool remove, bool newShip, bool activate, bool deactivate) {
    m_saveBtn->setEnabled(save);
    m_deleteBtn->setEnabled(remove);
    m_newShipBtn->setEnabled(newShip);
    m_createModBtn->setEnabled(activate);
    m_deactivateBtn->setEnabled(deactivate);
}

void TMainForm::setPanelButtonsEnabled(bool base, bool others) {
    for (size_t i = 0; i < m_panelButtons.size(); ++i)
        m_panelButtons[i]->setEnabled(i == BasePanelIndex ? base : others);
}

void TMainForm::showNoPanel(bool inFront) {
    m_noPanel->setVisible(inFront);
    if (inFront)
        m_noPanel->raise();
    else
        m_noPanel->lower();
}

void TMainForm::showNoShip() {
    showShipPicture(QStringLiteral("Fragezeichen128"), 150);
    // The icon beside the picture belongs to the ship last shown; without a ship it would mislead.
    m_shipIconImage->clear();
    findChild<QLabel*>(QStringLiteral("ShipIconLabel"))->clear();
}

void TMainForm::showShipPicture(const QString& pictureName, int size) {
    m_shipImage->setGeometry(m_shipImageBack->x() + (m_shipImageBack->width() - size) / 2,
                             m_shipImageBack->y() + (m_shipImageBack->height() - size) / 2, size, size);
    m_shipImage->setPixmap(ImageCollection::pixmap(pictureName, QSize(size, size)));
}

void TMainForm::showYardIndicators() {
    const ms::ShipContext& c = m_form.context;
    const std::string* flags[] = {&c.onAW, &c.onNW, &c.onEN};
    const char* regions[] = {"AW", "NW", "EN"};
    bool anywhere = false;
    for (int i = 0; i < 3; ++i) {
        const bool on = *flags[i] == "*";
        anywhere = anywhere || on;
        const QString picture = (on ? QStringLiteral("In%1ShipYard") : QStringLiteral("NotIn%1ShipYard"))
                                    .arg(QString::fromLatin1(regions[i]));
        m_yardIndicators[static_cast<size_t>(2 + i)]->setPixmap(
            ImageCollection::pixmap(picture, QSize(52, 52)));
    }
    for (QLabel* w : m_yardIndicators)
        w->setVisible(anywhere);
}

void TMainForm::hideYardSelectionPanel() {
    m_yardSelectionPanel->hide();
}

void TMainForm::setSideWindows(QWidget* productPicker, QWidget* comparison) {
    m_productPicker = productPicker;
    m_comparison = comparison;
}

bool TMainForm::sideWindowVisible() const {
    return (m_productPicker && m_productPicker->isVisible()) || (m_comparison && m_comparison->isVisible());
}

// ---------------------------------------------------------------------------------------------
// Timers and activation

void TMainForm::IsVisibleTimerTimer() {
    // Looking through every running process costs milliseconds; once a second is soon enough for
    // the notice and keeps the idle program quiet. The enabling rules below run at every tick.
    if (m_gameCheckTicks-- <= 0) {
        m_gameCheckTicks = GameCheckEveryTicks - 1;
        m_marvessaLabel->setVisible(ms::IsProcessRunning(GameExecutable));
    }

    if (sideWindowVisible()) {
        for (QWidget* w : {static_cast<QWidget*>(m_shipView), static_cast<QWidget*>(m_shipTypeView),
                           static_cast<QWidget*>(m_saveBtn), static_cast<QWidget*>(m_deactivateBtn),
                           static_cast<QWidget*>(m_shipYardBuildMenuBtn), static_cast<QWidget*>(m_deleteBtn),
                           static_cast<QWidget*>(m_createModBtn)})
            w->setEnabled(false);
        return;
    }
    const bool newShips = selectedCategory() == NewShipsCategory;
    if (newShips) {
        for (QWidget* w : {static_cast<QWidget*>(m_shipTypeView), static_cast<QWidget*>(m_shipView),
                           static_cast<QWidget*>(m_saveBtn), static_cast<QWidget*>(m_shipYardBuildMenuBtn),
                           static_cast<QWidget*>(m_createModBtn)})
            w->setEnabled(true);
    } else {
        m_sternImage->hide();
    }
    if (newShips) {
        const bool hasRows = m_shipView->topLevelItemCount() > 0;
        m_deleteBtn->setEnabled(hasRows);
        if (hasRows)
            m_sternImage->show();
    }
}

void TMainForm::FormActivate() {
    m_marvessaLabel->setVisible(ms::IsProcessRunning(GameExecutable));
    refillActivatedMods();
}

void TMainForm::refillActivatedMods() {
    ms::ListActivatedMods();
    m_fileBoxActivated->clear();
    for (const std::string& name : ms::activatedModFolders())
        m_fileBoxActivated->addItem(q(name));
}

void TMainForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        guarded([this] { FormActivate(); });
}

// ---------------------------------------------------------------------------------------------
// Context help

bool TMainForm::ShowHelpText(const QString& helpNumber) {
    m_lastHelpKey = helpNumber;
    const std::optional<ms::HelpEntry> entry = ms::FindHelpEntry(helpNumber.toStdString());
    if (!entry)
        return true;
    setHelpHeader(withLineBreaks(q(entry->header)));
    m_helpLabel->setText(withLineBreaks(q(entry->text1 + "\r" + entry->text2 + "\r" + entry->text3)));
    return true;
}

void TMainForm::setHelpArea(const QString& header, const QString& text) {
    setHelpHeader(withLineBreaks(header));
    m_helpLabel->setText(withLineBreaks(text));
}

void TMainForm::setHelpHeader(const QString& header) {
    // The header has one line. Where the help font is wider than the one the texts were written
    // for, a long header gets a slightly smaller size instead of being cut off.
    QFont font = m_helpHeaderLabel->font();
    font.setPointSizeF(HelpPointSize);
    while (font.pointSizeF() > HelpPointSize - 2 &&
           QFontMetrics(font).horizontalAdvance(header) > m_helpHeaderLabel->width())
        font.setPointSizeF(font.pointSizeF() - 0.5);
    m_helpHeaderLabel->setFont(font);
    m_helpHeaderLabel->setText(header);
}

void TMainForm::showFixedHelp(const QString& key) {
    m_lastHelpKey = QLatin1Char('#') + key;
    for (const FixedHelp& fixed : FixedHelpTexts)
        if (key == QLatin1String(fixed.key))
            setHelpArea(QString::fromUtf8(fixed.header), QString::fromUtf8(fixed.text));
}

void TMainForm::showHelpAtPosition(const QPoint& clientPos) {
    const ms::HelpAtPosition help =
        ms::helpAtPosition(clientPos.x(), clientPos.y(), m_yardSelectionPanel->isHidden());
    switch (help.kind) {
    case ms::HelpAtPosition::Kind::Nothing:
        return;
    case ms::HelpAtPosition::Kind::Entry:
        // The same entry again would only redraw the same text every 150 ms.
        if (m_lastHelpKey != q(help.helpNumber))
            ShowHelpText(q(help.helpNumber));
        return;
    case ms::HelpAtPosition::Kind::YardAssignment:
        if (m_lastHelpKey != QLatin1String("#yardAssignment"))
            showFixedHelp(QStringLiteral("yardAssignment"));
        return;
    }
}

void TMainForm::showHelpFor(QWidget* widget) {
    for (QWidget* w = widget; w && w != this; w = w->parentWidget()) {
        const QVariant fixed = w->property(HelpFixedProperty);
        if (fixed.isValid()) {
            if (m_lastHelpKey != QLatin1Char('#') + fixed.toString())
                showFixedHelp(fixed.toString());
            return;
        }
        const QVariant number = w->property(HelpNumberProperty);
        if (number.isValid()) {
            if (m_lastHelpKey != number.toString())
                ShowHelpText(number.toString());
            return;
        }
    }
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::MouseMove && widget) {
        // An unhandled move travels on to the parents (as copies); the element under the mouse
        // answers, its parents must not overwrite it. A move to the same spot changes nothing.
        const QPoint global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        if (m_helpEventPos && *m_helpEventPos == global)
            return QWidget::eventFilter(watched, event);
        m_helpEventPos = global;
        // The background lies under the command column too; there the position rules of the help
        // timer answer, so the background must not clear their text in between.
        const QPoint pos = mapFromGlobal(global);
        const bool overCommands =
            ms::helpAtPosition(pos.x(), pos.y(), m_yardSelectionPanel->isHidden()).kind !=
            ms::HelpAtPosition::Kind::Nothing;
        if (!(overCommands && widget == m_background))
            showHelpFor(widget);
    }
    if (event->type() == QEvent::MouseButtonRelease && widget) {
        // A click on the empty part of a list leaves no row selected.
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (widget == m_shipTypeView->viewport() && !m_shipTypeView->itemAt(mouse->position().toPoint()))
            m_shipTypeView->clearSelection();
        else if (widget == m_shipView->viewport() && !m_shipView->itemAt(mouse->position().toPoint()))
            m_shipView->clearSelection();
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// Commands

template <typename Handler> void TMainForm::guarded(Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        StandardMessage::reportError(this, error);
    }
}

int TMainForm::selectedShipRow() const {
    const QList<QTreeWidgetItem*> selected = m_shipView->selectedItems();
    return selected.isEmpty() ? -1 : m_shipView->indexOfTopLevelItem(selected.first());
}

void TMainForm::reselectShip(Category category, int row, const QString& guid) {
    m_filling = true;
    if (category == NoCategory)
        m_shipTypeView->clearSelection();
    else
        m_shipTypeView->setCurrentRow(category);
    m_filling = false;
    ShipTypeViewClick();

    const int rows = m_shipView->topLevelItemCount();
    if (rows == 0)
        return;
    QTreeWidgetItem* item = m_shipView->topLevelItem(row >= 0 && row < rows ? row : rows - 1);
    for (int i = 0; !guid.isEmpty() && i < rows; ++i)
        if (m_shipView->topLevelItem(i)->data(0, Qt::UserRole).toString() == guid)
            item = m_shipView->topLevelItem(i);
    if (item == m_shipView->currentItem() && item->isSelected())
        return; // the category's own selection has shown it already
    m_filling = true;
    m_shipView->setCurrentItem(item);
    m_filling = false;
    ShowShip();
}

void TMainForm::NewShipBtnClick() {
    hideYardSelectionPanel();
    if (m_currentShipGuid.isEmpty())
        return;
    m_binding->read(m_form);
    const std::optional<ms::CreatedShip> created =
        ms::CreateNewShip(ms::env().xmlaDir, m_form, messageSink());
    if (!created)
        return; // the pool's refusal was told; nothing was written
    // The new ship is the index's last entry, but not always the list's last row: positions count
    // the entries, so after deletions an older ship can sort behind it. Select it by its GUID.
    reselectShip(NewShipsCategory, -1, q(created->ids.assetGuid));
    refillActivatedMods();
}

void TMainForm::SaveBtnClick() {
    // The enabling rules may leave the button on while no ship is shown; there is nothing to save.
    if (m_currentShipGuid.isEmpty())
        return;
    m_binding->read(m_form);
    const int row = selectedShipRow();
    ms::SaveShipHooks hooks;
    hooks.showShip = [this, row] { reselectShip(NewShipsCategory, row); };
    hooks.activateShip = [this](const std::string& guid) {
        ms::ActivateShip(guid, activationInputs(q(m_form.context.icon)));
    };
    ms::SaveShip(ms::env().xmlaDir, m_form, hooks);
    refillActivatedMods();
}

void TMainForm::CreateModBtnClick() {
    if (m_currentShipGuid.isEmpty())
        return;
    m_binding->read(m_form);
    const int row = selectedShipRow();
    const Category category = selectedCategory();
    ms::ActivateShip(m_form, activationInputs(q(m_form.context.icon)));
    reselectShip(category, row);
    refillActivatedMods();
}

void TMainForm::ShipYardBuildMenuBtnkClick() {
    m_yardSelectionPanel->move(CommandLeft, 48);
    m_yardSelectionPanel->show();
    m_yardSelectionPanel->raise();
}

void TMainForm::DeactivateBtnClick() {}

void TMainForm::DeleteBtnClick() {}

void TMainForm::ShortCutBtnClick() {}

void TMainForm::YardSelectionAbortClick() {
    hideYardSelectionPanel();
}

} // namespace ms::gui
