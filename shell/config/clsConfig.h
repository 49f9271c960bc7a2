#pragma once

#include "xml/XmlDoc.h"

#include <QObject>
#include <QString>

#include <memory>

// The start-up settings of the program, read once from its configuration file. The loaded
// document stays open (XML) so that other parts read further paths from it.
class clsConfig : public QObject {
    Q_OBJECT
public:
    bool Init(const QString& fileName);
    // Applies the system texts of a language file over the loaded settings; false (with a
    // warning to the operator) when the file is missing or cannot be read.
    bool SetLanguague(const QString& languageFile, const QString& languageCode);
    void Clear();

    QString ConfigFileName() const { return m_configFileName; }
    qint16 TreeWidth() const { return m_treeWidth; }
    QString Caption() const { return m_caption; }
    QString HelpFileName() const { return m_helpFileName; }
    QString MenuFileName() const { return m_menuFileName; }
    double MenuToolWidth() const { return m_menuToolWidth; }
    QString UpdateFileName() const { return m_updateFileName; }
    QString Background_Login() const { return m_backgroundLogin; }
    QString Background_splash() const { return m_backgroundSplash; }
    QString Background_main() const { return m_backgroundMain; }
    qint16 SplashDelay() const { return m_splashDelay; }
    QString RootCaption() const { return m_rootCaption; }
    QString Subject() const { return m_subject; }
    bool AutoRegister() const;
    bool AutoResize() const { return m_autoResize; }
    int MenuMode() const { return m_menuMode; }
    int Navigate() const { return m_navigate; }
    bool UnFormStatus() const { return m_unFormStatus; }
    // The loaded document; empty before Init and after Clear.
    const XmlDoc& XML() const { return *m_xml; }

    void SetBackground_Login(const QString& v) { m_backgroundLogin = v; }
    void SetBackground_splash(const QString& v) { m_backgroundSplash = v; }
    void SetBackground_main(const QString& v) { m_backgroundMain = v; }
    void SetCaption(const QString& v) { m_caption = v; }
    void SetHelpFileName(const QString& v) { m_helpFileName = v; }
    void SetUpdateFileName(const QString& v) { m_updateFileName = v; }
    void SetRootCaption(const QString& v) { m_rootCaption = v; }
    void SetSubject(const QString& v) { m_subject = v; }
    void SetTreeWidth(qint16 v) { m_treeWidth = v; }
    void SetAutoRegister(bool v) { m_autoRegister = v ? QStringLiteral("1") : QStringLiteral("0"); }
    void SetAutoResize(bool v) { m_autoResize = v; }
    void SetNavigate(int v) { m_navigate = v; }
    void SetUnFormStatus(bool v) { m_unFormStatus = v; }

    // Replaces the macros of name; unless keepRelative, a relative result is taken from the
    // program folder. lowerCase only makes the macros match in any case (see bCommon).
    static QString ExpandFileName(const QString& name, bool lowerCase, bool keepRelative);

private:
    QString text(const QString& path) const;
    double number(const QString& path) const;

    std::unique_ptr<XmlDoc> m_xml = std::make_unique<XmlDoc>();
    QString m_configFileName;
    qint16 m_treeWidth = 0;
    QString m_caption = QStringLiteral("Morvik系统");
    QString m_helpFileName;
    QString m_menuFileName;
    double m_menuToolWidth = 0;
    QString m_updateFileName;
    QString m_backgroundLogin;
    QString m_backgroundSplash;
    QString m_backgroundMain;
    qint16 m_splashDelay = 0;
    QString m_rootCaption;
    QString m_subject;
    QString m_autoRegister;
    bool m_autoResize = true;
    int m_menuMode = 0;
    int m_navigate = 0;
    bool m_unFormStatus = false;
};
