#pragma once

#include "HostBase.h"

class ReportComponent;

// OrvelEdit.oReport, OrvelEdit.oeditrpt and OrvelEdit.oquery: hosts a report (IReportUI) with
// the commands refresh, find, find next, filter, print preview, print, print set-up and close.
//
// Py_Init arguments after the program number: oReport and oquery {caption}; oeditrpt {the
// window's parameter list}, handed to the report, whose list Parameters() returns afterwards.
// The report's layout file (DoGetFormStatus after Init, DoSaveFormStatus in Clear) is
// LayoutFileName(AppPath, program, operator). A report asks for its search text itself, so
// Find and Filter get no search definition. "detaile" and the other events go to the window.
class ReportHost : public HostBase {
    Q_OBJECT
public:
    enum class Kind { Report, ReportWithParameters, Query };

    explicit ReportHost(Kind kind, QWidget* parent = nullptr);
    ~ReportHost() override;

    bool Py_Init(AppSystem* pcSystem, QObject* config, int program, const QVariantList& arguments) override;
    void SetParameters(ParameterListPtr parameters) override;
    ParameterListPtr Parameters() const override;
    void Clear() override;
    bool Run(HostCommand command) override;

    Kind HostKind() const { return m_kind; }
    QString Caption() const { return m_caption; }
    QString LayoutFile() const { return m_layoutFile; }

    // appPath/selfbb/RPT<program>_<operator>.txt (the folder is created); characters that cannot
    // stand in a file name are replaced by "_".
    static QString LayoutFileName(const QString& appPath, int program, const QString& user);

private:
    bool print(HostCommand command);

    Kind m_kind;
    QString m_caption;
    QString m_layoutFile;
    ReportComponent* m_report = nullptr;
};
