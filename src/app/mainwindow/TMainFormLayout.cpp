#include "mainwindow/TMainForm.h"

#include "lifecycle/ShipDesign.h"
#include "mainwindow/BasePanel.h"
#include "mainwindow/CostPanel.h"
#include "mainwindow/DetailPanel.h"
#include "mainwindow/ExpeditionPanel.h"
#include "mainwindow/FieldRow.h"
#include "mainwindow/FormBinding.h"
#include "mainwindow/MainFormHelp.h"
#include "mainwindow/MainFormStyle.h"
#include "mainwindow/NumberField.h"
#include "mainwindow/PictureControls.h"
#include "mainwindow/ShipDesignMenu.h"
#include "mainwindow/WeaponPanel.h"
#include "shell/Environment.h"
#include "shell/ImageCollection.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QListWidget>
#include <QTreeWidget>

// The construction of the main window's controls: positions, names, pictures and connections.
namespace ms::gui {

using namespace mainform;

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
    typeLabel->setBuddy(m_shipTypeView);
    PictureControls::markFocus(m_shipTypeView);
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
    // Given, not computed: the header measures the widest glyph of the font for it, which costs as
    // much as drawing the window.
    m_shipView->header()->setMinimumSectionSize(16);
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
    m_shipViewLabel->setBuddy(m_shipView);
    PictureControls::markFocus(m_shipView);
    m_shipView->viewport()->installEventFilter(this);
    connect(m_shipView, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!m_filling)
            guarded([this] { ShipViewClick(); });
    });
    new ShipDesignMenu(m_shipView, {[this] { return selectedCategory() == NewShipsCategory; },
                                    [this](const std::function<void()>& handler) { guarded(handler); },
                                    [this](const QString& guid) { reselectShip(NewShipsCategory, -1, guid); },
                                    [this](const QString& guid) {
                                        if (guid != m_currentShipGuid)
                                            return false;
                                        ms::ShipForm shown = m_form;
                                        m_binding->read(shown);
                                        return ms::ShipDesignHasUnsavedEdits(shown);
                                    }});

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
    m_help = new MainFormHelp(this, m_background, m_yardSelectionPanel);

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
        const char* caption; // what the picture reads
    };
    const ButtonSpec buttons[] = {
        {"BaseImageBtn", "Base", QRect(8, 38, 165, 28), "300", "Basisdaten"},
        {"CostImageBtn", "Cost", QRect(173, 38, 165, 28), "301", "Baukosten"},
        {"WeaponImageBtn", "Weapon", QRect(8, 71, 107, 28), "304", "Waffen"},
        {"DetailImageBtn", "Detail", QRect(119, 71, 107, 28), "303", "Details"},
        {"ExpeditionImageBtn", "Expedition", QRect(231, 71, 107, 28), "302", "Expedition"},
    };
    auto* panelButtons = new PictureControls(m_infoMainPanel);
    const Panel order[] = {BasePanelIndex, CostPanelIndex, WeaponPanelIndex, DetailPanelIndex,
                           ExpeditionPanelIndex};
    for (int i = 0; i < 5; ++i) {
        auto* button = new QPushButton(m_infoMainPanel);
        button->setObjectName(QString::fromLatin1(buttons[i].name));
        button->setGeometry(buttons[i].geometry);
        button->setFlat(true);
        button->setIconSize(buttons[i].geometry.size());
        button->setProperty("pictureBase", QString::fromLatin1(buttons[i].picture));
        button->setStyleSheet(QStringLiteral("QPushButton { border: none; padding: 0; }"));
        panelButtons->add(button, QString::fromLatin1(buttons[i].caption));
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
    for (int region = 0; region < 3; ++region)
        connect(m_yardSelectionPanel->findChild<QPushButton*>(QString::fromLatin1(yardButtons[region].name)),
                &QPushButton::clicked, this,
                [this, region] { guarded([this, region] { YardSelectionClick(region); }); });
    m_yardSelectionPanel->hide();
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

} // namespace ms::gui
