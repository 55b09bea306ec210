#include "shell/TMessageForm.h"

#include "shell/MessageTextWrap.h"
#include "shell/TypedCharFilter.h"
#include "shell/WindowPlacement.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include <algorithm>
#include <cstdlib>

namespace ms::gui {

namespace {
TMessageForm* g_instance = nullptr;

constexpr int BandHeight = 25;
constexpr int PictureSize = 64;
constexpr int PictureLeft = 8;
constexpr int LabelLeft = 105;
constexpr int LabelTop = 60;
constexpr int InputModeLabelWidth = 600;
constexpr int InputWidth = 545;
constexpr int ButtonHeight = 30;
constexpr int AbortLeft = 16;
constexpr int AbortWidth = 105;
constexpr int OkWidth = 90;

QFont textFont() {
    QFont font(QStringLiteral("Consolas"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(10);
    font.setBold(true);
    return font;
}
} // namespace

TMessageForm::TMessageForm(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("MessageForm"));
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setFont(textFont());

    m_shape1 = new QFrame(this);
    m_shape1->setObjectName(QStringLiteral("Shape1"));
    m_shape1->setAutoFillBackground(true);
    QPalette band = m_shape1->palette();
    band.setColor(QPalette::Window, band.color(QPalette::Highlight));
    m_shape1->setPalette(band);

    m_headerLabel = new QLabel(m_shape1);
    m_headerLabel->setObjectName(QStringLiteral("HeaderLabel"));
    QFont headerFont(QStringLiteral("Segoe UI"));
    headerFont.setStyleHint(QFont::SansSerif);
    headerFont.setPointSize(10);
    headerFont.setBold(true);
    headerFont.setItalic(true);
    m_headerLabel->setFont(headerFont);
    QPalette headerPal = m_headerLabel->palette();
    headerPal.setColor(QPalette::WindowText, Qt::white);
    m_headerLabel->setPalette(headerPal);

    m_remarkImage = new QLabel(this);
    m_remarkImage->setObjectName(QStringLiteral("RemarkImage"));
    m_remarkImage->setFixedSize(PictureSize, PictureSize);

    m_msgBoxLabel = new QLabel(this);
    m_msgBoxLabel->setObjectName(QStringLiteral("MsgBoxLabel"));
    m_msgBoxLabel->setWordWrap(false);
    m_msgBoxLabel->setTextFormat(Qt::PlainText);
    m_msgBoxLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_msgBoxQuest = new QLineEdit(this);
    m_msgBoxQuest->setObjectName(QStringLiteral("MsgBoxQuest"));
    TypedCharFilter::install(m_msgBoxQuest, ms::TextBox::MessageInput);

    m_line = new QFrame(this);
    m_line->setObjectName(QStringLiteral("Line"));
    m_line->setFrameShape(QFrame::HLine);
    m_line->setFrameShadow(QFrame::Plain);
    m_line->setFixedHeight(1);

    // Return presses the focused button, else OK; Escape is the cancel button's.
    m_abortBtn = new QPushButton(this);
    m_abortBtn->setObjectName(QStringLiteral("AbortBtn"));
    m_abortBtn->setAutoDefault(true);
    m_okBtn = new QPushButton(this);
    m_okBtn->setObjectName(QStringLiteral("OKBtn"));
    m_okBtn->setAutoDefault(true);
    m_okBtn->setDefault(true);
    connect(m_okBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_abortBtn, &QPushButton::clicked, this, &QDialog::reject);

    if (!g_instance)
        g_instance = this;
}

TMessageForm::~TMessageForm() {
    if (g_instance == this)
        g_instance = nullptr;
}

TMessageForm* TMessageForm::instance() {
    return g_instance;
}

void TMessageForm::applyLayout() {
    applyLayout(availableAreaFor(*this));
}

void TMessageForm::applyLayout(const QRect& area) {
    // The text label sizes itself to its text (no word wrap), then keeps that size. Lines wider than
    // the screen allows are broken first, and no more lines are shown than the screen can hold.
    QString text = m_msgBoxLabel->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QFontMetrics metrics(m_msgBoxLabel->font());
    const int frameWidth = PictureSize + 8 + 8 + 32;
    const int maxTextWidth = m_inputMode ? InputWidth : std::max(1, area.width() - frameWidth - 30);
    const int maxLines = std::max(1, (area.height() - LabelTop - 40 - ButtonHeight - 48 -
                                      (m_inputMode ? m_msgBoxQuest->sizeHint().height() : 0)) /
                                         metrics.height());
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n')))
        lines << (area.isEmpty() ? QStringList{line} : wrapLine(line, metrics, maxTextWidth));
    if (!area.isEmpty() && lines.size() > maxLines) {
        lines = lines.mid(0, maxLines - 1);
        lines << QStringLiteral("…");
    }
    text = lines.join(QLatin1Char('\n'));
    if (text != m_msgBoxLabel->text())
        m_msgBoxLabel->setText(text);
    int textWidth = 0;
    for (const QString& line : lines)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
    const int labelHeight = static_cast<int>(lines.size()) * metrics.height();
    const int labelWidth = m_inputMode ? textWidth : textWidth + 30;
    m_msgBoxLabel->setGeometry(LabelLeft, LabelTop, labelWidth, labelHeight);
    const int labelBottom = LabelTop + labelHeight;

    m_msgBoxQuest->setVisible(m_inputMode);
    const int inputHeight = m_msgBoxQuest->sizeHint().height();
    if (m_inputMode)
        m_msgBoxQuest->setGeometry(LabelLeft, labelBottom, InputWidth, inputHeight);

    // The separator 32 pixels below the text, the buttons 8 below it; but never on the input box or
    // the picture, which is centred between the title band and the separator.
    constexpr int Gap = 6;
    const int lineTop = std::max({labelBottom + 32, m_inputMode ? labelBottom + inputHeight + Gap : 0,
                                  BandHeight + Gap + PictureSize + Gap});
    const int pictureTop = (BandHeight + lineTop) / 2 - PictureSize / 2;
    const int buttonTop = lineTop + 8;
    const int okRight = m_inputMode ? LabelLeft + InputWidth : LabelLeft + labelWidth;
    m_abortBtn->setGeometry(AbortLeft, buttonTop, AbortWidth, ButtonHeight);
    m_okBtn->setGeometry(okRight - OkWidth, buttonTop, OkWidth, ButtonHeight);

    const int contentWidth = m_inputMode ? InputWidth : labelWidth;
    const int width = PictureSize + 8 + 8 + contentWidth + 32;
    const int height = buttonTop + ButtonHeight + 8;
    setFixedSize(width, height);

    m_line->setGeometry(8, lineTop, width - 16, 1);
    m_shape1->setGeometry(0, 0, width, BandHeight);
    m_headerLabel->setGeometry(8, 0, width - 16, BandHeight);
    m_remarkImage->move(PictureLeft, pictureTop);

    // Centred over the window that asks, else on the screen; always wholly on the screen.
    centreOverOwner(*this, area);
}

int TMessageForm::execOver(QWidget* owner) {
    // The message is transient for its window from creation: the dialog is made again under the
    // asking window and goes back to its first owner afterwards, which destroys it in the end.
    QWidget* const firstOwner = parentWidget();
    const Qt::WindowFlags flags = windowFlags();
    if (owner && owner != firstOwner)
        setParent(owner, flags);
    const int result = exec();
    if (parentWidget() != firstOwner)
        setParent(firstOwner, flags);
    return result;
}

void TMessageForm::showEvent(QShowEvent* event) {
    applyLayout();
    QDialog::showEvent(event);
    if (m_inputMode)
        m_msgBoxQuest->setFocus(Qt::OtherFocusReason);
    else
        m_okBtn->setFocus(Qt::OtherFocusReason);
}

} // namespace ms::gui
