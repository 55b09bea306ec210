#include "mainwindow/BasePanel.h"

#include "mainwindow/FieldRow.h"
#include "mainwindow/PictureControls.h"
#include "shell/ImageCollection.h"
#include "shell/TypedCharFilter.h"
#include "shell/Workforce.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace ms::gui {

namespace {
// Picture (and control) names of the population levels in the order of the core's table.
const char* const LevelImages[] = {"Arbeiter",   "Handwerker", "Ingenieure", "Investoren",
                                   "Jorlaneros", "Obreros",    "Hirten",     "Aelteste"};
// What a screen reader says for each picture.
const char* const LevelNames[] = {"Arbeiter",   "Handwerker", "Ingenieure", "Investoren",
                                  "Jorlaneros", "Obreros",    "Hirten",     "Älteste"};
constexpr int ImageSize = 64;
constexpr int FrameWidth = 3;
} // namespace

BasePanel::BasePanel(QWidget* parent, PanelUse use)
    : DataPanel(parent, QStringLiteral("BasePanel"), QStringLiteral("Basisdaten"),
                QStringLiteral("ImagePanelNameBase"), QStringLiteral("300"), use) {
    auto* nameCaption = new QLabel(QStringLiteral("Schiffsname"), this);
    nameCaption->setObjectName(QStringLiteral("NewShipNameLabel"));
    nameCaption->setGeometry(Margin, 40, 300, 22);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("NewShipNameText"));
    m_name->setGeometry(Margin, 62, Width - 2 * Margin, 28);
    setHelpNumber(m_name, QStringLiteral("450"));
    nameCaption->setBuddy(m_name);
    TypedCharFilter::install(m_name, ms::TextBox::ShipName);

    auto* textCaption = new QLabel(QStringLiteral("Beschreibungstext"), this);
    textCaption->setObjectName(QStringLiteral("NewShipTextLabel"));
    textCaption->setGeometry(Margin, 96, 300, 22);
    m_description = new QPlainTextEdit(this);
    m_description->setObjectName(QStringLiteral("NewShipTextText"));
    m_description->setGeometry(Margin, 118, Width - 2 * Margin, 104);
    m_description->setTabChangesFocus(true);
    setHelpNumber(m_description, QStringLiteral("451"));
    textCaption->setBuddy(m_description);
    TypedCharFilter::install(m_description, ms::TextBox::ShipDescription);

    auto* options = new QWidget(this);
    options->setObjectName(QStringLiteral("BaseBuildingOptions"));
    options->setGeometry(Margin, 230, Width - 2 * Margin, 290);
    setHelpNumber(options, QStringLiteral("452"));

    auto* row =
        new FieldRow(options, QStringLiteral("WorkAmountPanel"), QStringLiteral("Baufreigabe ab"),
                     QStringLiteral("WorkAmount"), editing() ? QStringLiteral("WorkForceDot") : QString());
    row->move(0, 0);
    auto* levelLabel = new QLabel(options);
    levelLabel->setObjectName(QStringLiteral("WorkForceLabel"));
    levelLabel->setGeometry(0, FieldRow::Height + 2, Width - 2 * Margin, 24);
    auto* guid = new QLabel(options);
    guid->setObjectName(QStringLiteral("WorkForceGUID"));
    guid->hide();

    const auto levels = ms::workforceLevels();
    auto* pictures = new PictureControls(options, 4);
    for (int i = 0; i < 8; ++i) {
        const int column = i % 4;
        const int top = 76 + (i / 4) * (ImageSize + 20);
        const int left = 9 + column * (ImageSize + 14);
        const QString guidText =
            QString::fromUtf8(levels[static_cast<size_t>(i)].guid.data(),
                              static_cast<qsizetype>(levels[static_cast<size_t>(i)].guid.size()));

        auto* frame = new QFrame(options);
        frame->setObjectName(
            QString::fromUtf8(levels[static_cast<size_t>(i)].frameName.data(),
                              static_cast<qsizetype>(levels[static_cast<size_t>(i)].frameName.size())));
        frame->setGeometry(left - FrameWidth, top - FrameWidth, ImageSize + 2 * FrameWidth,
                           ImageSize + 2 * FrameWidth);
        frame->setStyleSheet(QStringLiteral("QFrame { border: %1px solid rgb(0, 160, 0); }").arg(FrameWidth));
        frame->hide();

        auto* image = new QPushButton(options);
        QString imageName = QString::fromLatin1(LevelImages[i]);
        // The comparison window names the Jorlanero and Obrero images in the singular.
        if (!editing() && imageName.endsWith(QLatin1String("os")))
            imageName.chop(1);
        image->setObjectName(imageName);
        image->setFlat(true);
        image->setGeometry(left, top, ImageSize, ImageSize);
        // A locked (template) panel keeps the pictures in colour; only the click is off.
        const QPixmap picture =
            ImageCollection::pixmap(QString::fromLatin1(LevelImages[i]), QSize(ImageSize - 4, ImageSize - 4));
        QIcon icon(picture);
        icon.addPixmap(picture, QIcon::Disabled);
        image->setIcon(icon);
        image->setIconSize(QSize(ImageSize - 4, ImageSize - 4));
        pictures->add(image, QStringLiteral("Arbeiter: ") + QString::fromUtf8(LevelNames[i]));
        image->setProperty("workforceGuid", guidText);
        connect(image, &QPushButton::clicked, this, [this, guidText] { emit workforceClicked(guidText); });
        m_levelImages.append(image);
    }
}

void BasePanel::setLocked(bool locked) {
    DataPanel::setLocked(locked);
    m_name->setReadOnly(locked);
    m_description->setReadOnly(locked);
    for (QWidget* image : m_levelImages)
        image->setEnabled(!locked);
}

void BasePanel::showWorkforceFrame(const QString& workforceGuid) {
    const ms::WorkforceLevel* shown = ms::findWorkforce(workforceGuid.toStdString());
    for (const ms::WorkforceLevel& level : ms::workforceLevels()) {
        const QString frameName =
            QString::fromUtf8(level.frameName.data(), static_cast<qsizetype>(level.frameName.size()));
        if (auto* frame = findChild<QFrame*>(frameName))
            frame->setVisible(shown == &level);
    }
    // The frame is only seen; a screen reader hears which level is chosen.
    for (QWidget* image : m_levelImages)
        image->setAccessibleDescription(shown && image->property("workforceGuid").toString() == workforceGuid
                                            ? QStringLiteral("ausgewählt")
                                            : QString());
}

void BasePanel::setCaptions(bool newShip) {
    findChild<QLabel*>(QStringLiteral("NewShipNameLabel"))
        ->setText(newShip ? QStringLiteral("Neuer Schiffsname") : QStringLiteral("Schiffsname"));
    findChild<QLabel*>(QStringLiteral("NewShipTextLabel"))
        ->setText(newShip ? QStringLiteral("Neuer Beschreibungstext") : QStringLiteral("Beschreibungstext"));
}

} // namespace ms::gui
