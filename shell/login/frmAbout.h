#pragma once

#include <QDialog>

class AppSystem;
class QFontMetrics;
class QLabel;
class QPushButton;
class clsConfig;

// The about box: title, version (and the installed version), program folder, update site,
// credits and description (with the SQL Server edition on SQL Server), and a button that starts
// the system information tool named in the registry. Every text can be replaced through
// AppSystem::Text (section "main").
class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(const clsConfig& config, AppSystem& system, QWidget* parent = nullptr);

    // Abbreviates the folders of path from the second-last towards the first with ".." until it
    // fits width; the last one stays whole.
    static QString ShortenPath(const QString& path, const QFontMetrics& metrics, int width);
    // Starts the system information tool; tells the operator when there is none.
    bool ShowSystemInformation();

    QLabel* Version() const { return m_version; }
    QLabel* Path() const { return m_path; }
    QLabel* Web() const { return m_web; }
    QLabel* Title(int index) const { return m_titles[index]; }
    QLabel* Credits() const { return m_credits; }
    QLabel* Description() const { return m_description; }
    QLabel* Logo() const { return m_logo; }
    QPushButton* CmdOK() const { return m_ok; }
    QPushButton* CmdSystemInfo() const { return m_systemInfo; }

private:
    void buildControls();
    void load(const clsConfig& config);
    QString text(const QString& path, const QString& defaultText) const;
    QString serverEdition() const;

    AppSystem& m_system;
    QLabel* m_logo = nullptr;
    QLabel* m_titles[2] = {};
    QLabel* m_version = nullptr;
    QLabel* m_path = nullptr;
    QLabel* m_web = nullptr;
    QLabel* m_credits = nullptr;
    QLabel* m_description = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_systemInfo = nullptr;
};
