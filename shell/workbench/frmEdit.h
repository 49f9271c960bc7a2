#pragma once

#include "hosts/EmbeddedHost.h"
#include "workbench/HostContext.h"

#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <memory>

class EmbeddedHost;
class ParameterList;
class QLabel;
class QStatusBar;

// A separate window that shows one program in its embedded host, with a status bar of the
// panels "msg", "period", "date" and "user".
class frmEdit : public QWidget {
    Q_OBJECT
public:
    enum Panel { Message = 0, Date = 1, User = 2, Period = 3 };

    explicit frmEdit(HostContext context, QWidget* parent = nullptr);
    ~frmEdit() override;

    // Shows the program in this window; true when the window was shown, false when it closed
    // during initialisation.
    bool InitHostWindow(int program, const QString& caption, int kind, const QVariant& recordId,
                        std::shared_ptr<ParameterList> parameters, int mode);
    bool CreateWindowHost(int program, int kind);
    void SetHostStatus(const QString& text, int panel);

    // The stored record id: a number (double) when the id reads back as its own numeric value,
    // otherwise the text; null when none.
    static QVariant StoredRecordId(const QVariant& recordId);
    // The host type of a menu catalog; empty for a kind without one.
    static QString HostType(int kind);

    int Program() const { return m_program; }
    int Kind() const { return m_kind; }
    QVariant RecordId() const { return m_recordId; }
    int Mode() const { return m_mode; }
    std::shared_ptr<ParameterList> Parameters() const { return m_parameters; }
    EmbeddedHost* Host() const { return m_host; }
    QString PanelText(const QString& key) const;

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void onHostEvent(const QString& name, const QVariantList& values);
    void layoutHostArea();
    void removeHost();
    QVariantList initArguments() const;

    HostContext m_context;
    int m_program = 0;
    QString m_caption;
    int m_kind = 0;
    QVariant m_recordId;
    int m_mode = 0;
    std::shared_ptr<ParameterList> m_parameters;
    bool m_unloading = false;
    QWidget* m_picHolder;
    QPointer<EmbeddedHost> m_host;
    QStatusBar* m_statusBar;
    QLabel* m_panels[4];
};
