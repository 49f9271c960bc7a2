#include "controls/kvTxt_S.h"

#include "controls/BoxFormat.h"
#include "controls/CalendarPopup.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QRegularExpressionValidator>
#include <QToolButton>

namespace {
const char* const kDefaultError = "输入有误，请重新输入！";
const char* const kErrorStyle = "QLineEdit { border: 1px solid #d32f2f; background: #fff3f3; }";
}

kvTxt_S::kvTxt_S(QWidget* parent)
    : QWidget(parent)
    , m_caption(new QLabel(this))
    , m_editor(new QLineEdit(this))
    , m_helpButton(new QToolButton(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(m_caption);
    layout->addWidget(m_editor, 1);
    layout->addWidget(m_helpButton);
    m_caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_caption->setBuddy(m_editor);
    m_editor->setMinimumHeight(m_editor->fontMetrics().height() + 10);
    m_editor->installEventFilter(this);
    m_helpButton->setText(QStringLiteral("…"));
    m_helpButton->setFocusPolicy(Qt::NoFocus);
    setFocusProxy(m_editor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    connect(m_editor, &QLineEdit::textEdited, this, &kvTxt_S::onEdited);
    connect(m_editor, &QLineEdit::textChanged, this, [this] { emit ValueChanged(m_index); });
    connect(m_editor, &QLineEdit::editingFinished, this, &kvTxt_S::onEditingFinished);
    connect(m_helpButton, &QToolButton::clicked, this, &kvTxt_S::RequestHelp);
    applyKind();
}

QString kvTxt_S::Caption() const
{
    return m_caption->text();
}

void kvTxt_S::SetCaption(const QString& caption)
{
    m_caption->setText(caption);
}

void kvTxt_S::SetCaptionWidth(int pixels)
{
    m_caption->setMinimumWidth(qMax(pixels, 0));
    m_caption->setMaximumWidth(pixels > 0 ? pixels : QWIDGETSIZE_MAX);
}

void kvTxt_S::SetBoxKind(Kind kind)
{
    if (kind == m_kind)
        return;
    m_kind = kind;
    if (checksText())
        m_code = Text();
    applyKind();
}

void kvTxt_S::SetKindSetting(int code)
{
    m_kindSetting = code;
    switch (code) {
    case 0: SetBoxKind(Kind::Lookup); break;
    case 1: SetBoxKind(Kind::Date); break;
    case 2: SetBoxKind(Kind::Picker); break;
    default: break;
    }
}

void kvTxt_S::SetDataKind(int code)
{
    m_dataKind = code;
    if (code == 2)
        SetBoxKind(Kind::Date);
    else if (code == 3)
        SetBoxKind(Kind::Number);
    else if (code == 1 && (m_kind == Kind::Date || m_kind == Kind::Number))
        SetBoxKind(Kind::Text);
}

void kvTxt_S::SetInputMode(int code)
{
    m_inputMode = code;
    applyKind();
}

void kvTxt_S::SetHelpEnabled(bool enabled)
{
    m_helpEnabled = enabled;
    applyKind();
}

void kvTxt_S::applyKind()
{
    m_editor->setAlignment(m_kind == Kind::Number ? Qt::AlignRight | Qt::AlignVCenter
                                                  : Qt::AlignLeft | Qt::AlignVCenter);
    QString allowed;
    if (m_inputMode == 7 && m_kind == Kind::Number)
        allowed = QStringLiteral("[+-]?\\d*\\.?\\d*");
    else if (m_inputMode == 7 && m_kind == Kind::Date)
        allowed = QStringLiteral("[0-9./-]{0,10}");
    delete m_editor->validator();
    m_editor->setValidator(allowed.isEmpty() ? nullptr
                                             : new QRegularExpressionValidator(QRegularExpression(allowed), m_editor));
    const bool hasHelp = m_kind == Kind::Date || m_kind == Kind::Lookup || m_kind == Kind::Picker;
    m_helpButton->setVisible(m_helpEnabled && hasHelp);
    m_helpButton->setEnabled(!m_locked);
    m_helpButton->setToolTip(m_kind == Kind::Date ? QStringLiteral("日历 (F4)") : QStringLiteral("帮助 (F4)"));
}

QString kvTxt_S::Text() const
{
    return m_editor->text();
}

void kvTxt_S::SetText(const QString& text)
{
    setEditorText(text);
    m_pending = false;
    setError(false);
}

QVariant kvTxt_S::Value() const
{
    switch (m_kind) {
    case Kind::Number:
        if (const auto number = BoxFormat::ParseNumber(Text()))
            return *number;
        return {};
    case Kind::Date:
        if (const auto date = BoxFormat::ParseDate(Text()))
            return *date;
        return {};
    case Kind::Lookup:
    case Kind::Picker:
        return m_code;
    case Kind::Text:
        break;
    }
    return Text();
}

void kvTxt_S::SetValue(const QVariant& value)
{
    m_pending = false;
    setError(false);
    if (checksText()) {
        m_code = value;
        return;
    }
    if (value.isNull() || !value.isValid()) {
        setEditorText(QString());
        return;
    }
    QString text = value.toString();
    if (m_kind == Kind::Number) {
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (ok && value.typeId() != QMetaType::QString)
            text = BoxFormat::FormatNumber(number, m_decimals);
        else if (const auto parsed = BoxFormat::ParseNumber(text))
            text = BoxFormat::FormatNumber(*parsed, m_decimals);
    } else if (m_kind == Kind::Date) {
        if (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime)
            text = BoxFormat::FormatDate(value.toDate());
        else if (const auto parsed = BoxFormat::ParseDate(text))
            text = BoxFormat::FormatDate(*parsed);
    }
    setEditorText(text);
}

void kvTxt_S::Clear()
{
    setEditorText(QString());
    m_code = QVariant();
    m_state = 0;
    m_pending = false;
    setError(false);
}

void kvTxt_S::SetState(int state)
{
    m_state = state;
    if (state == StateResolvedOutside) {
        m_pending = false;
        setError(false);
    }
}

void kvTxt_S::SetLocked(bool locked)
{
    m_locked = locked;
    m_editor->setReadOnly(locked);
    m_helpButton->setEnabled(!locked);
    if (locked && m_calendar)
        m_calendar->hide();
}

bool kvTxt_S::Active() const
{
    return isEnabled() && !m_locked;
}

bool kvTxt_S::Valid()
{
    if (!checksText())
        setError(!fitsKind());
    else if (m_pending && m_checkOnLeave)
        Validate();
    return fitsKind();
}

bool kvTxt_S::Validate()
{
    if (!checksText()) {
        setError(!fitsKind());
        return !m_rejected;
    }
    if (m_checking)
        return !m_rejected;
    m_pending = false;
    const QString text = Text();
    const bool answered = isSignalConnected(QMetaMethod::fromSignal(&kvTxt_S::ValidationRequest));
    if (text.trimmed().isEmpty() || !answered) {
        setError(false);
        return true;
    }
    QString code;
    QString name;
    m_checking = true;
    emit ValidationRequest(m_index, BoxFormat::FillLookupSql(m_lookupSql, text), m_codeField, m_nameField,
                           code, name);
    m_checking = false;
    if (!name.isEmpty()) {
        m_code = code;
        if (name != text)
            setEditorText(name);
    }
    setError(name.isEmpty());
    return !m_rejected;
}

void kvTxt_S::RequestHelp()
{
    if (m_locked || !m_helpEnabled)
        return;
    const QPoint at = popupPosition();
    if (m_kind == Kind::Date) {
        showCalendar();
    } else if (m_kind == Kind::Lookup) {
        emit HelpRequest(m_index, m_helpCode, at.x(), at.y(), m_editor->width());
    } else if (m_kind == Kind::Picker) {
        QString text = Text();
        QVariant value = m_code;
        emit PickerRequest(m_index, at.x(), at.y(), text, value);
        if (text.isEmpty())
            return;
        const bool valueOnly = text == Text() && value != m_code;
        m_code = value;
        setEditorText(text);
        m_pending = false;
        setError(false);
        if (valueOnly)
            emit ValueChanged(m_index);
    }
}

bool kvTxt_S::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_editor && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool altDown = key->key() == Qt::Key_Down && key->modifiers() == Qt::AltModifier;
        if (key->key() == Qt::Key_F4 || altDown) {
            RequestHelp();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void kvTxt_S::onEdited(const QString& text)
{
    m_pending = true;
    m_state = 0;
    if (checksText())
        m_code = text;
    setError(false);
}

void kvTxt_S::onEditingFinished()
{
    if (m_locked || !m_pending)
        return;
    if (checksText()) {
        if (m_checkOnLeave)
            Validate();
        return;
    }
    m_pending = false;
    if (m_kind == Kind::Number) {
        if (const auto number = BoxFormat::ParseNumber(Text()))
            setEditorText(BoxFormat::FormatNumber(*number, m_decimals));
    } else if (m_kind == Kind::Date) {
        if (const auto date = BoxFormat::ParseDate(Text()))
            setEditorText(BoxFormat::FormatDate(*date));
    }
    setError(!fitsKind());
}

void kvTxt_S::showCalendar()
{
    if (!m_calendar) {
        m_calendar = new CalendarPopup(this);
        connect(m_calendar, &CalendarPopup::DatePicked, this, [this](const QDate& date) {
            setEditorText(BoxFormat::FormatDate(date));
            m_pending = false;
            setError(false);
            m_editor->setFocus();
        });
    }
    m_calendar->ShowBelow(m_editor, Value().toDate());
}

void kvTxt_S::setEditorText(const QString& text)
{
    if (m_editor->text() != text)
        m_editor->setText(text);
}

void kvTxt_S::setError(bool rejected)
{
    m_rejected = rejected;
    m_shownError = rejected ? (m_errorText.isEmpty() ? QString::fromUtf8(kDefaultError) : m_errorText) : QString();
    m_editor->setToolTip(m_shownError);
    m_editor->setStyleSheet(rejected ? QString::fromLatin1(kErrorStyle) : QString());
}

bool kvTxt_S::fitsKind() const
{
    if (Text().trimmed().isEmpty())
        return true;
    switch (m_kind) {
    case Kind::Number: return BoxFormat::ParseNumber(Text()).has_value();
    case Kind::Date: return BoxFormat::ParseDate(Text()).has_value();
    case Kind::Lookup:
    case Kind::Picker: return !m_rejected || m_state == StateResolvedOutside;
    case Kind::Text: break;
    }
    return true;
}

QPoint kvTxt_S::popupPosition() const
{
    return m_editor->mapToGlobal(QPoint(0, m_editor->height()));
}
