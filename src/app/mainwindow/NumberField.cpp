#include "mainwindow/NumberField.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QProxyStyle>

#include <algorithm>
#include <memory>

namespace ms::gui {

namespace {

constexpr int RepeatIntervalMs = 50;
// Long enough that a held button never repeats.
constexpr int NoRepeatThresholdMs = 24 * 60 * 60 * 1000;

// Spin-button repetition is a style hint in Qt; this style answers it per field.
class RepeatStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        const auto* field = qobject_cast<const NumberField*>(widget);
        if (field && hint == SH_SpinBox_ClickAutoRepeatRate)
            return RepeatIntervalMs;
        if (field && hint == SH_SpinBox_ClickAutoRepeatThreshold && !field->spec().autoRepeat)
            return NoRepeatThresholdMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle* repeatStyle() {
    static RepeatStyle* style = new RepeatStyle;
    return style;
}

} // namespace

NumberField::NumberField(const ms::NumberFieldSpec& spec, QWidget* parent)
    : QAbstractSpinBox(parent), m_spec(spec) {
    setObjectName(QString::fromUtf8(spec.name.data(), static_cast<qsizetype>(spec.name.size())));
    setStyle(repeatStyle());
    setAccelerated(false);
    setKeyboardTracking(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    connect(lineEdit(), &QLineEdit::textChanged, this, &NumberField::remember);
    connect(lineEdit(), &QLineEdit::textChanged, this, &NumberField::shownTextChanged);
    setTextByProgram(QStringLiteral("0"));
}

void NumberField::setTextByProgram(const QString& text) {
    m_settingText = true;
    lineEdit()->setText(text);
    m_settingText = false;
}

void NumberField::remember(const QString& text) {
    m_previousText = text;
    double value = 0;
    if (ms::parseFieldNumber(text.toStdString(), m_decimalIsPoint, value))
        m_lastNumber = text;
}

void NumberField::setMaximum(double maximum) {
    m_spec.maximum = maximum;
}

void NumberField::setDecimalIsPoint(bool decimalIsPoint) {
    m_decimalIsPoint = decimalIsPoint;
}

void NumberField::setShownText(const QString& text) {
    const std::string shown = ms::boundedFieldText(m_spec, text.toStdString(), m_decimalIsPoint);
    const QString q = QString::fromStdString(shown);
    if (lineEdit()->text() != q)
        setTextByProgram(q);
}

void NumberField::settle() {
    const std::string text = shownText().toStdString();
    double value = 0;
    QString settled;
    if (!ms::parseFieldNumber(text, m_decimalIsPoint, value))
        settled = m_lastNumber;
    else if (value < m_spec.minimum || value > m_spec.maximum)
        settled = QString::fromStdString(ms::boundedFieldText(m_spec, text, m_decimalIsPoint));
    else if (m_spec.decimal &&
             (text.front() == '.' || text.front() == ',' || text.back() == '.' || text.back() == ','))
        settled = QString::fromStdString(ms::formatFieldNumber(value, true, m_decimalIsPoint));
    else
        return;
    if (settled != shownText())
        setTextByProgram(settled);
}

void NumberField::focusOutEvent(QFocusEvent* event) {
    if (!isReadOnly())
        settle();
    QAbstractSpinBox::focusOutEvent(event);
}

void NumberField::contextMenuEvent(QContextMenuEvent* event) {
    if (!isReadOnly()) {
        QAbstractSpinBox::contextMenuEvent(event);
        return;
    }
    // A read-only field is never stepped: the text's own menu (copy, select all) without the
    // step actions that the spin box would add, disabled, below it.
    const std::unique_ptr<QMenu> menu(lineEdit()->createStandardContextMenu());
    const QPoint at =
        event->reason() == QContextMenuEvent::Mouse ? event->globalPos() : mapToGlobal(rect().center());
    menu->exec(at);
    event->accept();
}

QString NumberField::shownText() const {
    return lineEdit()->text();
}

void NumberField::setLocked(bool locked) {
    setReadOnly(locked);
    setButtonSymbols(locked ? QAbstractSpinBox::NoButtons : QAbstractSpinBox::UpDownArrows);
}

void NumberField::stepBy(int steps) {
    stepWith(m_spec.smallStep, steps);
}

void NumberField::stepWith(double step, int steps) {
    if (isReadOnly())
        return;
    const std::string next =
        ms::steppedFieldText(m_spec, shownText().toStdString(), step, steps, m_decimalIsPoint);
    setTextByProgram(QString::fromStdString(next));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled NumberField::stepEnabled() const {
    if (isReadOnly())
        return StepNone;
    double value = 0;
    if (!ms::parseFieldNumber(shownText().toStdString(), m_decimalIsPoint, value))
        return StepUpEnabled | StepDownEnabled;
    StepEnabled enabled = StepNone;
    if (value < m_spec.maximum)
        enabled |= StepUpEnabled;
    if (value > m_spec.minimum)
        enabled |= StepDownEnabled;
    return enabled;
}

QValidator::State NumberField::validate(QString& input, int& pos) const {
    // Digits, and for decimal fields one display separator. Bounds are not judged while typing:
    // the user may pass through values outside them on the way to a valid one.
    const QChar separator = m_decimalIsPoint ? QLatin1Char('.') : QLatin1Char(',');
    int separators = 0;
    for (const QChar c : input) {
        if (c.isDigit() && c.unicode() < 128)
            continue;
        if (m_spec.decimal && c == separator && ++separators == 1)
            continue;
        return QValidator::Invalid;
    }
    // Pasted text is cut to the typing limit like typed text: what does not fit of the inserted
    // part (which ends at the cursor) is dropped. A longer text the program set may only shrink.
    const qsizetype limit = std::max<qsizetype>(m_spec.typedLength, m_previousText.size());
    if (!m_settingText && m_spec.typedLength > 0 && input.size() > limit) {
        const qsizetype excess = input.size() - limit;
        const qsizetype from = std::max<qsizetype>(0, pos - excess);
        input.remove(from, excess);
        pos = static_cast<int>(from);
    }
    return QValidator::Acceptable;
}

void NumberField::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_PageUp:
        stepWith(m_spec.largeStep, 1);
        event->accept();
        return;
    case Qt::Key_PageDown:
        stepWith(m_spec.largeStep, -1);
        event->accept();
        return;
    default:
        break;
    }
    // The length limit holds for typing only; a longer text set by the program stays whole.
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.at(0).isPrint() && !isReadOnly()) {
        const int kept = static_cast<int>(shownText().size() - lineEdit()->selectedText().size());
        if (kept + typed.size() > m_spec.typedLength) {
            event->accept();
            return;
        }
    }
    QAbstractSpinBox::keyPressEvent(event);
}

} // namespace ms::gui
