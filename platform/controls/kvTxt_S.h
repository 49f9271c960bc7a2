#pragma once

#include "PlatformExport.h"

#include <QString>
#include <QVariant>
#include <QWidget>

class CalendarPopup;
class QLabel;
class QLineEdit;
class QToolButton;

// The entry box of entry forms and report parameters: a caption on the left, the editor on the
// right and, for boxes with help, a help button.
//
// Kinds: Text, Number (plain decimal point, right-aligned), Date (yyyy-mm-dd, calendar),
// Lookup (typed text checked through a lookup statement, code list by help code) and
// Picker (custom help: the owner shows a picker).
//
// Numeric settings and what they mean in the box:
//   KindSetting   0 = code help: a Lookup box; its help button and F4 raise HelpRequest with the
//                     help code, leaving it with changed text raises ValidationRequest
//                 1 = calendar: a Date box; help opens the calendar
//                 2 = custom help: a Picker box; help raises PickerRequest, leaving it with
//                     changed text raises ValidationRequest
//   the two flags HelpEnabled (help button and F4 work) and CheckOnLeave (changed text is
//                 checked when the operator leaves the box or presses Enter)
//   DataKind      1 = text, 2 = date (makes a Date box), 3 = number (makes a Number box);
//                 1 turns a Date or Number box back into Text and leaves Lookup and Picker alone
//   InputMode     1 = free typing, checked on leaving; 7 = typing limited to the characters of
//                 the data kind (digits, sign and "." for numbers; digits and "-", "/", "." for dates)
//   Decimals      decimals a Number box shows after leaving; -1 (default) as many as needed
//   State         101 = the text was resolved outside (by a picker): the box counts as valid
//
// Validity for the save check: a box is Active when it is enabled and not locked; it is Valid
// when its text is empty or fits its kind (a number, an existing date, a Lookup or Picker text
// that its owner accepted). Rejected text is never removed: it stays, marked with ErrorText.
//
// Events carry the box's Index first (the boxes of a form form one array).
class ORVEL_PLATFORM_EXPORT kvTxt_S : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Text, Number, Date, Lookup, Picker };
    static constexpr int StateResolvedOutside = 101;

    explicit kvTxt_S(QWidget* parent = nullptr);

    int Index() const { return m_index; }
    void SetIndex(int index) { m_index = index; }
    QString Caption() const;
    void SetCaption(const QString& caption);
    // Width of the caption in pixels, so that boxes in a column line up; 0 = as the caption needs.
    void SetCaptionWidth(int pixels);

    Kind BoxKind() const { return m_kind; }
    void SetBoxKind(Kind kind);
    int KindSetting() const { return m_kindSetting; }
    void SetKindSetting(int code);
    int DataKind() const { return m_dataKind; }
    void SetDataKind(int code);
    int InputMode() const { return m_inputMode; }
    void SetInputMode(int code);
    int Decimals() const { return m_decimals; }
    void SetDecimals(int decimals) { m_decimals = decimals; }
    bool HelpEnabled() const { return m_helpEnabled; }
    void SetHelpEnabled(bool enabled);
    bool CheckOnLeave() const { return m_checkOnLeave; }
    void SetCheckOnLeave(bool check) { m_checkOnLeave = check; }

    // Lookup settings: the statement ("@" stands for the typed text), the code and name columns
    // it returns, and the help code of the code list.
    QString LookupSql() const { return m_lookupSql; }
    void SetLookupSql(const QString& sql) { m_lookupSql = sql; }
    QString CodeField() const { return m_codeField; }
    void SetCodeField(const QString& field) { m_codeField = field; }
    QString NameField() const { return m_nameField; }
    void SetNameField(const QString& field) { m_nameField = field; }
    QString HelpCode() const { return m_helpCode; }
    void SetHelpCode(const QString& code) { m_helpCode = code; }
    QString ErrorText() const { return m_errorText; }
    void SetErrorText(const QString& text) { m_errorText = text; }

    // Text: the text as shown. Value: for Text boxes the text; for Number boxes a double and for
    // Date boxes a QDate (null when empty or not readable); for Lookup and Picker boxes the code
    // chosen or accepted (the typed text until one is).
    QString Text() const;
    void SetText(const QString& text);
    QVariant Value() const;
    void SetValue(const QVariant& value);
    void Clear();

    int State() const { return m_state; }
    void SetState(int state);
    bool Locked() const { return m_locked; }
    void SetLocked(bool locked);

    bool Active() const;
    // Checks text typed since the last check first, so a save never passes unchecked text.
    bool Valid();
    // Raises ValidationRequest for the current text now; true when the text was accepted.
    bool Validate();
    // The error text shown now; empty while the box is valid.
    QString ShownError() const { return m_shownError; }

    // The operator's help: the code list, the calendar or the picker, by kind.
    void RequestHelp();

    QLineEdit* Editor() const { return m_editor; }

signals:
    void ValueChanged(int index);
    // value: the help code of the list; a, b: screen position below the editor; c: editor width.
    void HelpRequest(int index, const QString& value, int a, int b, int c);
    // a, b: screen position below the editor. text and value come in as the box's content;
    // what the receiver leaves in them becomes the content when the text is not empty.
    void PickerRequest(int index, int a, int b, QString& text, QVariant& value);
    // sql: the lookup statement with the typed text in place of "@". The receiver fills code and
    // name; an empty name rejects the text.
    void ValidationRequest(int index, const QString& sql, const QString& codeField,
                           const QString& nameField, QString& code, QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onEdited(const QString& text);
    void onEditingFinished();
    void showCalendar();
    void applyKind();
    void setEditorText(const QString& text);
    void setError(bool rejected);
    bool fitsKind() const;
    QPoint popupPosition() const;
    bool checksText() const { return m_kind == Kind::Lookup || m_kind == Kind::Picker; }

    QLabel* m_caption;
    QLineEdit* m_editor;
    QToolButton* m_helpButton;
    CalendarPopup* m_calendar = nullptr;

    Kind m_kind = Kind::Text;
    int m_index = 0;
    int m_kindSetting = -1;
    int m_dataKind = 1;
    int m_inputMode = 1;
    int m_decimals = -1;
    bool m_helpEnabled = false;
    bool m_checkOnLeave = true;
    QString m_lookupSql;
    QString m_codeField;
    QString m_nameField;
    QString m_helpCode;
    QString m_errorText;
    QString m_shownError;
    QVariant m_code;        // Lookup and Picker: the accepted code
    int m_state = 0;
    bool m_locked = false;
    bool m_pending = false;   // typed since the last check
    bool m_rejected = false;  // the last check refused the text
    bool m_checking = false;
};
