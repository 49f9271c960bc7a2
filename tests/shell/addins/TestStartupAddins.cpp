// Start-up add-ins for the tests: each appends what the shell called, with the context it got,
// to the file named by ORVEL_TEST_ADDIN_JOURNAL.
#include "addins/IStartupAddin.h"
#include "component/ComponentEntry.h"

#include <QFile>
#include <QObject>

#include <cstring>
#include <stdexcept>

namespace {

void journal(const QString& line)
{
    QFile file(qEnvironmentVariable("ORVEL_TEST_ADDIN_JOURNAL"));
    if (file.open(QIODevice::Append))
        file.write((line + QLatin1Char('\n')).toUtf8());
}

class TestAddin : public QObject, public IStartupAddin {
    Q_OBJECT
    Q_INTERFACES(IStartupAddin)
public:
    enum class Behaviour { Good, Failing, Throwing };
    explicit TestAddin(Behaviour behaviour) : m_behaviour(behaviour) {}

    StartupAddinContext& Context() override { return m_context; }
    void Start() override { journal(Name() + QStringLiteral(" Start ") + m_context.Caption + QLatin1Char(' ') + QString::number(m_context.CurrentPeriod) + QLatin1Char(' ') + m_context.AccountSetName); }
    void Run(QString& /*text*/) override
    {
        journal(Name() + QStringLiteral(" Run"));
        if (m_behaviour == Behaviour::Throwing)
            throw std::runtime_error("run failed");
    }
    ErrorInfo Error() const override
    {
        return {m_behaviour == Behaviour::Failing ? QStringLiteral("数据不完整") : QString(), {}};
    }
    QString Name() const override
    {
        switch (m_behaviour) {
        case Behaviour::Good: return QStringLiteral("Good");
        case Behaviour::Failing: return QStringLiteral("Failing");
        case Behaviour::Throwing: break;
        }
        return QStringLiteral("Throwing");
    }
    void Finish() override { journal(Name() + QStringLiteral(" Finish")); }

private:
    Behaviour m_behaviour;
    StartupAddinContext m_context;
};

}  // namespace

QObject* DllGetClassObject(const char* className)
{
    if (std::strcmp(className, "Good") == 0)
        return new TestAddin(TestAddin::Behaviour::Good);
    if (std::strcmp(className, "Failing") == 0)
        return new TestAddin(TestAddin::Behaviour::Failing);
    if (std::strcmp(className, "Throwing") == 0)
        return new TestAddin(TestAddin::Behaviour::Throwing);
    return nullptr;
}

#include "TestStartupAddins.moc"
