#include "mainwindow/MainFormHelp.h"

#include "mainwindow/MainFormStyle.h"
#include "shell/HelpPosition.h"
#include "store/ReferenceLists.h"

#include <QCursor>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QTimer>

namespace ms::gui {

using namespace mainform;

namespace {

constexpr int HelpIntervalMs = 150;
constexpr int AskPointerEveryTicks = 4;
constexpr double HelpPointSize = 9;
const char* const HelpNumberProperty = "helpNumber";

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
// Line breaks of the help file and the fixed texts are carriage returns.
QString withLineBreaks(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

MainFormHelp::MainFormHelp(QWidget* form, QWidget* background, QWidget* yardSelectionPanel)
    : QObject(form), m_form(form), m_background(background), m_yardSelectionPanel(yardSelectionPanel) {
    auto* frame = new QFrame(form);
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
        auto* label = new QLabel(placeholder, form);
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

    m_helpCallTimer = new QTimer(form);
    m_helpCallTimer->setObjectName(QStringLiteral("HelpCallTimer"));
    m_helpCallTimer->setInterval(HelpIntervalMs);
    connect(m_helpCallTimer, &QTimer::timeout, this, [this] { helpTimerTick(); });
}

void MainFormHelp::helpTimerTick() {
    // Asking the window system where the pointer is costs a round trip; the mouse moves over the
    // window tell it for free. The window system is still asked every few ticks, so the help also
    // follows a pointer whose moves were not seen.
    if (!m_helpEventPos || ++m_ticksSinceAsked >= AskPointerEveryTicks) {
        m_helpEventPos = QCursor::pos();
        m_ticksSinceAsked = 0;
    }
    showHelpAtPosition(m_form->mapFromGlobal(*m_helpEventPos));
}

void MainFormHelp::startTimer() {
    m_helpCallTimer->start();
}

bool MainFormHelp::ShowHelpText(const QString& helpNumber) {
    m_lastHelpKey = helpNumber;
    const std::optional<ms::HelpEntry> entry = ms::FindHelpEntry(helpNumber.toStdString());
    if (!entry)
        return true;
    setHelpHeader(withLineBreaks(q(entry->header)));
    m_helpLabel->setText(withLineBreaks(q(entry->text1 + "\r" + entry->text2 + "\r" + entry->text3)));
    return true;
}

void MainFormHelp::setHelpArea(const QString& header, const QString& text) {
    setHelpHeader(withLineBreaks(header));
    m_helpLabel->setText(withLineBreaks(text));
}

void MainFormHelp::setHelpHeader(const QString& header) {
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

void MainFormHelp::showFixedHelp(const QString& key) {
    m_lastHelpKey = QLatin1Char('#') + key;
    for (const FixedHelp& fixed : FixedHelpTexts)
        if (key == QLatin1String(fixed.key))
            setHelpArea(QString::fromUtf8(fixed.header), QString::fromUtf8(fixed.text));
}

void MainFormHelp::showHelpAtPosition(const QPoint& clientPos) {
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

void MainFormHelp::showHelpFor(QWidget* widget) {
    for (QWidget* w = widget; w && w != m_form; w = w->parentWidget()) {
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

bool MainFormHelp::overCommandColumn(const QPoint& clientPos) const {
    return ms::helpAtPosition(clientPos.x(), clientPos.y(), m_yardSelectionPanel->isHidden()).kind !=
           ms::HelpAtPosition::Kind::Nothing;
}

void MainFormHelp::pointerLeft() {
    if (!m_form->rect().contains(m_form->mapFromGlobal(QCursor::pos())))
        m_helpCallTimer->stop();
}

void MainFormHelp::pointerEntered() {
    if (!m_helpCallTimer->isActive())
        m_helpCallTimer->start();
}

void MainFormHelp::mouseMoved(QWidget* widget, const QPoint& global) {
    pointerEntered(); // should an enter have gone unseen
    // An unhandled move travels on to the parents (as copies); the element under the mouse
    // answers, its parents must not overwrite it. A move to the same spot changes nothing.
    if (m_helpEventPos && *m_helpEventPos == global)
        return;
    m_helpEventPos = global;
    // The background lies under the command column too; there the position rules of the help
    // timer answer, so the background must not clear their text in between.
    if (!(widget == m_background && overCommandColumn(m_form->mapFromGlobal(global))))
        showHelpFor(widget);
}

} // namespace ms::gui
