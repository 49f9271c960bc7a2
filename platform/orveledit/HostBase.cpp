#include "HostBase.h"

#include "ComponentLocator.h"
#include "HostToolBar.h"

#include <QVBoxLayout>

HostBase::HostBase(QWidget* parent)
    : EmbeddedHost(parent),
      m_layout(new QVBoxLayout(this)),
      m_toolBar(new HostToolBar(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addWidget(m_toolBar);
    connect(&m_relay, &ComponentEventRelay::NamedEvent, this, [this](const QString& name, const QVariantList& values) {
        componentEvent(name);
        emit NamedEvent(name, values);
    });
}

HostBase::~HostBase() = default;

QWidget* HostBase::createComponent(AppSystem* system, int program)
{
    m_lastError.clear();
    QString error;
    std::unique_ptr<QObject> object = ComponentLocator::Create(system, program, &error);
    if (!object) {
        fail(error);
        return nullptr;
    }
    auto* widget = qobject_cast<QWidget*>(object.get());
    if (!widget || !m_relay.Attach(widget)) {
        fail(QStringLiteral("the component of program %1 is no business component").arg(program));
        return nullptr;
    }
    object.release();
    m_component.reset(widget);
    setContent(widget);
    return widget;
}

void HostBase::setContent(QWidget* content)
{
    m_layout->addWidget(content, 1);
}

void HostBase::releaseComponent()
{
    m_relay.Detach();
    m_component.reset();
}

bool HostBase::fail(const QString& text)
{
    m_lastError = text;
    emit NamedEvent(QStringLiteral("errmessage"), {text, kLogOnlyLevel, QStringLiteral("OrvelEdit")});
    return false;
}

void HostBase::handOnPrintFile(const QString& fileName)
{
    if (!fileName.isEmpty())
        emit NamedEvent(QStringLiteral("message"), {QStringLiteral("打印文件：") + fileName});
}
